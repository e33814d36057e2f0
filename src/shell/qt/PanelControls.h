// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small controls of the side panel: the dice pictures, the cube button
// and the trays' count labels. Pictures, labels and the cube button while it
// is disabled let the pointer through to the board (a click on the dice is a
// click beside the board, one on the greyed cube a click on the tray under it).

#include <QLabel>
#include <QPushButton>

#include <functional>
#include <optional>
#include <string>

#include "program/platform/Controls.h"
#include "program/platform/Message.h"

class QMouseEvent;

// A left or right press (or the second press of a double click) on a control
// of the panel, as the program's message in the canvas's coordinates; other
// buttons give none.
std::optional<Message> ControlPress(const QMouseEvent& event, const QWidget& control);

class QtDicePicture final : public QLabel, public DicePicture {
public:
    QtDicePicture(QWidget* canvas, int iconSize);

    void SetGeometry(const Rect& r) override;
    void SetFace(int value) override;
    void Show(bool visible) override { setVisible(visible); }
    bool Visible() const override { return !isHidden(); }
    int Face() const override { return face; }
    void Repaint() override { repaint(); }

protected:
    bool event(QEvent* event) override;

private:
    int iconSize;
    int face = 0;
};

class QtCubeButton final : public QPushButton, public CubeButton {
public:
    // `onClick` is told of every click.
    QtCubeButton(QWidget* canvas, std::function<void()> onClick);

    void SetGeometry(const Rect& r) override;
    Rect Geometry() const override;
    void SetText(const std::string& text) override { setText(QString::fromStdString(text)); }
    std::string Text() const override { return text().toStdString(); }
    void Enable(bool enabled) override { setEnabled(enabled); }
    bool Enabled() const override { return isEnabled(); }
    void Repaint() override { repaint(); }

protected:
    void changeEvent(QEvent* event) override;
};

class QtTrayLabel final : public QLabel, public TrayLabel {
public:
    explicit QtTrayLabel(QWidget* canvas);

    void SetGeometry(const Rect& r) override;
    void SetText(const std::string& text) override { setText(QString::fromStdString(text)); }
    std::string Text() const override { return text().toStdString(); }
    void SetAlignLeft(bool left) override;
    void SetTextColour(Colour c) override;
    Colour TextColour() const override { return colour; }
    void Repaint() override { repaint(); }

private:
    Colour colour = 0;
};
