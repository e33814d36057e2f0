// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/board/Board.h"

namespace {

// A board with every location holding its counts; owners as given.
BoardData Data(std::initializer_list<std::tuple<int, int, int>> spots)
{
    BoardData b{};
    for (auto [location, owner, count] : spots) b[location] = Spot{static_cast<std::int8_t>(count), owner};
    return b;
}

} // namespace

TEST(BoardData, StandardSetupCounts)
{
    const BoardData b = StandardSetup();
    EXPECT_FALSE(IsValid(b)); // the table leaves bars and trays unowned
    EXPECT_TRUE(IsValid(WithFixedOwners(b)));
    EXPECT_EQ(PipCount(b, COMPUTER), 167);
    EXPECT_EQ(PipCount(b, HUMAN), 167);
    EXPECT_EQ(QuarterCount(b, COMPUTER), 34);
    EXPECT_EQ(QuarterCount(b, HUMAN), 34);
    EXPECT_EQ(PiecesInRange(1, 12, b, HUMAN), 7);
    EXPECT_EQ(PiecesInRange(13, 24, b, COMPUTER), 7);
    EXPECT_EQ(PiecesInRange(12, 1, b, HUMAN), 0);
}

TEST(BoardData, CountsWeighBarsAndTrays)
{
    // A piece on its own bar counts 25 pips and quarter 5; borne-off pieces count nothing.
    BoardData b = Data({{HUMAN_BAR, HUMAN, 1},
                        {19, HUMAN, 4},
                        {HUMAN_TRAY, HUMAN, 10},
                        {COMPUTER_BAR, COMPUTER, 2},
                        {7, COMPUTER, 1},
                        {COMPUTER_TRAY, COMPUTER, 12}});
    ASSERT_TRUE(IsValid(b));
    EXPECT_EQ(PipCount(b, HUMAN), 25 + 4 * 6);
    EXPECT_EQ(PipCount(b, COMPUTER), 2 * 25 + 7);
    EXPECT_EQ(QuarterCount(b, HUMAN), 5 + 4);
    EXPECT_EQ(QuarterCount(b, COMPUTER), 2 * 5 + 2);
    EXPECT_EQ(PiecesInRange(0, 6, b, HUMAN), 1);
}

TEST(BoardData, ImageLayoutAndRoundTrip)
{
    BoardData b = WithFixedOwners(StandardSetup());
    b[3] = Spot{7, 0x04030201}; // not a player id: shows the byte order
    const BoardImage image = ToImage(b);
    ASSERT_EQ(image.size(), 224u);

    auto entry = [&image](int i) { return std::vector<int>(image.begin() + i * 8, image.begin() + i * 8 + 8); };
    EXPECT_EQ(entry(6), (std::vector<int>{5, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(entry(1), (std::vector<int>{2, 0, 0, 0, 2, 0, 0, 0}));
    EXPECT_EQ(entry(3), (std::vector<int>{7, 0, 0, 0, 1, 2, 3, 4}));
    EXPECT_EQ(entry(2), (std::vector<int>(8, 0)));
    EXPECT_EQ(entry(COMPUTER_BAR), (std::vector<int>{0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(entry(HUMAN_TRAY), (std::vector<int>{0, 0, 0, 0, 2, 0, 0, 0}));

    EXPECT_EQ(FromImage(image), b);
    EXPECT_EQ(FromImage(ToImage(StandardSetup())), StandardSetup());
}

TEST(BoardData, MoveToHitsLonePiecesOnly)
{
    // The human hits: the computer's piece goes to location 25.
    BoardData b = WithFixedOwners(StandardSetup());
    b[6].count = 4;
    b[3] = Spot{1, COMPUTER};
    MoveTo(b, 1, 3, HUMAN);
    EXPECT_EQ(b[1], (Spot{1, HUMAN}));
    EXPECT_EQ(b[3], (Spot{1, HUMAN}));
    EXPECT_EQ(b[COMPUTER_BAR], (Spot{1, COMPUTER}));
    EXPECT_TRUE(IsValid(b));

    // The computer hits back from its bar: the human's piece goes to location 0.
    MoveTo(b, COMPUTER_BAR, 3, COMPUTER);
    EXPECT_EQ(b[3], (Spot{1, COMPUTER}));
    EXPECT_EQ(b[HUMAN_BAR], (Spot{1, HUMAN}));
    EXPECT_EQ(b[COMPUTER_BAR], (Spot{0, COMPUTER})); // an emptied bar keeps its owner
    EXPECT_TRUE(IsValid(b));

    // Two pieces are never hit, and the last piece leaving a point frees it.
    BoardData before = b;
    MoveTo(b, 1, 6, HUMAN);
    EXPECT_EQ(b[6], (Spot{5, COMPUTER}));
    EXPECT_EQ(b[1], (Spot{0, NOBODY}));
    b = before;

    // An empty source moves nothing.
    MoveTo(b, 2, 4, HUMAN);
    EXPECT_EQ(b, before);
}

TEST(BoardData, MirroredExchangesSides)
{
    BoardData b = WithFixedOwners(StandardSetup());
    b[6].count = 4;
    b[COMPUTER_TRAY].count = 1;
    b[1].count = 1;
    b[HUMAN_BAR].count = 1;
    ASSERT_TRUE(IsValid(b));
    const BoardData m = Mirrored(b);
    EXPECT_EQ(m[19], (Spot{4, HUMAN}));
    EXPECT_EQ(m[24], (Spot{1, COMPUTER}));
    EXPECT_EQ(m[COMPUTER_BAR], (Spot{1, COMPUTER}));
    EXPECT_EQ(m[HUMAN_TRAY], (Spot{1, HUMAN}));
    EXPECT_EQ(m[2], (Spot{0, NOBODY}));
    EXPECT_TRUE(IsValid(m));
    EXPECT_EQ(Mirrored(m), b);
}

TEST(BoardData, IsValidAndFixedOwners)
{
    const BoardData good = WithFixedOwners(StandardSetup());
    ASSERT_TRUE(IsValid(good));
    EXPECT_EQ(good[HUMAN_BAR].owner, HUMAN);
    EXPECT_EQ(good[COMPUTER_BAR].owner, COMPUTER);
    EXPECT_EQ(good[COMPUTER_TRAY].owner, COMPUTER);
    EXPECT_EQ(good[HUMAN_TRAY].owner, HUMAN);
    EXPECT_EQ(good[6], StandardSetup()[6]); // points are left alone

    BoardData b = good;
    b[2].owner = COMPUTER; // an empty point with an owner
    EXPECT_FALSE(IsValid(b));
    b = good;
    b[2].count = 1; // a piece without an owner, and 16 in all
    EXPECT_FALSE(IsValid(b));
    b = good;
    b[1].count = 1; // 14 pieces
    EXPECT_FALSE(IsValid(b));
    b = good;
    b[COMPUTER_BAR].owner = HUMAN;
    EXPECT_FALSE(IsValid(b));
    b = good;
    b[6].owner = 3;
    EXPECT_FALSE(IsValid(b));
    b = Data({{1, HUMAN, 15}, {2, COMPUTER, 16}});
    EXPECT_FALSE(IsValid(WithFixedOwners(b)));
    b = Data({{1, HUMAN, 15}, {COMPUTER_TRAY, COMPUTER, 15}});
    EXPECT_TRUE(IsValid(WithFixedOwners(b)));
}

// A finished game counts 3 while the loser still has pieces on its bar or in
// the winner's home board, 2 while it has borne off none, else 1.
TEST(BoardData, GameValueSingleGammonBackgammon)
{
    BoardData b = WithFixedOwners(BoardData{});
    b[COMPUTER_TRAY].count = PIECES_PER_SIDE;
    b[HUMAN_TRAY].count = 3;
    b[20] = {12, HUMAN};
    EXPECT_EQ(GameValue(b), 1);
    b[HUMAN_TRAY].count = 0;
    b[20].count = PIECES_PER_SIDE;
    EXPECT_EQ(GameValue(b), 2);
    b[20].count = 14;
    b[6] = {1, HUMAN};
    EXPECT_EQ(GameValue(b), 3) << "a piece in the winner's home board";
    b[6] = {};
    b[HUMAN_BAR].count = 1;
    EXPECT_EQ(GameValue(b), 3) << "a piece on the bar";
    // The same for the human's win.
    EXPECT_EQ(GameValue(Mirrored(b)), 3);
    b[HUMAN_BAR].count = 0;
    b[19].count = 1;
    EXPECT_EQ(GameValue(Mirrored(b)), 2);
}
