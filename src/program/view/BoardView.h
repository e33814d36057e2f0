// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as the main window shows it: the window's size and the metrics
// that follow from it, the colours it is painted in, painting, and what the
// board's locations ask of the window while they draw and animate.

#include "core/files/ColourScheme.h"
#include "program/game/WindowContext.h"
#include "program/view/Metrics.h"
#include "program/view/ViewHost.h"

class BoardView : public ViewHost {
public:
    explicit BoardView(WindowContext& context);

    // The window's size does not follow the user: it is derived from the
    // screen at every size message, and the metrics from the window's size.
    void OnSize();
    // Draws the empty bars and points and then their pieces from the bottom
    // of each stack up; the trays are labels that paint themselves.
    void OnPaint();
    // The board is repainted in the colours now in force and every piece on
    // the points and the bars is made anew in its owner's colour; the
    // position does not change.
    void RefreshColours();

    // The colours the board is painted in: the current scheme's, or those the
    // colours dialog shows while it is open.
    ColourSet& Colours() { return schemeColour; }
    Metrics& Sizes() { return metrics; }

    // Lights tray `location` (26 or 27, -1 for none): the human's as a
    // possible target, the computer's under the pointer. The lit tray's
    // count shows in yellow, the other's in black; the view alone colours them.
    void LightTray(int location);
    int LitTray() const { return litTray; }

    // ViewHost
    Surface& Screen() override;
    TrayLabel& TrayControl(int location) override;
    const Metrics& DisplayMetrics() const override { return metrics; }
    const ColourSet& SchemeColour() const override { return schemeColour; }
    const Settings& Options() const override { return settings; }
    bool TrayHighlighted(int location) const override { return litTray == location; }
    void Delay() override;
    void PlayHitOrMove(int event) override;
    bool UndoInProgressNow() const override;
    int NextRandom() override;
    void CountHit() override;

private:
    WindowContext& ctx;
    Platform& platform;
    const Settings& settings;
    GameState& game;
    Metrics metrics;
    ColourSet schemeColour = DefaultSchemes[0];
    int litTray = -1;
};
