// SPDX-License-Identifier: GPL-3.0-or-later
// The game analysis window's model: the summary and the list of decisions as
// the player reads them, in the player's language, and the best plays of the
// line chosen.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "program/app/ProgramTexts.h"
#include "program/dialogs/AnalysisDlg.h"

#include "Brackets.h"

namespace {

MatchAction Action(int player, MatchAction::Kind kind, int first = 0, int second = 0, std::vector<MatchMove> moves = {})
{
    return {kind, player, first, second, std::move(moves), kind == MatchAction::Kind::Double ? 2 : 0};
}

// The human's 3-1 (8/5 6/5), the computer's 6-4 (24/14), the human's double
// taken, the human's 5-2 and the computer's dance after a double it missed.
MatchGame SixActions()
{
    MatchGame game;
    using K = MatchAction::Kind;
    game.actions = {Action(HUMAN, K::Roll, 3, 1, {{17, 20, false}, {19, 20, false}}),
                    Action(COMPUTER, K::Roll, 6, 4, {{24, 18, false}, {18, 14, false}}),
                    Action(HUMAN, K::Double),
                    Action(COMPUTER, K::Take),
                    Action(HUMAN, K::Roll, 5, 2, {{12, 17, false}, {12, 14, false}}),
                    Action(COMPUTER, K::Roll, 1, 1)};
    return game;
}

Decision Judged(Decision::Kind kind, int player, int action, double equity, double best, Mark mark)
{
    Decision d;
    d.kind = kind;
    d.player = player;
    d.action = action;
    d.equity = equity;
    d.bestEquity = best;
    d.loss = best - equity;
    d.mark = mark;
    return d;
}

GameAnalysis Judgement()
{
    GameAnalysis a;
    Decision opening = Judged(Decision::Kind::Play, HUMAN, 0, 0.1, 0.1, Mark::None);
    opening.first = 3;
    opening.second = 1;
    opening.best = {{{{17, 20, false}, {19, 20, false}}, 0.1, 2},
                    {{{12, 15, false}, {19, 20, false}}, 0.0996, 2},
                    {{{1, 4, false}, {1, 2, false}}, -0.02, 0}};
    Decision reply = Judged(Decision::Kind::Play, COMPUTER, 1, -0.0336, 0.01, Mark::Doubtful);
    reply.first = 6;
    reply.second = 4;
    reply.best = {{{{24, 18, false}, {13, 9, false}}, 0.01, 2}};
    Decision doubled = Judged(Decision::Kind::Double, HUMAN, 2, 0.4, 0.5, Mark::Bad);
    doubled.noDouble = 0.5;
    doubled.doubleTake = 0.4;
    Decision taken = Judged(Decision::Kind::Take, COMPUTER, 3, -0.4, -0.4, Mark::None);
    taken.doubleTake = 0.4;
    // Lost next to nothing: shows none.
    Decision quiet = Judged(Decision::Kind::Play, HUMAN, 4, 0.2, 0.20001, Mark::None);
    quiet.first = 5;
    quiet.second = 2;
    quiet.best = {{{{12, 17, false}, {17, 19, false}}, 0.20001, 2}};
    Decision missed = Judged(Decision::Kind::NoDouble, COMPUTER, 5, 0.3, 1.0, Mark::VeryBad);
    missed.noDouble = 0.3;
    missed.doubleTake = 1.4;
    Decision dance = Judged(Decision::Kind::Play, COMPUTER, 5, 0, 0, Mark::None);
    dance.first = dance.second = 1;
    dance.forced = true;
    dance.best = {{{}, 0.0, 0}};
    a.decisions = {opening, reply, doubled, taken, quiet, missed, dance};
    SideSummary& you = a.sides[HUMAN];
    you.decisions = 3;
    you.errorRate = 33.34;
    you.marks = {2, 0, 1, 0};
    you.rating = "World class";
    you.luck = 0.2154;
    a.sides[COMPUTER].luck = -0.0001; // no decisions with a choice
    return a;
}

} // namespace

TEST(AnalysisDlg, SummaryAndListInThePlayersLanguage)
{
    const Brackets texts;
    const AnalysisDlg dialog(SixActions(), Judgement(), texts);
    // The summary: you, then the computer, which had no choice.
    const char* you[] = {"3", "33.3", "0", "1", "0", "[World class]", "+0.215"};
    const char* computer[] = {"0", "", "0", "0", "0", "", "+0.000"};
    for (int row = 0; row < AnalysisDlg::SUMMARY_ROWS; ++row) {
        EXPECT_EQ(dialog.SummaryCell(row, 0), you[row]) << row;
        EXPECT_EQ(dialog.SummaryCell(row, 1), computer[row]) << row;
    }
    EXPECT_EQ(dialog.SummaryCell(AnalysisDlg::SUMMARY_ROWS, 0), "");
    EXPECT_EQ(dialog.SummaryCell(0, 2), "");

    // The lines: move number as the match file counts, side, roll, played,
    // best, lost, mark.
    const std::vector<std::array<std::string, 7>> expected = {
        {"1", "[You]", "3-1", "8/5 6/5", "8/5 6/5", "", ""},
        {"1", "[Computer]", "6-4", "24/14", "24/18 13/9", "43.6", "[Doubtful]"},
        {"2", "[You]", "", "[Double]", "[No double]", "100.0", "[Bad]"},
        {"2", "[Computer]", "", "[Take]", "[Take]", "", ""},
        {"3", "[You]", "5-2", "13/11 13/8", "13/6", "", ""},
        {"3", "[Computer]", "", "[No double]", "[Double]", "700.0", "[Very bad]"},
        {"3", "[Computer]", "1-1", "[No move]", "[No move]", "", ""},
    };
    ASSERT_EQ(dialog.Lines(), static_cast<int>(expected.size()));
    for (int line = 0; line < dialog.Lines(); ++line)
        for (int col = 0; col < AnalysisDlg::COLUMNS; ++col)
            EXPECT_EQ(dialog.Cell(line, col), expected[static_cast<std::size_t>(line)][static_cast<std::size_t>(col)])
                << line << "," << col;
    EXPECT_EQ(dialog.Cell(dialog.Lines(), 0), "");
    EXPECT_EQ(dialog.Cell(0, AnalysisDlg::COLUMNS), "");
}

// Of a play its best plays with depth (a forced one without figures), of a
// cube action its two choices for the side that had them, best first.
TEST(AnalysisDlg, TheChosenLineShowsItsBestPlaysOrItsCubeChoices)
{
    AnalysisDlg dialog(SixActions(), Judgement());
    using Rows = std::vector<std::array<std::string, 4>>;
    const std::map<int, Rows> expected = {
        {0,
         {{"8/5 6/5", "+0.100", "", "2"},
          {"13/10 6/5", "+0.100", "+0.000", "2"},
          {"24/23 24/21", "-0.020", "-0.120", "0"}}},
        {2, {{"No double", "+0.500", "", ""}, {"Double", "+0.400", "-0.100", ""}}},
        {3, {{"Take", "-0.400", "", ""}, {"Drop", "-1.000", "-0.600", ""}}},
        {5, {{"Double", "+1.000", "", ""}, {"No double", "+0.300", "-0.700", ""}}},
        {6, {{"No move", "", "", ""}}},
    };
    ASSERT_EQ(dialog.Selected(), 0);
    for (const auto& [line, rows] : expected) {
        dialog.Select(line);
        ASSERT_EQ(dialog.BestRows(), static_cast<int>(rows.size())) << line;
        for (int row = 0; row <= dialog.BestRows(); ++row)
            for (int col = 0; col < AnalysisDlg::BEST_COLUMNS; ++col)
                EXPECT_EQ(dialog.BestCell(row, col),
                          row < dialog.BestRows() ? rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]
                                                  : "")
                    << line << ": " << row << "," << col;
    }
    // Outside the list the choice stays.
    dialog.Select(7);
    dialog.Select(-1);
    EXPECT_EQ(dialog.Selected(), 6);
    const AnalysisDlg empty(MatchGame{}, GameAnalysis{});
    EXPECT_EQ(empty.Selected(), -1);
    EXPECT_EQ(empty.BestRows(), 0);
}
