// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Hints" window: the best plays of the roll in hand, best first, each
// with its equity, how much it gives up against the best, the mover's
// chances after it and the depth it was looked at. A play chosen in the list
// is played on the board when the roll is still to be played.

#include <array>
#include <string>
#include <vector>

#include "core/neural/Evaluator.h"
#include "program/dialogs/DialogButton.h"

// One play of the list.
struct HintRow {
    std::string play;      // in players' notation
    double equity = 0;     // per unit of the cube
    Probabilities chances; // the player's after the play
    int plies = 0;
};

class HintDlg {
public:
    static constexpr int IDD = 310;
    static constexpr const char* CAPTION = "Hints";
    static constexpr int MAX_ROWS = 10;
    // The line above the list; %1 and %2 stand for the dice.
    static constexpr const char* ROLL_TEXT = "Your roll: %1-%2";
    static constexpr const char* CUBEFUL_TEXT = "Equities with the cube, in points per game.";
    static constexpr const char* CUBELESS_TEXT = "Equities without the cube, in points per game.";
    static constexpr std::array<const char*, 9> COLUMN_HEADINGS{"Play",        "Equity",          "Difference",
                                                                "Win",         "Win gammon",      "Win backgammon",
                                                                "Lose gammon", "Lose backgammon", "Plies"};
    static constexpr int COLUMNS = static_cast<int>(COLUMN_HEADINGS.size());
    static constexpr DialogButton PLAY{1, "&Play", true};
    static constexpr DialogButton CLOSE{2, "Close", false};

    // `canPlay`: the roll is still to be played, so a chosen play can be.
    HintDlg(int die1, int die2, std::vector<HintRow> rows, bool cubeful, bool canPlay);

    int Die(int index) const { return dice[index == 0 ? 0 : 1]; }
    bool Cubeful() const { return cubeful; }
    int Rows() const { return static_cast<int>(rows.size()); }
    // The text of a cell: the play, "+0.123" for the equity, "" for the best
    // play's difference and "-0.045" for the others', "54.3%" for a chance,
    // "2" for the depth.
    std::string Cell(int row, int column) const;

    // Whether Play is offered: the roll is still to be played and a row is chosen.
    bool CanPlay() const { return canPlay && selected >= 0; }
    // Chooses a row (the best at first); others choose none.
    void Select(int row);
    int Selected() const { return selected; }
    // What Play (or a double click on a row) closes the dialog with: PLAY's
    // id when the chosen play can be played, else CLOSE's.
    int OnPlay() const { return CanPlay() ? PLAY.id : CLOSE.id; }

private:
    std::array<int, 2> dice;
    std::vector<HintRow> rows;
    bool cubeful;
    bool canPlay;
    int selected;
};
