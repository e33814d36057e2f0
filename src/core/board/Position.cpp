// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/board/Position.h"

#include "core/board/Board.h"

Position::Position(Board* owningBoard, int location, int startOwner)
    : index(static_cast<std::int8_t>(location)), owner(startOwner), board(owningBoard)
{
}

int Position::Mover() const { return board != nullptr ? board->CurrentPlayer : NOBODY; }

bool Position::HitTest(int px, int py) const { return rect.Contains(px, py); }

void Position::MoveTo(int target) { PlainMoveTo(target); }

// Takes one piece off, hits a lone opposing piece on a target point (it goes
// to its bar first), then sets the piece down; an empty location moves nothing.
void Position::PlainMoveTo(int target)
{
    if (count <= 0) return;
    count = static_cast<std::int8_t>(count - 1);
    if (count == 0 && index != HUMAN_BAR && index != COMPUTER_BAR) owner = NOBODY;
    const int mover = Mover();
    Position& dest = (*board)[target];
    if (Hits(dest.Data(), target, mover)) dest.PlainMoveTo(mover == HUMAN ? COMPUTER_BAR : HUMAN_BAR);
    dest.count = static_cast<std::int8_t>(dest.count + 1);
    if (dest.owner == NOBODY) dest.owner = mover;
}

void Position::RemovePiece()
{
    if (count <= 0) return;
    count = static_cast<std::int8_t>(count - 1);
    if (count == 0 && index != HUMAN_BAR && index != COMPUTER_BAR && index != COMPUTER_TRAY && index != HUMAN_TRAY)
        owner = NOBODY;
}

void Position::AddPiece()
{
    if (count >= PIECES_PER_SIDE) return;
    count = static_cast<std::int8_t>(count + 1);
    if (owner == NOBODY) owner = Mover();
}

void Position::SetRecord(const PositionRecord& r)
{
    x = r.x;
    y = r.y;
    index = r.index;
    count = r.count;
    owner = r.owner;
    board = r.board;
    rect = r.rect;
}
