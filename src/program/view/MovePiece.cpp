// SPDX-License-Identifier: GPL-3.0-or-later
// The animated move of a piece from a point or a bar onto another location.

#include "core/board/Board.h"
#include "program/view/PositionTop.h"

void PositionTop::MoveTo(int target) { MovePiece(target); }

// The piece is lifted off its stack, travels sideways to the target's column
// (raised with its shadow when it is about to hit), knocks a lone opposing
// piece to its bar, drops into the column and settles down onto the stack.
// Every frame restores the cell under the piece before drawing it anew, so
// the board is never repainted while a piece moves.
void PositionTop::MovePiece(int target)
{
    if (target < 0 || target >= LOCATIONS || count <= 0) return;
    Position& dest = (*board)[target];
    // A lone opposing piece on a target point is hit (a piece set back onto
    // its own location hits nothing).
    const bool hits = target != index && Hits(dest.Data(), target, Mover());
    const int bar = Mover() == HUMAN ? COMPUTER_BAR : HUMAN_BAR;
    PieceImage* piece = count < static_cast<int>(pieces.size()) ? pieces[count].get() : nullptr;
    if (!piece) {
        // No image to move: the same data change without animation.
        if (hits) dest.MoveTo(bar);
        RemovePiece();
        dest.AddPiece();
        return;
    }

    const Metrics& m = Sizes();
    const int step = m.PieceSize * 3 / 5;
    // A piece that goes to a bar has been hit.
    if ((target == HUMAN_BAR || target == COMPUTER_BAR) && !view.UndoInProgressNow()) {
        view.PlayHitOrMove(SOUND_HIT);
        piece->ShakePiece(index);
    }

    // Lift until the piece has left this location.
    const int lift = index < 13 ? step : -step;
    int frames = 0;
    do {
        piece->ErasePiece();
        piece->y += lift;
        if (hits)
            piece->DrawPiece(false, true);
        else
            piece->DrawPiece(true, false);
        view.Delay();
    } while (HitTest(piece->x, piece->y) && ++frames < ANIMATION_FRAME_LIMIT);

    // Travel, unless the target lies in the same column.
    const bool sameColumn = target == 25 - index;
    const bool cornerToTray = (index == 1 || index == 24) && (target == COMPUTER_TRAY || target == HUMAN_TRAY);
    if (!sameColumn && !cornerToTray) {
        const bool right = dest.x > piece->x;
        const int across = right ? step : -step;
        bool arrived = false;
        frames = 0;
        do {
            piece->ErasePiece();
            piece->x += across;
            arrived = right ? piece->x >= dest.x : piece->x - m.Unit <= dest.x;
            if (arrived && hits)
                piece->DrawPiece(false, true);
            else
                piece->DrawPiece(true, false);
            view.Delay();
        } while (!arrived && ++frames < ANIMATION_FRAME_LIMIT);
    }

    if (hits) {
        view.CountHit();
        dest.MoveTo(bar);
    }

    // Drop into the target's column.
    piece->ErasePiece();
    piece->x = dest.x + m.PieceSize * 2 / 5;
    piece->DrawPiece(true, false);

    // Settle until the next step would reach the top of the target's stack.
    if (target != COMPUTER_TRAY && target != HUMAN_TRAY) {
        const int reach = (dest.count + 1) * m.Unit;
        const int down = dest.y > piece->y ? step : -step;
        bool stop = false;
        frames = 0;
        do {
            piece->ErasePiece();
            piece->y += down;
            piece->SaveBackground();
            piece->FillDisc();
            view.Delay();
            const int next = piece->y + down;
            stop = down < 0 ? next <= dest.y + reach : next >= dest.y - reach;
        } while (!stop && ++frames < ANIMATION_FRAME_LIMIT);
    }

    view.PlayHitOrMove(SOUND_MOVE);
    RemovePiece();
    dest.AddPiece();
}
