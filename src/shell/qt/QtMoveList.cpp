// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/QtMoveList.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "shell/qt/PanelControls.h"

QtMoveList::QtMoveList(QWidget* canvas) : QWidget(canvas)
{
    setFocusPolicy(Qt::NoFocus);
    // Clicks and pointer moves over the list are the list's own, as over a
    // list control: they do not reach the board.
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoFillBackground(false);
    hide();
}

int QtMoveList::LineHeight() const { return fontMetrics().height() + 2; }

void QtMoveList::SetGeometry(const Rect& r)
{
    setGeometry(r.left, r.top, std::max(r.right - r.left, 0), std::max(r.bottom - r.top, 0));
    ClampScroll();
    Changed();
}

void QtMoveList::Show()
{
    show();
    Changed();
}

void QtMoveList::Clear()
{
    lines.clear();
    firstVisible = 0;
    Changed();
}

void QtMoveList::AddLine(const std::string& text)
{
    lines.push_back(text);
    Changed();
}

void QtMoveList::DeleteLine(int index)
{
    if (index < 0 || index >= LineCount()) return;
    lines.erase(lines.begin() + index);
    ClampScroll();
    Changed();
}

std::string QtMoveList::LineText(int index) const
{
    return index >= 0 && index < LineCount() ? lines[static_cast<std::size_t>(index)] : std::string();
}

int QtMoveList::PageSize() const { return std::max(height() / LineHeight(), 0); }

Rect QtMoveList::LineRect(int index) const
{
    const int top = y() + LineHeight() * (index - firstVisible);
    return {x(), top, x() + width(), top + LineHeight()};
}

int QtMoveList::TextWidth(const std::string& text) const
{
    return fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

// Scrolls just enough to bring the line into the page.
void QtMoveList::EnsureVisible(int index)
{
    if (index < 0 || index >= LineCount()) return;
    const int page = std::max(PageSize(), 1);
    const int before = firstVisible;
    if (index < firstVisible) firstVisible = index;
    if (index >= firstVisible + page) firstVisible = index - page + 1;
    ClampScroll();
    if (firstVisible != before) Changed();
}

void QtMoveList::ClampScroll()
{
    firstVisible = std::clamp(firstVisible, 0, std::max(0, LineCount() - std::max(PageSize(), 1)));
}

void QtMoveList::SetBackground(Colour c)
{
    background = c;
    Changed();
}

void QtMoveList::Repaint() { repaint(); }

void QtMoveList::Changed()
{
    if (eraseBehind && isVisible()) eraseBehind({x(), y(), x() + width(), y() + height()}, background);
    update();
}

void QtMoveList::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    const int lineHeight = LineHeight();
    const int ascent = fontMetrics().ascent() + (lineHeight - fontMetrics().height()) / 2;
    for (int i = firstVisible; i < LineCount(); ++i) {
        const int top = (i - firstVisible) * lineHeight;
        if (top >= height()) break;
        // A line wider than the list ends in an ellipsis, as in a list control.
        const QString text = fontMetrics().elidedText(QString::fromStdString(lines[static_cast<std::size_t>(i)]),
                                                      Qt::ElideRight, width() - MOVE_LIST_TEXT_MARGIN);
        painter.drawText(MOVE_LIST_TEXT_MARGIN, top + ascent, text);
    }
}

// A press on the list does nothing on the board, but it ends the wait at
// the end of the human's turn.
void QtMoveList::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<Message> m = ControlPress(*event, *this); m && press) press(*m);
    event->accept();
}
