// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Statistics" dialog shown after every finished game: the figures of the
// game for both sides, the scores, the graph of the human's winning
// percentage, and how to go on (new, same or swapped rolls, or quit).

#include <array>
#include <string>

#include "core/board/Position.h"
#include "core/files/ColourScheme.h"
#include "core/files/WinGraph.h"
#include "core/settings/Settings.h"
#include "program/dialogs/DialogButton.h"
#include "program/platform/Catalogue.h"

// The counters the dialog shows, indexed by player (slot 0 unused).
struct GameFigures {
    std::array<int, 3> PipsRolled{};
    std::array<int, 3> DoublesRolled{};
    std::array<int, 3> HitsMade{};
    std::array<int, 3> ScoreSinceStart{};
    std::array<int, 3> Score{};
    std::array<int, 3> ThinkingTime{};
};

class StatDlg {
public:
    static constexpr int IDD = 301;
    static constexpr const char* CAPTION = "Statistics";

    // Value cells: "You" row, then "Computer" row.
    static constexpr int ID_DICE_HUMAN = 202, ID_DOUBLES_HUMAN = 203, ID_HITS_HUMAN = 204, ID_SCORE_HUMAN = 211,
                         ID_TOTAL_HUMAN = 221, ID_TIME_HUMAN = 217;
    static constexpr int ID_DICE_COMPUTER = 207, ID_DOUBLES_COMPUTER = 208, ID_HITS_COMPUTER = 209,
                         ID_SCORE_COMPUTER = 215, ID_TOTAL_COMPUTER = 225, ID_TIME_COMPUTER = 220;
    // The graph: left axis, base line, the label at the right end of the base line.
    static constexpr int ID_AXIS = 1117, ID_BASE_LINE = 1115, ID_GRAPH_END = 1118;
    static constexpr const char* GRAPH_END_TEXT = "50";
    static constexpr const char* GRAPH_LABEL = "games played";
    // The roll choice radio buttons, in rollChoice order.
    static constexpr std::array<int, 3> ROLL_CHOICE_ID{1231, 4, 5};
    static constexpr std::array<const char*, 3> ROLL_CHOICE_TEXT{"&New rolls", "&Same rolls", "S&wapped rolls"};
    static constexpr DialogButton AGAIN{1, "&Again", true};
    static constexpr DialogButton QUIT{2, "&Quit", false};

    static constexpr std::array<const char*, 6> COLUMN_HEADINGS{"Dice",  "Doubles", "Hits made",
                                                                "Score", "Total",   "Thinking time"};
    static constexpr std::array<const char*, 2> ROW_LABELS{"You", "Computer"};
    // The value cells by row (0 "You", 1 "Computer") and column.
    static constexpr std::array<std::array<int, 6>, 2> CELL_IDS{{
        {ID_DICE_HUMAN, ID_DOUBLES_HUMAN, ID_HITS_HUMAN, ID_SCORE_HUMAN, ID_TOTAL_HUMAN, ID_TIME_HUMAN},
        {ID_DICE_COMPUTER, ID_DOUBLES_COMPUTER, ID_HITS_COMPUTER, ID_SCORE_COMPUTER, ID_TOTAL_COMPUTER,
         ID_TIME_COMPUTER},
    }};

    // Size and graph geometry in dialog units.
    static constexpr int WIDTH_DU = 400, HEIGHT_DU = 162;
    static constexpr Rect AXIS_DU{47, 94, 48, 150};
    static constexpr Rect BASE_LINE_DU{35, 137, 277, 138};

    // The texts come from `texts`, the player's language.
    StatDlg(const GameFigures& figures, int winner, const Catalogue& texts = EnglishTexts());

    // The text of a value cell or of the graph's end label; "" for another id.
    std::string CellText(int id) const;

    // "%ld min %02ld sec" for a time in milliseconds; a negative time reads as 0.
    static std::string ThinkingTimeText(long milliseconds, const Catalogue& texts = EnglishTexts());

    // Opening the dialog: counts the game into the graph file and into
    // `record`, the graph kept between games (read over by the file), and
    // tells which sound event to play.
    SoundEvent OnOpen(const std::string& graphPath, WinGraph& record);

    // The lines of the graph between the axis and the base line, as placed
    // on the screen.
    GraphLines Graph(const Rect& axis, const Rect& baseLine) const { return GraphPoints(graph, axis, baseLine); }
    const WinGraph& GraphRecord() const { return graph; }

    // Selects a roll choice by its radio button id; other ids change nothing.
    void SelectRollChoice(int radioId);
    // The radio button of rollChoice ("&New rolls" for a value outside 0..2).
    int RollChoiceId() const;

    // 0 new rolls, 1 same rolls, 2 swapped rolls.
    int rollChoice = 0;
    // The dialog is painted in the board's background colour.
    Colour background = DefaultSchemes[0][COLOUR_BACKGROUND];

private:
    GameFigures figures;
    int winner;
    const Catalogue& texts;
    WinGraph graph{};
};
