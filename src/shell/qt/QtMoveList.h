// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The move list: one column of lines without header or scroll bars. It has no
// background of its own: its lines are painted over the board's back buffer,
// which holds the list's background colour there, so that the underscore the
// program draws into the buffer after the last line shows between them. Like
// a list control painting its own background, every change of the list first
// clears its rectangle of the buffer.

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "program/platform/Controls.h"
#include "program/platform/Message.h"

class QtMoveList final : public QWidget, public MoveList {
public:
    explicit QtMoveList(QWidget* canvas);

    // Fills a rectangle of the back buffer (canvas coordinates) in a colour.
    std::function<void(const Rect&, Colour)> eraseBehind;
    int LineHeight() const;
    int FirstVisible() const { return firstVisible; }
    Colour Background() const { return background; }

    // MoveList
    void SetGeometry(const Rect& r) override;
    void Show() override;
    void Clear() override;
    void AddLine(const std::string& text) override;
    void DeleteLine(int index) override;
    int LineCount() const override { return static_cast<int>(lines.size()); }
    std::string LineText(int index) const override;
    int PageSize() const override;
    Rect LineRect(int index) const override;
    int TextWidth(const std::string& text) const override;
    void EnsureVisible(int index) override;
    void SetBackground(Colour c) override;
    void Repaint() override;

    // Told of every left or right press on the control.
    std::function<void(const Message&)> press;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }

private:
    // The list changed: clear the buffer behind it and repaint later.
    void Changed();
    // Keeps the first visible line where a list control would scroll it.
    void ClampScroll();

    std::vector<std::string> lines;
    int firstVisible = 0;
    Colour background = 0;
};

// Left margin of a line's text inside its rectangle.
constexpr int MOVE_LIST_TEXT_MARGIN = 2;
