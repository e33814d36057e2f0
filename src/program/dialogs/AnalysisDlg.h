// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Game analysis" window: the Expert's judgement of a game. Above, a
// summary per side (its decisions, error rate, marked errors, rating and
// luck); below it every decision in order with the play or cube action made,
// the best one and the equity lost; under the list the best plays of the
// decision chosen in it, with their equities.

#include <array>
#include <string>
#include <vector>

#include "core/files/MatchFile.h"
#include "core/neural/Analysis.h"
#include "program/dialogs/DialogButton.h"
#include "program/platform/Catalogue.h"

class AnalysisDlg {
public:
    static constexpr int IDD = 311;
    static constexpr const char* CAPTION = "Game analysis";
    // The progress window while the game is judged.
    static constexpr const char* PROGRESS_CAPTION = "Analyse game";
    static constexpr const char* PROGRESS_TEXT = "The Expert judges every play and cube action...";
    static constexpr const char* CANCEL = "Cancel";
    // Below the summary: what the figures count.
    static constexpr const char* UNITS_TEXT =
        "Errors in thousandths of a point per game (mEMG), per unit of the cube; luck in points.";

    // The summary: a column per side, a row per figure.
    static constexpr std::array<const char*, 2> SIDE_NAMES{"You", "Computer"};
    static constexpr std::array<const char*, 7> SUMMARY_LABELS{"Decisions", "Error rate", "Doubtful", "Bad",
                                                               "Very bad",  "Rating",     "Luck"};
    static constexpr int SUMMARY_ROWS = static_cast<int>(SUMMARY_LABELS.size());

    // The list of decisions.
    static constexpr std::array<const char*, 7> COLUMN_HEADINGS{"Move", "Side", "Roll", "Played",
                                                                "Best", "Lost", "Mark"};
    static constexpr int COLUMNS = static_cast<int>(COLUMN_HEADINGS.size());
    // The marks by Mark (none, doubtful, bad, very bad): the summary's rows too.
    static constexpr std::array<const char*, 4> MARK_NAMES{"", "Doubtful", "Bad", "Very bad"};
    // The cube actions as the list names them.
    static constexpr const char* DOUBLE_TEXT = "Double";
    static constexpr const char* NO_DOUBLE_TEXT = "No double";
    static constexpr const char* TAKE_TEXT = "Take";
    static constexpr const char* DROP_TEXT = "Drop";
    // A roll that could not be played.
    static constexpr const char* NO_MOVE_TEXT = "No move";

    // The best plays of the decision chosen (of a cube action, its two choices).
    static constexpr std::array<const char*, 4> BEST_HEADINGS{"Play", "Equity", "Difference", "Plies"};
    static constexpr int BEST_COLUMNS = static_cast<int>(BEST_HEADINGS.size());
    static constexpr DialogButton CLOSE{2, "Close", false};
    // The view's three tables.
    static constexpr int SUMMARY_TABLE = 1000;
    static constexpr int DECISION_TABLE = 1001;
    static constexpr int BEST_TABLE = 1002;

    // The analysis of `game` (AnalyseGame's), its texts in the catalogue's language.
    AnalysisDlg(const MatchGame& game, const GameAnalysis& analysis, const Catalogue& texts = EnglishTexts());

    // Figure `row` (SUMMARY_LABELS) of side `side` (0 you, 1 the computer):
    // "12", "7.4" for the error rate, the rating's name, "+0.215" for the
    // luck; the error rate and the rating are blank without decisions.
    std::string SummaryCell(int row, int side) const;

    int Lines() const { return static_cast<int>(lines.size()); }
    // A cell of the list: the move's number as the match file counts it, the
    // side, "6-3" (blank for a cube action), the play made in players'
    // notation or the cube action, the best one, the equity lost in mEMG
    // ("43.6", blank when none), the mark. Blank outside the list.
    std::string Cell(int line, int column) const;

    // Chooses a line (the first at first); others leave the choice.
    void Select(int line);
    int Selected() const { return selected; }
    // The rows under the list for the line chosen: the plays best first with
    // their equity ("+0.123", blank for a forced play), the difference to the
    // best ("" for the best, "-0.045") and the depth; of a cube action its
    // two choices for the side that had them.
    int BestRows() const;
    std::string BestCell(int row, int column) const;

private:
    struct Choice {
        std::string play;
        double equity = 0;
        int plies = -1; // -1 for no depth shown
        bool shown = true;
    };
    struct Line {
        std::array<std::string, COLUMNS> cells;
        std::vector<Choice> best;
    };

    std::array<std::array<std::string, SUMMARY_ROWS>, 2> summary;
    std::vector<Line> lines;
    int selected = -1;
};
