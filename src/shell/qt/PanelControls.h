#pragma once
// The small controls of the side panel: the dice pictures, the cube button
// and the trays' count labels. Pictures and labels let clicks through to the
// board (a click on the dice is a click beside the board).

#include <QLabel>
#include <QPushButton>

#include <functional>
#include <string>

#include "program/platform/Controls.h"

class QtDicePicture final : public QLabel, public DicePicture {
public:
    QtDicePicture(QWidget* canvas, int iconSize);

    void SetGeometry(const Rect& r) override;
    void SetFace(int value) override;
    void Show(bool visible) override { setVisible(visible); }
    bool Visible() const override { return !isHidden(); }
    int Face() const override { return face; }
    void Repaint() override { repaint(); }

private:
    int iconSize;
    int face = 0;
};

class QtCubeButton final : public QPushButton, public CubeButton {
public:
    // `clicked` is told of every click.
    QtCubeButton(QWidget* canvas, std::function<void()> onClick);

    void SetGeometry(const Rect& r) override;
    Rect Geometry() const override;
    void SetText(const std::string& text) override { setText(QString::fromStdString(text)); }
    std::string Text() const override { return text().toStdString(); }
    void Enable(bool enabled) override { setEnabled(enabled); }
    bool Enabled() const override { return isEnabled(); }
    void Repaint() override { repaint(); }
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
