// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mouse and keyboard play: picking a piece and its target by click or letter,
// the hover highlight of where a piece can go, and taking moves back.

#include "program/game/WindowContext.h"

class MoveInput {
public:
    explicit MoveInput(WindowContext& context);

    // Letters count with or without Shift; the 0 of the main keyboard counts,
    // the keypad's does not.
    void OnKeyDown(const Message& m);
    // The letter handler: c is 'A'..'X' or '0'; realKey for a key press.
    void OnLetter(int c, bool realKey);
    void OnLButtonUp(int x, int y);
    void OnRButtonDown(int x, int y);
    void OnMouseMove(int x, int y);

    // Highlights (or clears) a location and, with "Possible moves", where
    // its piece can go with the dice left.
    void Highlight(int location, bool on);
    // Clears every highlight and draws the hover highlight anew for the dice left.
    void RefreshHover();

    // Whether a tray is lit as a target or under the pointer.
    bool TrayHighlighted() const;
    // A new game starts with nothing highlighted.
    void ResetHighlights();

private:
    WindowContext& ctx;
    Platform& platform;
    const Settings& settings;
    GameState& game;
    // The location under the hover highlight, -1 for none.
    int lastHovered = -1;
};
