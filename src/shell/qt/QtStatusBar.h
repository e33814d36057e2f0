// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status bar along the bottom of the board: three panes (the prompt, the
// progress bar, the pip count), the last one taking the rest of the width.
// While a menu is open, pane 0 shows the prompt of the item under the pointer.

#include <QWidget>

#include <functional>
#include <string>

#include "program/platform/Controls.h"
#include "program/platform/Message.h"

class QtStatusBar final : public QWidget, public StatusBar {
public:
    explicit QtStatusBar(QWidget* canvas);

    // The bar's height in the window's font.
    static int BarHeight(const QFont& font);
    // Shows a menu item's prompt in pane 0 instead of its text, until cleared.
    void ShowPrompt(const QString& prompt);
    void ClearPrompt();
    bool ProgressShown() const { return progressShown; }
    // What the pane shows: in pane 0 the menu prompt while there is one.
    QString ShownText(int pane) const;

    // StatusBar
    void SetPaneWidths(int pane0, int pane1) override;
    void SetPaneText(int pane, const std::string& text) override;
    std::string PaneText(int pane) const override;
    Rect PaneRect(int pane) const override;
    void DrawProgress(const Rect& first, Colour firstColour, const Rect& second, Colour secondColour) override;
    void Repaint() override;
    void Invalidate() override;

    // Told of every left or right press on the control.
    std::function<void(const Message&)> press;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }

private:
    // The pane's rectangle in the bar's own coordinates.
    QRect LocalPane(int pane) const;

    int widths[2] = {0, 0};
    std::string texts[3];
    QString prompt;
    bool prompting = false;
    bool progressShown = false;
    Rect progress[2]{};
    Colour progressColour[2] = {0, 0};
};
