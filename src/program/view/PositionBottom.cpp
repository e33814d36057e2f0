// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/PositionBottom.h"

#include <algorithm>

#include "core/board/Board.h"

void PositionBottom::Layout()
{
    const Metrics& m = Sizes();
    const int s = m.Unit;
    const int left = (*board)[25 - index].x;
    const int base = m.WindowHeight - 5 * s;
    const int tip = base - 5 * m.PieceSize - m.PieceSize / 2;
    rect = {left, tip, left + 2 * s, base};
    x = left;
    y = base;
    const Point corners[3] = {{left, base}, {left + s, tip}, {left + 2 * s, base}};
    DrawTriangle(corners);
    view.Screen().Line(left + s, tip, left + 2 * s, base, RGB(0, 0, 0));
    view.Screen().Line(left + 2 * s, base, left, base, RGB(0, 0, 0));
    DrawLetter(markColour);
}

int PositionBottom::PieceY(int k) const { return y - std::min(k, 5) * Sizes().PieceSize; }
