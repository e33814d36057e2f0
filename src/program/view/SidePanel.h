// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side panel of the main window: the move list with its blinking
// underscore, the status bar with the race in a progress bar, the dice
// pictures, and where the cube button stands. Placed by the board's layout.

#include <string>

#include "program/game/WindowContext.h"

class SidePanel {
public:
    explicit SidePanel(WindowContext& context);

    // Places the panel, shows the move list and the window; only the first
    // call (at the first game) does anything.
    void CreatePanelControls();
    // Places the status panes, dice pictures and move list by the board's layout.
    void PlacePanelControls();
    void ApplyBackgroundColour();

    // The dice still to be played, on the side of the player to move.
    void ShowDice();
    void HideDice();
    // The cube beside the computer's tray, moved towards its owner.
    void PlaceCube();

    // Clears the list and writes the title and the banner, the year of today in it.
    void ResetMoveList();
    // Adds a line (cut to 63 characters), scrolling the oldest out of the page.
    void AddListLine(const std::string& text);
    void AppendToLastLine(const std::string& text);
    void DeleteLastLine();

    // Pane 0 shows string `id`, pane 2 is cleared (not while the program plays both sides).
    void SetStatus(int id);
    // Who leads the race by how many pips, in pane 2.
    void ShowProgressText();
    // The race as a bar in pane 1.
    void DrawProgressBar();

    // The blink timer: an underscore after the last line, shown and erased in turn.
    void OnTimer(int id);
    // Erases the underscore if it is shown.
    void HideBlink();
    bool BlinkShown() const { return blinkShown; }

private:
    WindowContext& ctx;
    Platform& platform;
    const Settings& settings;
    GameState& game;
    bool blinkShown = false;
    bool controlsCreated = false;
};
