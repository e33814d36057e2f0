// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client area of the main window: shows the back buffer the program draws
// into and turns the user's keys and mouse into the program's messages. The
// side-panel controls are its children.

#include <QWidget>

#include <functional>

#include "program/platform/Message.h"

class QtSurface;

class BoardCanvas final : public QWidget {
public:
    BoardCanvas(const QtSurface& surface, QWidget* parent);

    // Where the messages go.
    std::function<void(const Message&)> post;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // A left or right button going down or up; other buttons give nothing.
    void Button(QMouseEvent* event, bool down);
    void Post(const Message& m);

    const QtSurface& surface;
};
