// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/BoardCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "shell/qt/KeyTranslation.h"
#include "shell/qt/QtSurface.h"

BoardCanvas::BoardCanvas(const QtSurface& backBuffer, QWidget* parent) : QWidget(parent), surface(backBuffer)
{
    // Every pixel comes from the back buffer: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The right button is the program's: it undoes or opens the Action menu itself.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

// The buffer has the screen's pixels: drawn at the origin it covers the
// canvas pixel for pixel, and the painter's clip keeps to the region asked for.
void BoardCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), surface.Image());
}

void BoardCanvas::Post(const Message& m)
{
    if (post) post(m);
}

void BoardCanvas::keyPressEvent(QKeyEvent* event)
{
    if (const std::optional<Message> m = TranslateKey(*event)) {
        Post(*m);
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void BoardCanvas::Button(QMouseEvent* event, bool down)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        Post(Message::Mouse(down ? MessageKind::LButtonDown : MessageKind::LButtonUp, p.x(), p.y()));
    else if (event->button() == Qt::RightButton)
        Post(Message::Mouse(down ? MessageKind::RButtonDown : MessageKind::RButtonUp, p.x(), p.y()));
    event->accept();
}

void BoardCanvas::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    Button(event, true);
}

void BoardCanvas::mouseReleaseEvent(QMouseEvent* event) { Button(event, false); }

// The second click of a double click is a click like the first.
void BoardCanvas::mouseDoubleClickEvent(QMouseEvent* event) { Button(event, true); }

void BoardCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    Post(Message::Mouse(MessageKind::MouseMove, p.x(), p.y()));
    event->accept();
}

void BoardCanvas::wheelEvent(QWheelEvent* event) { event->ignore(); }
