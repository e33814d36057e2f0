// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "core/board/Board.h"
#include "core/board/RulesEngine.h"
#include "core/dice/DiceRecord.h"

namespace {

// A live board with rules over it, the human to move.
class RulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        board.CurrentPlayer = HUMAN;
        board.BuildBoard(true);
        rules.InitRules(&board, &dice);
    }

    // Puts the listed (location, owner, count) on an empty board; each side's
    // remaining pieces go to its tray. Recomputes the race flag.
    void Place(std::initializer_list<std::tuple<int, int, int>> spots)
    {
        BoardData b = WithFixedOwners(BoardData{});
        int left[3] = {0, PIECES_PER_SIDE, PIECES_PER_SIDE};
        for (auto [location, owner, count] : spots) {
            b[location] = Spot{static_cast<std::int8_t>(count), owner};
            left[owner] -= count;
        }
        b[COMPUTER_TRAY].count = static_cast<std::int8_t>(left[COMPUTER]);
        b[HUMAN_TRAY].count = static_cast<std::int8_t>(left[HUMAN]);
        ASSERT_TRUE(IsValid(b));
        board.SetData(b);
        rules.UpdateRace();
    }

    // Sets the die values still to be played.
    void Dice(std::initializer_list<int> values)
    {
        dice.die.fill(255);
        dice.moves = 0;
        for (int v : values) dice.die[dice.moves++] = static_cast<std::uint8_t>(v);
    }

    // The "Intelligent moves" setting AutoTarget is asked with.
    bool intelMoves = false;
    Board board;
    DiceRecord dice{nullptr, nullptr};
    RulesEngine rules{&board, &dice};
};

} // namespace

TEST_F(RulesTest, HigherDieBearsOffOnlyFromHighestPoint)
{
    // The human with pieces on 22 and 24 only.
    Place({{22, HUMAN, 2}, {24, HUMAN, 3}, {3, COMPUTER, 15}});
    board.CurrentPlayer = HUMAN;
    ASSERT_TRUE(rules.AllHome());
    EXPECT_FALSE(rules.IsLegalMove(24, 6));
    EXPECT_TRUE(rules.IsLegalMove(22, 6));
    EXPECT_TRUE(rules.IsLegalMove(24, 1));
    EXPECT_TRUE(rules.IsLegalMove(22, 3));
    EXPECT_FALSE(rules.IsLegalMove(21, 6)); // nothing there

    // Not all home: no bearing off, not even with the exact die.
    Place({{22, HUMAN, 2}, {18, HUMAN, 1}, {3, COMPUTER, 15}});
    EXPECT_FALSE(rules.AllHome());
    EXPECT_FALSE(rules.IsLegalMove(22, 3));
    EXPECT_TRUE(rules.IsLegalMove(22, 2));

    // The computer bearing off from 3: a 5 only with 4..6 empty, a 3 always.
    board.CurrentPlayer = COMPUTER;
    Place({{3, COMPUTER, 2}, {1, COMPUTER, 4}, {20, HUMAN, 15}});
    ASSERT_TRUE(rules.AllHome());
    EXPECT_TRUE(rules.IsLegalMove(3, 5));
    EXPECT_TRUE(rules.IsLegalMove(3, 3));
    Place({{3, COMPUTER, 2}, {5, COMPUTER, 1}, {20, HUMAN, 15}});
    EXPECT_FALSE(rules.IsLegalMove(3, 5));
    EXPECT_TRUE(rules.IsLegalMove(3, 3));
    EXPECT_TRUE(rules.IsLegalMove(5, 6));
    Place({{3, COMPUTER, 2}, {7, COMPUTER, 1}, {20, HUMAN, 15}});
    EXPECT_FALSE(rules.IsLegalMove(3, 3));
}

TEST_F(RulesTest, StepsNeverBearOffBackwards)
{
    Place({{20, HUMAN, 15}, {3, COMPUTER, 15}});
    board.CurrentPlayer = HUMAN;
    EXPECT_TRUE(rules.IsLegalStep(20, 5));
    EXPECT_FALSE(rules.IsLegalStep(20, -21));
    board.CurrentPlayer = COMPUTER;
    EXPECT_TRUE(rules.IsLegalStep(3, -3));
    EXPECT_FALSE(rules.IsLegalStep(3, 23));
}

TEST_F(RulesTest, TargetsAndSources)
{
    Place({{1, HUMAN, 2}, {2, HUMAN, 1}, {4, COMPUTER, 1}, {5, COMPUTER, 2}, {6, HUMAN, 3}, {12, COMPUTER, 12}});
    board.CurrentPlayer = HUMAN;
    EXPECT_TRUE(rules.IsLegalMove(1, 3));  // a lone opposing piece is hit
    EXPECT_FALSE(rules.IsLegalMove(1, 4)); // two block
    EXPECT_TRUE(rules.IsLegalMove(1, 5));  // own pieces never matter
    EXPECT_FALSE(rules.IsLegalMove(3, 1)); // empty source
    EXPECT_FALSE(rules.IsLegalMove(4, 1)); // the opponent's piece
    EXPECT_FALSE(rules.IsLegalMove(COMPUTER_BAR, 1));

    // The computer moves downwards.
    board.CurrentPlayer = COMPUTER;
    EXPECT_FALSE(rules.IsLegalMove(12, 6)); // 6 holds three
    EXPECT_TRUE(rules.IsLegalMove(12, 8));  // onto its own blot
    EXPECT_TRUE(rules.IsLegalMove(4, 2));   // hits on 2
    EXPECT_FALSE(rules.IsLegalMove(5, 4));  // 1 holds two
    EXPECT_FALSE(rules.IsLegalMove(1, 1));  // the human's piece
}

TEST_F(RulesTest, BarRule)
{
    Place({{HUMAN_BAR, HUMAN, 1}, {10, HUMAN, 14}, {3, COMPUTER, 2}, {20, COMPUTER, 13}});
    board.CurrentPlayer = HUMAN;
    for (int from = 1; from <= 25; ++from)
        for (int die = 1; die <= 6; ++die) EXPECT_FALSE(rules.IsLegalMove(from, die)) << from << " by " << die;
    EXPECT_FALSE(rules.IsLegalMove(HUMAN_BAR, 3)); // point 3 is made
    EXPECT_TRUE(rules.IsLegalMove(HUMAN_BAR, 4));
    Dice({3, 4});
    EXPECT_EQ(rules.HighestPlayable(0), -1);
    EXPECT_EQ(rules.HighestPlayable(1), HUMAN_BAR);

    // The computer enters on 25 - d.
    Place({{COMPUTER_BAR, COMPUTER, 1}, {10, COMPUTER, 14}, {22, HUMAN, 2}, {5, HUMAN, 13}});
    board.CurrentPlayer = COMPUTER;
    EXPECT_FALSE(rules.IsLegalMove(10, 1));
    EXPECT_FALSE(rules.IsLegalMove(COMPUTER_BAR, 3));
    EXPECT_TRUE(rules.IsLegalMove(COMPUTER_BAR, 4));
    Dice({4});
    EXPECT_EQ(rules.HighestPlayable(0), COMPUTER_BAR);
}

TEST_F(RulesTest, UpdateRace)
{
    EXPECT_FALSE(rules.UpdateRace()); // the standard setup

    Place({{20, HUMAN, 15}, {6, COMPUTER, 15}});
    EXPECT_TRUE(rules.race);

    // A human piece on the bar means contact, unless the computer has borne off all.
    Place({{HUMAN_BAR, HUMAN, 1}, {20, HUMAN, 14}, {6, COMPUTER, 14}});
    EXPECT_FALSE(rules.race);
    Place({{HUMAN_BAR, HUMAN, 1}, {20, HUMAN, 14}});
    EXPECT_TRUE(rules.race);

    // A computer piece behind a human piece.
    Place({{20, HUMAN, 14}, {5, HUMAN, 1}, {6, COMPUTER, 15}});
    EXPECT_FALSE(rules.race);

    // With every human piece borne off, the computer's tray is counted once.
    Place({{6, COMPUTER, 10}});
    EXPECT_TRUE(rules.race);
}

TEST_F(RulesTest, BothDiceUsable)
{
    // The human's only piece out is on 1; a 5 is blocked (6 is made) but
    // playable from 7 after the 6.
    Place({{1, HUMAN, 1}, {6, COMPUTER, 2}, {24, COMPUTER, 13}});
    board.CurrentPlayer = HUMAN;
    Dice({5, 6});
    const BoardData before = board.Data();
    EXPECT_EQ(rules.HighestPlayable(0), -1);
    EXPECT_TRUE(rules.BothDiceUsable());
    EXPECT_EQ(board.Data(), before);
    Dice({6, 5});
    EXPECT_TRUE(rules.BothDiceUsable());

    // The 5 stays blocked after the 6.
    Place({{1, HUMAN, 1}, {6, COMPUTER, 2}, {12, COMPUTER, 2}, {24, COMPUTER, 11}});
    Dice({5, 6});
    EXPECT_FALSE(rules.BothDiceUsable());

    // Both dice playable now: nothing to enforce.
    board.BuildBoard(true);
    rules.UpdateRace();
    Dice({5, 6});
    EXPECT_FALSE(rules.BothDiceUsable());

    // Never for the computer, even where its 5 plays only after its 6.
    Place({{12, COMPUTER, 1}, {7, HUMAN, 2}, {20, HUMAN, 13}});
    Dice({5, 6});
    board.CurrentPlayer = COMPUTER;
    ASSERT_EQ(rules.HighestPlayable(0), -1);
    EXPECT_FALSE(rules.BothDiceUsable());

    // Never for doubles.
    board.CurrentPlayer = HUMAN;
    Place({{1, HUMAN, 1}, {6, COMPUTER, 2}, {24, COMPUTER, 13}});
    Dice({5, 5, 5, 5});
    EXPECT_FALSE(rules.BothDiceUsable());
}

TEST_F(RulesTest, AutoTarget)
{
    // From F (6) a 3 is blocked, a 5 is open.
    Place({{6, HUMAN, 2}, {1, HUMAN, 2}, {9, COMPUTER, 2}, {24, COMPUTER, 13}});
    board.CurrentPlayer = HUMAN;
    Dice({3, 5});
    intelMoves = true;
    EXPECT_EQ(rules.AutoTarget(6, intelMoves), 11);
    EXPECT_EQ(rules.AutoTarget(1, intelMoves), 255); // both open: the user chooses
    Dice({5, 3});
    EXPECT_EQ(rules.AutoTarget(6, intelMoves), 11);
    intelMoves = false;
    EXPECT_EQ(rules.AutoTarget(6, intelMoves), 255);

    // One die left, or doubles: the destination at once, legal or not.
    Dice({3});
    EXPECT_EQ(rules.AutoTarget(6, intelMoves), 9);
    Dice({2, 2, 2, 2});
    EXPECT_EQ(rules.AutoTarget(1, intelMoves), 3);

    // Neither die plays: the second die's target, which the caller rejects.
    Place({{1, HUMAN, 1}, {4, COMPUTER, 2}, {6, COMPUTER, 2}, {24, COMPUTER, 11}});
    intelMoves = true;
    Dice({3, 5});
    EXPECT_EQ(rules.AutoTarget(1, intelMoves), 6);
}

TEST_F(RulesTest, AutoTargetInTheRace)
{
    board.CurrentPlayer = HUMAN;
    intelMoves = false;
    // Bearing off is filled in when legal.
    Place({{23, HUMAN, 2}, {24, HUMAN, 1}, {3, COMPUTER, 15}});
    ASSERT_TRUE(rules.race);
    Dice({1, 3});
    EXPECT_EQ(rules.AutoTarget(23, intelMoves), 26);
    Dice({3, 5});
    Place({{22, HUMAN, 1}, {23, HUMAN, 1}, {3, COMPUTER, 15}});
    EXPECT_EQ(rules.AutoTarget(22, intelMoves), 25);

    // A piece on 20 behind: 23 cannot bear off with the 3, so it is not offered.
    Place({{20, HUMAN, 1}, {23, HUMAN, 1}, {3, COMPUTER, 15}});
    Dice({1, 3});
    EXPECT_EQ(rules.AutoTarget(23, intelMoves), 255);
    intelMoves = true;
    EXPECT_EQ(rules.AutoTarget(23, intelMoves), 24); // the 1 is the only die that plays
    EXPECT_EQ(rules.AutoTarget(20, intelMoves), 255);
}

TEST_F(RulesTest, BearOffDie)
{
    Dice({3, 5});
    EXPECT_EQ(rules.BearOffDie(22), 3);
    Dice({5, 3});
    EXPECT_EQ(rules.BearOffDie(22), 3);
    Dice({5, 6});
    EXPECT_EQ(rules.BearOffDie(23), 6);
    Dice({6, 5});
    EXPECT_EQ(rules.BearOffDie(23), 5);
    Dice({2, 3});
    EXPECT_EQ(rules.BearOffDie(19), -1);
    // Only the die values still to be played count.
    Dice({1, 6});
    dice.moves = 1;
    EXPECT_EQ(rules.BearOffDie(23), -1);
}

TEST_F(RulesTest, HighestPlayableAndCannotMove)
{
    board.CurrentPlayer = HUMAN;
    Dice({6, 5});
    EXPECT_EQ(rules.HighestPlayable(0), 17);
    EXPECT_EQ(rules.HighestPlayable(1), 17);
    EXPECT_EQ(rules.HighestPlayable(2), -1); // no die in that slot
    EXPECT_FALSE(rules.CannotMove());
    board.CurrentPlayer = COMPUTER;
    EXPECT_EQ(rules.HighestPlayable(0), 24);
    EXPECT_EQ(rules.HighestPlayable(1), 13);

    dice.moves = 0;
    EXPECT_TRUE(rules.CannotMove());

    // Closed out on the bar.
    Place({{HUMAN_BAR, HUMAN, 1},
           {19, HUMAN, 14},
           {1, COMPUTER, 2},
           {2, COMPUTER, 2},
           {3, COMPUTER, 2},
           {4, COMPUTER, 2},
           {5, COMPUTER, 2},
           {6, COMPUTER, 2},
           {8, COMPUTER, 3}});
    board.CurrentPlayer = HUMAN;
    Dice({4, 2});
    EXPECT_TRUE(rules.CannotMove());
    EXPECT_EQ(rules.HighestPlayable(0), -1);
    board.CurrentPlayer = COMPUTER;
    EXPECT_FALSE(rules.CannotMove());
}

TEST_F(RulesTest, GammonRisk)
{
    EXPECT_TRUE(rules.GammonRisk()); // the standard setup: pieces on 1, contact

    Place({{20, HUMAN, 15}, {3, COMPUTER, 15}});
    EXPECT_FALSE(rules.GammonRisk());

    // Quarter lead of more than 9 with nothing borne off.
    Place({{15, HUMAN, 10}, {20, HUMAN, 5}, {3, COMPUTER, 15}});
    ASSERT_EQ(QuarterCount(board, HUMAN) - QuarterCount(board, COMPUTER), 10);
    EXPECT_TRUE(rules.GammonRisk());
    Place({{15, HUMAN, 9}, {20, HUMAN, 6}, {3, COMPUTER, 15}});
    EXPECT_FALSE(rules.GammonRisk());
    Place({{15, HUMAN, 14}, {3, COMPUTER, 15}});
    EXPECT_FALSE(rules.GammonRisk()); // one borne off

    // In the computer's home board: only with contact.
    Place({{5, HUMAN, 13}, {2, COMPUTER, 15}});
    ASSERT_TRUE(rules.race);
    EXPECT_FALSE(rules.GammonRisk()); // two borne off, race
    Place({{5, HUMAN, 13}, {2, COMPUTER, 14}, {7, COMPUTER, 1}});
    EXPECT_TRUE(rules.GammonRisk());
}
