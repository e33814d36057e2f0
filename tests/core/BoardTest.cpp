// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/board/Board.h"

namespace {

// A board built in the starting position, the human to move.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        board.CurrentPlayer = HUMAN;
        board.BuildBoard(true);
    }

    // Gives every location distinct geometry so that moved records can be told apart.
    void SetGeometry()
    {
        for (int i = 0; i < LOCATIONS; ++i) {
            board[i].x = 100 + i;
            board[i].y = 200 + 2 * i;
            board[i].rect = Rect{i, 300 + i, 400 + i, 500 + i};
        }
    }

    int savedPlayer = NOBODY;
    BoardData savedTable{};
    Board board;
};

// A location that writes what happens to it into a shared log.
class LoggingPosition : public Position {
public:
    LoggingPosition(Board* b, int location, int startOwner, std::vector<std::string>* events)
        : Position(b, location, startOwner), log(events)
    {
        log->push_back("new " + std::to_string(location) + " owner " + std::to_string(startOwner));
    }
    void Layout() override { log->push_back("layout " + std::to_string(index)); }
    void AddPiece() override
    {
        log->push_back("add " + std::to_string(index));
        Position::AddPiece();
    }

private:
    std::vector<std::string>* log;
};

} // namespace

TEST_F(BoardTest, StandardSetupAfterBuild)
{
    const int counts[LOCATIONS] = {0, 2, 0, 0, 0, 0, 5, 0, 3, 0, 0, 0, 5, 5, 0, 0, 0, 3, 0, 5, 0, 0, 0, 0, 2, 0, 0, 0};
    const int owners[LOCATIONS] = {2, 2, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 2, 1, 0, 0, 0, 2, 0, 2, 0, 0, 0, 0, 1, 1, 1, 2};
    for (int i = 0; i < LOCATIONS; ++i) {
        EXPECT_EQ(board[i].index, i);
        EXPECT_EQ(board[i].count, counts[i]) << "location " << i;
        EXPECT_EQ(board[i].owner, owners[i]) << "location " << i;
    }
    EXPECT_TRUE(IsValid(board.Data()));
    EXPECT_EQ(PipCount(board, COMPUTER), 167);
    EXPECT_EQ(PipCount(board, HUMAN), 167);
    EXPECT_EQ(QuarterCount(board, COMPUTER), 34);
    EXPECT_EQ(QuarterCount(board, HUMAN), 34);
    EXPECT_EQ(PiecesInRange(1, 6, board, COMPUTER), 5);

    // The reset table itself leaves the bars and trays at owner 0.
    EXPECT_EQ(board.BoardTable, StandardSetup());
    EXPECT_EQ(board.BoardTable[HUMAN_BAR].owner, NOBODY);
}

TEST_F(BoardTest, BuildOrderLaysOutBeforePieces)
{
    std::vector<std::string> log;
    board.SetFactory([&log](Board& b, int index, int owner) -> std::unique_ptr<Position> {
        return std::make_unique<LoggingPosition>(&b, index, owner, &log);
    });
    board.BoardTable = StandardSetup();
    board.BoardTable[COMPUTER_BAR].count = 1;
    board.BoardTable[24].count = 1;
    board.BuildBoard(false);

    std::vector<std::string> expected;
    auto location = [&expected](int i, int owner, int pieces) {
        expected.push_back("new " + std::to_string(i) + " owner " + std::to_string(owner));
        expected.push_back("layout " + std::to_string(i));
        for (int k = 0; k < pieces; ++k) expected.push_back("add " + std::to_string(i));
    };
    for (int i = 1; i <= 24; ++i) location(i, board.BoardTable[i].owner, board.BoardTable[i].count);
    location(HUMAN_BAR, HUMAN, 0);
    location(COMPUTER_BAR, COMPUTER, 1);
    location(COMPUTER_TRAY, COMPUTER, 0);
    location(HUMAN_TRAY, HUMAN, 0);
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(IsValid(board.Data()));

    // A point left empty by the table starts unowned even if the entry names an owner.
    log.clear();
    board.BoardTable[24].count = 0;
    board.BoardTable[23] = Spot{1, COMPUTER};
    board.BoardTable[5] = Spot{0, HUMAN};
    board.BuildBoard(false);
    EXPECT_EQ(board[5].owner, NOBODY);
    EXPECT_EQ(board[24].owner, NOBODY);
    EXPECT_EQ(board[23].Data(), (Spot{1, COMPUTER}));
}

TEST_F(BoardTest, CaptureAndRebuild)
{
    board[1].PlainMoveTo(4);
    board[COMPUTER_TRAY].AddPiece();
    board[6].RemovePiece();
    board.CaptureBoard();
    EXPECT_EQ(board.BoardTable, board.Data());
    EXPECT_EQ(board.BoardTable[4], (Spot{1, HUMAN}));
    EXPECT_EQ(board.BoardTable[HUMAN_BAR], (Spot{0, HUMAN}));

    const BoardData captured = board.BoardTable;
    Board other;
    other.BoardTable = captured;
    other.BuildBoard(false);
    EXPECT_EQ(other.Data(), captured);
    EXPECT_EQ(FromImage(ToImage(board.BoardTable)), captured);
}

TEST_F(BoardTest, PlainMoveToHits)
{
    // A computer blot on point 3; the human moves onto it from point 1.
    board[6].RemovePiece();
    board.CurrentPlayer = COMPUTER;
    board[3].AddPiece();
    board.CurrentPlayer = HUMAN;
    board[1].PlainMoveTo(3);
    EXPECT_EQ(board[3].Data(), (Spot{1, HUMAN}));
    EXPECT_EQ(board[COMPUTER_BAR].Data(), (Spot{1, COMPUTER}));
    EXPECT_EQ(board[1].Data(), (Spot{1, HUMAN}));
    EXPECT_TRUE(IsValid(board.Data()));

    // The computer enters onto the human blot (through the virtual MoveTo):
    // the human's piece goes to location 0, the emptied bar stays the computer's.
    board.CurrentPlayer = COMPUTER;
    board[COMPUTER_BAR].MoveTo(3);
    EXPECT_EQ(board[3].Data(), (Spot{1, COMPUTER}));
    EXPECT_EQ(board[HUMAN_BAR].Data(), (Spot{1, HUMAN}));
    EXPECT_EQ(board[COMPUTER_BAR].Data(), (Spot{0, COMPUTER}));

    // The plain data move does the same.
    board.CurrentPlayer = HUMAN;
    BoardData data = board.Data();
    MoveTo(data, HUMAN_BAR, 3, HUMAN);
    EXPECT_EQ(data[3], (Spot{1, HUMAN}));
    EXPECT_EQ(data[COMPUTER_BAR], (Spot{1, COMPUTER}));
}

TEST_F(BoardTest, EmptiedLocationsAndAddPiece)
{
    board[1].PlainMoveTo(2);
    board[1].RemovePiece();
    EXPECT_EQ(board[1].Data(), (Spot{0, NOBODY}));
    board[1].RemovePiece(); // nothing left to remove
    EXPECT_EQ(board[1].Data(), (Spot{0, NOBODY}));

    // Bars and trays keep their owners when emptied.
    board[HUMAN_BAR].AddPiece();
    board[HUMAN_BAR].RemovePiece();
    EXPECT_EQ(board[HUMAN_BAR].Data(), (Spot{0, HUMAN}));
    board[COMPUTER_TRAY].AddPiece();
    board[COMPUTER_TRAY].RemovePiece();
    EXPECT_EQ(board[COMPUTER_TRAY].Data(), (Spot{0, COMPUTER}));

    // An empty point takes CurrentPlayer; no location goes above 15.
    board.CurrentPlayer = COMPUTER;
    for (int k = 0; k < 20; ++k) board[9].AddPiece();
    EXPECT_EQ(board[9].Data(), (Spot{15, COMPUTER}));
    board.CurrentPlayer = HUMAN;
    board[8].AddPiece();
    EXPECT_EQ(board[8].Data(), (Spot{4, COMPUTER}));
}

TEST_F(BoardTest, MirrorMovesDataAndGeometry)
{
    SetGeometry();
    board[6].RemovePiece();
    board[HUMAN_BAR].AddPiece();
    board[1].RemovePiece();
    board[COMPUTER_TRAY].AddPiece();
    ASSERT_TRUE(IsValid(board.Data()));
    const BoardSnapshot original = SnapshotBoard(board);
    const BoardData data = board.Data();

    MirrorBoard(board);
    EXPECT_EQ(board[19].Data(), (Spot{4, HUMAN}));
    EXPECT_EQ(board[19].x, 106);
    EXPECT_EQ(board[19].rect, (Rect{6, 306, 406, 506}));
    EXPECT_EQ(board[COMPUTER_BAR].Data(), (Spot{1, COMPUTER}));
    EXPECT_EQ(board[COMPUTER_BAR].y, 200);
    EXPECT_EQ(board[HUMAN_BAR].Data(), (Spot{0, HUMAN}));
    EXPECT_EQ(board[HUMAN_TRAY].Data(), (Spot{1, HUMAN}));
    EXPECT_EQ(board[COMPUTER_TRAY].Data(), (Spot{0, COMPUTER}));
    EXPECT_EQ(board[HUMAN_TRAY].x, 100 + COMPUTER_TRAY);
    EXPECT_EQ(board.Data(), Mirrored(data));
    EXPECT_TRUE(IsValid(board.Data()));

    MirrorBoard(board);
    EXPECT_EQ(SnapshotBoard(board), original);
}

TEST_F(BoardTest, SnapshotRestoreAndRefill)
{
    SetGeometry();
    const BoardSnapshot snap = SnapshotBoard(board);
    EXPECT_EQ(snap[12].count, 5);
    EXPECT_EQ(snap[12].board, &board);

    board[12].PlainMoveTo(14);
    board[1].PlainMoveTo(2);
    board[3].x = -1;
    RestoreBoard(snap, board);
    EXPECT_EQ(SnapshotBoard(board), snap);

    // Refill from a table: bars and trays keep their owners, empty points have none.
    BoardData data = StandardSetup();
    data[7] = Spot{0, COMPUTER};
    board.Refill(data);
    EXPECT_EQ(board.Data(), WithFixedOwners(StandardSetup()));
    EXPECT_EQ(board[5].x, 105); // nothing rebuilt

    // SetData (search and look-ahead) never takes the fixed owners away.
    board.SetData(StandardSetup());
    EXPECT_EQ(board[COMPUTER_BAR].owner, COMPUTER);
    EXPECT_EQ(board[HUMAN_TRAY].owner, HUMAN);
}
