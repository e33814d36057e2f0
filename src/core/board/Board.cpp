// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/Board.h"

namespace {

std::unique_ptr<Position> PlainLocation(Board& board, int index, int owner)
{
    return std::make_unique<Position>(&board, index, owner);
}

// The count a location is filled up to from a table entry, held to 0..15.
int WantedCount(const Spot& entry)
{
    return entry.count < 0 ? 0 : entry.count > PIECES_PER_SIDE ? PIECES_PER_SIDE : entry.count;
}

// The owner a location starts with when filled from a table entry: bars and
// trays have theirs, and a point left empty belongs to nobody.
int StartOwner(int location, const Spot& entry)
{
    const int fixed = FixedOwner(location);
    if (fixed != NOBODY) return fixed;
    return WantedCount(entry) == 0 ? NOBODY : entry.owner;
}

} // namespace

Board::Board(LocationFactory factory) : factory_(factory ? std::move(factory) : LocationFactory(PlainLocation)) {}

Board::~Board() { Destroy(); }

void Board::SetFactory(LocationFactory factory)
{
    factory_ = factory ? std::move(factory) : LocationFactory(PlainLocation);
}

BoardData Board::Data() const
{
    BoardData data{};
    for (int i = 0; i < LOCATIONS; ++i)
        if (at[i]) data[i] = at[i]->Data();
    return data;
}

// Bars and trays keep their fixed owners whatever the data says (a table
// written by ResetBoardTable leaves them unowned).
void Board::SetData(const BoardData& data)
{
    for (int i = 0; i < LOCATIONS; ++i) {
        if (!at[i]) continue;
        at[i]->count = data[i].count;
        const int fixed = FixedOwner(i);
        at[i]->owner = fixed != NOBODY ? fixed : data[i].owner;
    }
}

void Board::Destroy()
{
    // Pieces' images restore what lay under them, so the last built goes first.
    static constexpr int order[LOCATIONS] = {27, 26, 25, 0,  24, 23, 22, 21, 20, 19, 18, 17, 16, 15,
                                             14, 13, 12, 11, 10, 9,  8,  7,  6,  5,  4,  3,  2,  1};
    for (int i : order) at[i].reset();
}

void Board::BuildBoard(bool reset)
{
    Destroy();
    if (reset) ResetBoardTable();
    // The bars and trays take their geometry from the points, so the points
    // come first; each location is laid out before its pieces are added.
    auto build = [this](int i) {
        at[i] = factory_(*this, i, StartOwner(i, BoardTable[i]));
        at[i]->Layout();
        const int wanted = WantedCount(BoardTable[i]);
        while (at[i]->count < wanted) at[i]->AddPiece();
    };
    for (int i = 1; i <= 24; ++i) build(i);
    for (int i : {HUMAN_BAR, COMPUTER_BAR, COMPUTER_TRAY, HUMAN_TRAY}) build(i);
}

void Board::CaptureBoard()
{
    for (int i = 0; i < LOCATIONS; ++i)
        if (at[i]) BoardTable[i] = at[i]->Data();
}

void Board::Refill(const BoardData& data)
{
    for (int i = 0; i < LOCATIONS; ++i) {
        Position& p = *at[i];
        while (p.count > 0) p.RemovePiece();
        p.owner = StartOwner(i, data[i]);
        const int wanted = WantedCount(data[i]);
        while (p.count < wanted) p.AddPiece();
    }
}

void Board::ResetBoardTable() { BoardTable = StandardSetup(); }

BoardSnapshot SnapshotBoard(const Board& board)
{
    BoardSnapshot out{};
    for (int i = 0; i < LOCATIONS; ++i) out[i] = board[i].Record();
    return out;
}

void RestoreBoard(const BoardSnapshot& snapshot, Board& board)
{
    for (int i = 0; i < LOCATIONS; ++i) board[i].SetRecord(snapshot[i]);
}

void MirrorBoard(Board& board)
{
    const BoardSnapshot snap = SnapshotBoard(board);
    for (int i = 0; i < LOCATIONS; ++i) {
        int j = i == HUMAN_TRAY ? COMPUTER_TRAY : i == COMPUTER_TRAY ? HUMAN_TRAY : 25 - i;
        board[j].SetRecord(snap[i]);
        board[j].owner = Opponent(snap[i].owner);
    }
}

int PiecesInRange(int first, int last, const Board& board, int p)
{
    return PiecesInRange(first, last, board.Data(), p);
}
int PipCount(const Board& board, int p) { return PipCount(board.Data(), p); }
int QuarterCount(const Board& board, int p) { return QuarterCount(board.Data(), p); }
