// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side-panel controls of the main window, as the program drives them.

#include <string>

#include "core/board/Position.h"
#include "core/files/ColourScheme.h"

// The panes of the status bar: the prompt, the progress bar, and the notice
// pane (who leads the race and by how many pips, or what a refused move
// must do first).
enum StatusPane : int { PANE_PROMPT = 0, PANE_PROGRESS = 1, PANE_NOTICE = 2 };

class StatusBar {
public:
    virtual ~StatusBar() = default;
    // Widths of the prompt and the progress panes; the notice pane takes the rest.
    virtual void SetPaneWidths(int pane0, int pane1) = 0;
    virtual void SetPaneText(int pane, const std::string& text) = 0;
    virtual std::string PaneText(int pane) const = 0;
    // The pane's rectangle in the main window's client coordinates.
    virtual Rect PaneRect(int pane) const = 0;
    // The progress bar in pane 1: two filled rectangles in the main window's
    // client coordinates, drawn in that order over the pane.
    virtual void DrawProgress(const Rect& first, Colour firstColour, const Rect& second, Colour secondColour) = 0;
    // Repaints at once.
    virtual void Repaint() = 0;
    // Repaints later, erasing a progress bar drawn earlier.
    virtual void Invalidate() = 0;
};

class MoveList {
public:
    virtual ~MoveList() = default;
    virtual void SetGeometry(const Rect& r) = 0;
    virtual void Show() = 0;
    virtual void Clear() = 0;
    virtual void AddLine(const std::string& text) = 0;
    virtual void DeleteLine(int index) = 0;
    virtual int LineCount() const = 0;
    virtual std::string LineText(int index) const = 0;
    // How many lines fit in the list at once.
    virtual int PageSize() const = 0;
    // The rectangle of line `index` in the main window's client coordinates.
    virtual Rect LineRect(int index) const = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual void EnsureVisible(int index) = 0;
    virtual void SetBackground(Colour c) = 0;
    virtual void Repaint() = 0;
};

// A picture control: a die face, the cube button, or a tray's count label.
class DicePicture {
public:
    virtual ~DicePicture() = default;
    virtual void SetGeometry(const Rect& r) = 0;
    // Shows the face of `value` (1..6).
    virtual void SetFace(int value) = 0;
    virtual void Show(bool visible) = 0;
    virtual bool Visible() const = 0;
    virtual int Face() const = 0;
    virtual void Repaint() = 0;
};

class CubeButton {
public:
    virtual ~CubeButton() = default;
    virtual void SetGeometry(const Rect& r) = 0;
    virtual Rect Geometry() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
    virtual void Enable(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual void Repaint() = 0;
};

class TrayLabel {
public:
    virtual ~TrayLabel() = default;
    virtual void SetGeometry(const Rect& r) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
    virtual void SetAlignLeft(bool left) = 0;
    // Yellow while the tray is highlighted, black otherwise.
    virtual void SetTextColour(Colour c) = 0;
    virtual Colour TextColour() const = 0;
    virtual void Repaint() = 0;
};
