// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Game" page of the settings sheet: the computer's skill, the helps for
// the human's moves, the cube, who starts the first game, and the scores.

#include <array>
#include <string>
#include <vector>

#include "program/dialogs/OptsPage.h"

class PlayOpts : public OptsPage {
public:
    static constexpr int IDD = 216;
    static constexpr const char* TITLE = "Game";
    static constexpr int ID_SKILL = 1056;
    static constexpr const char* SKILL_LABEL = "S&kill level:";
    static constexpr std::array<const char*, 4> SKILL_NAMES{"Poor", "Average", "Good", "Expert"};
    static constexpr int ID_AUTO_CHANGE_TURN = 1045, ID_AUTO_FORCED_MOVES = 1067, ID_USE_CUBE = 1049,
                         ID_INTEL_MOVES = 1111;
    static constexpr const char* AUTO_CHANGE_TURN_TEXT = "&Auto change turn";
    static constexpr const char* AUTO_FORCED_MOVES_TEXT = "Auto play &forced moves";
    static constexpr const char* USE_CUBE_TEXT = "&Use cube";
    static constexpr const char* INTEL_MOVES_TEXT = "Intelli&gent moves";
    static constexpr const char* FIRST_MOVE_GROUP = "&Who starts first game ?";
    static constexpr std::array<int, 3> FIRST_MOVE_IDS{1061, 1062, 1063};
    static constexpr std::array<const char*, 3> FIRST_MOVE_TEXTS{"Random", "Computer", "Human player"};
    static constexpr const char* SCORE_GROUP = "Current score";
    static constexpr int ID_SCORE_HUMAN = 1113, ID_SCORE_COMPUTER = 1114;
    static constexpr const char* SCORE_HUMAN_LABEL = "You";
    static constexpr const char* SCORE_COMPUTER_LABEL = "Computer";

    using OptsPage::OptsPage;

    const char* Title() const override { return TITLE; }
    // Fills the skill list (once), selects the skill and shows the scores.
    // Without the Expert's weights its choice is greyed out and a setting of
    // "Expert" shows as "Good", the level played.
    void Load() override;
    void Apply() override;

    // The page's copies, as the controls show them.
    std::vector<std::string> skillList;
    // Whether the last choice, "Expert", may be chosen.
    bool expertAvailable = false;
    int levelOfPlay = 0;
    int autoChangeTurn = 0;
    int autoForcedMoves = 0;
    int useCube = 0;
    int intelMoves = 0;
    int firstMoveBy = 0;
    // Read-only: the totals when the page was first shown.
    std::string humanScore;
    std::string computerScore;
};
