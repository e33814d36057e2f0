// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/BarComputer.h"

#include "core/board/Board.h"

void BarComputer::Layout()
{
    const int s = Sizes().Unit;
    const int base = (*board)[24].y;
    x = (*board)[HUMAN_BAR].x;
    y = base - s;
    rect = {x, base - 9 * s, x + 2 * s, base};
}
