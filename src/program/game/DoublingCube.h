// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The doubling cube: the computer's offer and the human's answer, the
// human's double and the computer's answer, and the cube button.

#include "program/game/WindowContext.h"

// How long the computer seems to weigh the human's double, in milliseconds.
constexpr int DOUBLE_ANSWER_PAUSE_MS = 1500;

class DoublingCube {
public:
    explicit DoublingCube(WindowContext& context);

    // Whether the computer doubles before its roll.
    bool ComputerWantsToDouble() const;
    // Asks the human: Yes takes (the human owns the cube), No drops (the
    // computer wins), Cancel asks the computer not to double again.
    void ComputerOffersDouble();
    // The human doubles: the computer takes, or drops and the human may win.
    void HumanDoubles();
    // The button shows the cube's value ("64" at 1) beside its owner.
    void UpdateCube();
    // Whether the human may double now.
    bool DoubleEnabled() const;
    // Whether the computer takes the human's double.
    bool ComputerTakes() const;

private:
    // Whether the tutor judges the human's cube actions now.
    bool TutorWatches() const;
    // The tutor's word on a cube action of the human that gives up `loss`:
    // the warning's answer (see TutorWarning), or Play anyway when the loss
    // is below the tutor's mark. `textId` is the warning's text.
    int TutorAnswer(int textId, double loss, bool offerHint);

    WindowContext& ctx;
    Platform& platform;
    const Settings& settings;
    GameState& game;
};
