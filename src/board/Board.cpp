#include "board/Board.h"

namespace {

std::unique_ptr<Position> PlainLocation(Board& board, int index, int owner)
{
    return std::make_unique<Position>(&board, index, owner);
}

} // namespace

Board::Board(LocationFactory factory) : factory_(factory ? std::move(factory) : LocationFactory(PlainLocation)) {}

Board::~Board() { Destroy(); }

void Board::SetFactory(LocationFactory factory) { factory_ = factory ? std::move(factory) : LocationFactory(PlainLocation); }

BoardData Board::Data() const
{
    BoardData data{};
    for (int i = 0; i < LOCATIONS; ++i)
        if (at[i]) data[i] = at[i]->Data();
    return data;
}

void Board::SetData(const BoardData& data)
{
    for (int i = 0; i < LOCATIONS; ++i) {
        if (!at[i]) continue;
        at[i]->count = data[i].count;
        at[i]->owner = data[i].owner;
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
    auto build = [this](int i, int owner) {
        at[i] = factory_(*this, i, owner);
        at[i]->Layout();
        const int wanted = BoardTable[i].count < 0 ? 0 : BoardTable[i].count > PIECES_PER_SIDE ? PIECES_PER_SIDE
                                                                                               : BoardTable[i].count;
        while (at[i]->count < wanted) at[i]->AddPiece();
    };
    for (int i = 1; i <= 24; ++i) build(i, BoardTable[i].owner);
    build(HUMAN_BAR, HUMAN);
    build(COMPUTER_BAR, COMPUTER);
    build(COMPUTER_TRAY, COMPUTER);
    build(HUMAN_TRAY, HUMAN);
}

void Board::CaptureBoard() const
{
    for (int i = 0; i < LOCATIONS; ++i)
        if (at[i]) BoardTable[i] = at[i]->Data();
}

void Board::Refill(const BoardData& data)
{
    for (int i = 0; i < LOCATIONS; ++i) {
        Position& p = *at[i];
        while (p.count > 0) p.RemovePiece();
        int fixed = FixedOwner(i);
        p.owner = fixed != NOBODY ? fixed : data[i].owner;
        const int wanted = data[i].count < 0 ? 0 : data[i].count > PIECES_PER_SIDE ? PIECES_PER_SIDE : data[i].count;
        while (p.count < wanted) p.AddPiece();
    }
}

void ResetBoardTable() { BoardTable = StandardSetup(); }

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

int PiecesInRange(int first, int last, const Board& board, int p) { return PiecesInRange(first, last, board.Data(), p); }
int PipCount(const Board& board, int p) { return PipCount(board.Data(), p); }
int QuarterCount(const Board& board, int p) { return QuarterCount(board.Data(), p); }
