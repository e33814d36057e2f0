// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/BarHuman.h"

#include <cstdlib>

#include "core/board/Board.h"

bool BarHuman::HitTest(int px, int py) const
{
    const Rect upper{rect.left, rect.top, rect.right, rect.bottom / 2};
    return upper.Contains(px, py);
}

// The strip runs from the top edge of point 12 to the base of point 16, half
// way between the columns of points 1 and 12.
void BarHuman::Layout()
{
    const Position& point1 = (*board)[1];
    const Position& point12 = (*board)[12];
    const Position& point16 = (*board)[16];
    const int s = Sizes().Unit;
    const int left = std::abs(point12.x - point1.x) >> 1;
    x = left;
    y = point12.y + s;
    rect = {left, point12.y, left + 2 * s, point16.y};
    Surface& screen = view.Screen();
    screen.FillRect(rect, view.SchemeColour()[COLOUR_BAR]);
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    screen.Line(rect.left, bottom, rect.left, rect.top, RGB(255, 255, 255));
    screen.Line(rect.left, rect.top, right, rect.top, RGB(255, 255, 255));
    screen.Line(right, rect.top, right, bottom, RGB(0, 0, 0));
    screen.Line(right, bottom, rect.left, bottom, RGB(0, 0, 0));
}
