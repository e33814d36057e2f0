// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/PanelControls.h"

#include <QMouseEvent>

#include <utility>

#include "shell/qt/QtSurface.h"
#include "shell/qt/dialogs/Resources.h"

namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

} // namespace

std::optional<Message> ControlPress(const QMouseEvent& event, const QWidget& control)
{
    const QPoint p = control.mapToParent(event.position().toPoint());
    if (event.button() == Qt::LeftButton) return Message::ControlPress(MessageKind::LButtonDown, p.x(), p.y());
    if (event.button() == Qt::RightButton) return Message::ControlPress(MessageKind::RButtonDown, p.x(), p.y());
    return std::nullopt;
}

QtDicePicture::QtDicePicture(QWidget* canvas, int size) : QLabel(canvas), iconSize(size)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    hide();
}

void QtDicePicture::SetGeometry(const Rect& r) { setGeometry(ToQRect(r)); }

// The face is drawn for the screen the picture is on, again when the screen's
// device pixel ratio has changed.
void QtDicePicture::SetFace(int value)
{
    const qreal ratio = devicePixelRatioF();
    if (value == face && pixmap().cacheKey() != 0 && pixmap().devicePixelRatio() == ratio) return;
    face = value;
    setPixmap(DieFace(value, iconSize, ratio));
}

bool QtDicePicture::event(QEvent* event)
{
    if (event->type() == QEvent::Paint && pixmap().cacheKey() != 0 &&
        pixmap().devicePixelRatio() != devicePixelRatioF())
        setPixmap(DieFace(face, iconSize, devicePixelRatioF()));
    return QLabel::event(event);
}

QtCubeButton::QtCubeButton(QWidget* canvas, std::function<void()> onClick) : QPushButton(canvas)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, [click = std::move(onClick)] {
        if (click) click();
    });
}

// A disabled button would take the presses, releases and moves of the
// pointer over it and do nothing with them (Qt's buttons swallow them so);
// greyed, the cube lets them through to the board, where they pick the tray
// beneath it or end the wait for the turn's confirmation.
void QtCubeButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
    QPushButton::changeEvent(event);
}

void QtCubeButton::SetGeometry(const Rect& r) { setGeometry(ToQRect(r)); }

Rect QtCubeButton::Geometry() const
{
    const QRect g = geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

QtTrayLabel::QtTrayLabel(QWidget* canvas) : QLabel(canvas)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    SetAlignLeft(false);
    SetTextColour(0);
}

void QtTrayLabel::SetGeometry(const Rect& r) { setGeometry(ToQRect(r)); }

void QtTrayLabel::SetAlignLeft(bool left) { setAlignment((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop); }

void QtTrayLabel::SetTextColour(Colour c)
{
    if (c == colour && palette().color(QPalette::WindowText) == ToQColor(c)) return;
    colour = c;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ToQColor(c));
    setPalette(pal);
}
