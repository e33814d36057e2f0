// SPDX-License-Identifier: GPL-3.0-or-later
// The game analysis window's model: the summary and the list of decisions as
// the player reads them, in the player's language, and the best plays of the
// line chosen.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "program/app/ProgramTexts.h"
#include "program/dialogs/AnalysisDlg.h"

namespace {

// Each text of the program comes back as "[text]".
class Brackets : public Catalogue {
public:
    Brackets()
    {
        for (const std::string& text : ProgramTexts()) translated[text] = "[" + text + "]";
    }
    const char* Translate(const char* english) const override
    {
        const auto found = translated.find(english);
        return found != translated.end() ? found->second.c_str() : english;
    }

private:
    std::map<std::string, std::string> translated;
};

MatchAction Roll(int player, int first, int second, std::vector<MatchMove> moves)
{
    MatchAction a;
    a.player = player;
    a.first = first;
    a.second = second;
    a.moves = std::move(moves);
    return a;
}

MatchAction Cube(int player, MatchAction::Kind kind)
{
    MatchAction a;
    a.kind = kind;
    a.player = player;
    a.cubeValue = kind == MatchAction::Kind::Double ? 2 : 0;
    return a;
}

// The human's 3-1 (8/5 6/5), the computer's 6-4 (24/14), the human's double
// taken, the human's 5-2 and the computer's dance after a double it missed.
MatchGame SixActions()
{
    MatchGame game;
    game.actions = {Roll(HUMAN, 3, 1, {{17, 20, false}, {19, 20, false}}),
                    Roll(COMPUTER, 6, 4, {{24, 18, false}, {18, 14, false}}),
                    Cube(HUMAN, MatchAction::Kind::Double),
                    Cube(COMPUTER, MatchAction::Kind::Take),
                    Roll(HUMAN, 5, 2, {{12, 17, false}, {12, 14, false}}),
                    Roll(COMPUTER, 1, 1, {})};
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

TEST(AnalysisDlg, TheChosenLineShowsItsBestPlaysOrItsCubeChoices)
{
    AnalysisDlg dialog(SixActions(), Judgement());
    // The first line at first: its plays, best first, with the depth.
    ASSERT_EQ(dialog.Selected(), 0);
    ASSERT_EQ(dialog.BestRows(), 3);
    EXPECT_EQ(dialog.BestCell(0, 0), "8/5 6/5");
    EXPECT_EQ(dialog.BestCell(0, 1), "+0.100");
    EXPECT_EQ(dialog.BestCell(0, 2), "");
    EXPECT_EQ(dialog.BestCell(0, 3), "2");
    EXPECT_EQ(dialog.BestCell(1, 0), "13/10 6/5");
    EXPECT_EQ(dialog.BestCell(1, 2), "+0.000"); // behind by less than shows
    EXPECT_EQ(dialog.BestCell(2, 0), "24/23 24/21");
    EXPECT_EQ(dialog.BestCell(2, 1), "-0.020");
    EXPECT_EQ(dialog.BestCell(2, 2), "-0.120");
    EXPECT_EQ(dialog.BestCell(2, 3), "0");
    EXPECT_EQ(dialog.BestCell(3, 0), "");

    // A double that should not have been: not doubling first.
    dialog.Select(2);
    ASSERT_EQ(dialog.BestRows(), 2);
    EXPECT_EQ(dialog.BestCell(0, 0), "No double");
    EXPECT_EQ(dialog.BestCell(0, 1), "+0.500");
    EXPECT_EQ(dialog.BestCell(1, 0), "Double");
    EXPECT_EQ(dialog.BestCell(1, 2), "-0.100");
    EXPECT_EQ(dialog.BestCell(1, 3), "");
    // A take: the taker's equities, the drop's a whole point.
    dialog.Select(3);
    EXPECT_EQ(dialog.BestCell(0, 0), "Take");
    EXPECT_EQ(dialog.BestCell(0, 1), "-0.400");
    EXPECT_EQ(dialog.BestCell(1, 0), "Drop");
    EXPECT_EQ(dialog.BestCell(1, 1), "-1.000");
    // A missed double: doubling counts for a drop at most.
    dialog.Select(5);
    EXPECT_EQ(dialog.BestCell(0, 0), "Double");
    EXPECT_EQ(dialog.BestCell(0, 1), "+1.000");
    EXPECT_EQ(dialog.BestCell(1, 1), "+0.300");
    // A roll that could not be played has no figures.
    dialog.Select(6);
    ASSERT_EQ(dialog.BestRows(), 1);
    EXPECT_EQ(dialog.BestCell(0, 0), "No move");
    EXPECT_EQ(dialog.BestCell(0, 1), "");
    EXPECT_EQ(dialog.BestCell(0, 3), "");
    // Outside the list the choice stays.
    dialog.Select(7);
    dialog.Select(-1);
    EXPECT_EQ(dialog.Selected(), 6);

    const AnalysisDlg empty(MatchGame{}, GameAnalysis{});
    EXPECT_EQ(empty.Lines(), 0);
    EXPECT_EQ(empty.Selected(), -1);
    EXPECT_EQ(empty.BestRows(), 0);
    EXPECT_EQ(empty.SummaryCell(0, 0), "0");
}
