// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/QtStatusBar.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "shell/qt/PanelControls.h"
#include "shell/qt/QtSurface.h"

QtStatusBar::QtStatusBar(QWidget* canvas) : QWidget(canvas)
{
    setFocusPolicy(Qt::NoFocus);
    // Clicks on the bar are the bar's own: they do not reach the board.
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoFillBackground(true);
}

int QtStatusBar::BarHeight(const QFont& font) { return QFontMetrics(font).height() + 8; }

void QtStatusBar::ShowPrompt(const QString& text)
{
    prompt = text;
    prompting = true;
    update();
}

void QtStatusBar::ClearPrompt()
{
    if (!prompting) return;
    prompting = false;
    update();
}

void QtStatusBar::SetPaneWidths(int pane0, int pane1)
{
    widths[0] = std::max(pane0, 0);
    widths[1] = std::max(pane1, 0);
    update();
}

void QtStatusBar::SetPaneText(int pane, const std::string& text)
{
    if (pane < 0 || pane > 2) return;
    texts[pane] = text;
    update(LocalPane(pane));
}

QString QtStatusBar::ShownText(int pane) const
{
    if (pane == 0 && prompting) return prompt;
    return QString::fromStdString(PaneText(pane));
}

std::string QtStatusBar::PaneText(int pane) const { return pane >= 0 && pane <= 2 ? texts[pane] : std::string(); }

QRect QtStatusBar::LocalPane(int pane) const
{
    const int left = pane == 0 ? 0 : pane == 1 ? widths[0] : widths[0] + widths[1];
    const int right = pane == 0 ? widths[0] : pane == 1 ? widths[0] + widths[1] : width();
    return QRect(left, 0, std::max(right - left, 0), height());
}

Rect QtStatusBar::PaneRect(int pane) const
{
    if (pane < 0 || pane > 2) return {};
    const QRect r = LocalPane(pane).translated(pos());
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void QtStatusBar::DrawProgress(const Rect& first, Colour firstColour, const Rect& second, Colour secondColour)
{
    progress[0] = first;
    progress[1] = second;
    progressColour[0] = firstColour;
    progressColour[1] = secondColour;
    progressShown = true;
    repaint(LocalPane(1));
}

void QtStatusBar::Repaint() { repaint(); }

void QtStatusBar::Invalidate()
{
    progressShown = false;
    update();
}

// Each pane is a sunken box with its text; the progress bar's rectangles are
// outlined in black like any filled rectangle of the board.
void QtStatusBar::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    for (int pane = 0; pane < 3; ++pane) {
        const QRect box = LocalPane(pane).adjusted(1, 2, -1, -2);
        if (box.width() <= 2) continue;
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
        const QString text = ShownText(pane);
        if (text.isEmpty()) continue;
        const QRect inside = box.adjusted(4, 1, -3, -1);
        painter.setPen(pal.color(QPalette::WindowText));
        painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, inside.width()));
    }
    if (!progressShown) return;
    painter.setPen(QPen(Qt::black, 0));
    for (int i = 0; i < 2; ++i) {
        const QRect r = QRect(progress[i].left, progress[i].top, progress[i].right - progress[i].left,
                              progress[i].bottom - progress[i].top)
                            .translated(-pos());
        if (r.width() <= 0 || r.height() <= 0) continue;
        painter.setBrush(ToQColor(progressColour[i]));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

// A press on the bar does nothing on the board, but it ends the wait at
// the end of the human's turn.
void QtStatusBar::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<Message> m = ControlPress(*event, *this); m && press) press(*m);
    event->accept();
}
