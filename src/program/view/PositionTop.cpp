// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/view/PositionTop.h"

#include <algorithm>
#include <string>

#include "core/board/Board.h"

int PointColumnX(int point, const Metrics& m, bool clockWise)
{
    const int col = m.WindowWidth / 17;
    if (clockWise) return col * (point - 1) + (point > 6 ? 3 * m.Unit : 0);
    return col * (12 - point) + (point < 7 ? 3 * m.Unit : 0);
}

PositionTop::PositionTop(Board* owningBoard, int location, int startOwner, ViewHost& host)
    : Position(owningBoard, location, startOwner), view(host)
{
}

PositionTop::~PositionTop()
{
    while (count > 0) PositionTop::RemovePiece();
    // Images left over by data changes made without them go too, top first.
    for (int k = static_cast<int>(pieces.size()) - 1; k >= 1; --k) pieces[k].reset();
}

void PositionTop::RemovePiece()
{
    if (count <= 0) return;
    if (count < static_cast<int>(pieces.size())) pieces[count].reset();
    Position::RemovePiece();
}

void PositionTop::AddPiece()
{
    const int before = count;
    Position::AddPiece();
    if (count == before) return;
    pieces[count].reset();
    pieces[count] = std::make_unique<PieceImage>(view, x + Sizes().PieceSize * 2 / 5, PieceY(count), count, owner);
    pieces[count]->DrawPiece(false, false);
}

int PositionTop::PieceY(int k) const { return y + (std::min(k, 5) - 1) * Sizes().PieceSize; }

void PositionTop::DrawTriangle(const Point (&corners)[3]) const
{
    const ColourSet& colours = view.SchemeColour();
    Surface& screen = view.Screen();
    screen.FillRect(rect, colours[COLOUR_BACKGROUND]);
    const Colour fill = index % 2 != 0 ? colours[COLOUR_POSITION_A] : colours[COLOUR_POSITION_B];
    screen.Polygon(corners, 3, fill, RGB(255, 255, 255));
}

void PositionTop::Layout()
{
    const Metrics& m = Sizes();
    const int s = m.Unit;
    const int left = PointColumnX(index, m, view.Options().ClockWise != 0);
    const int top = 2 * s;
    const int tip = top + 5 * m.PieceSize + m.PieceSize / 2;
    rect = {left, top, left + 2 * s, tip};
    x = left;
    y = top;
    const Point corners[3] = {{left, top}, {left + s, tip}, {left + 2 * s, top}};
    DrawTriangle(corners);
    view.Screen().Line(left + 2 * s, top, left + s, tip, RGB(0, 0, 0));
    DrawLetter(markColour);
}

// The letter stands above a top-row point and below a bottom-row point.
void PositionTop::DrawLetter(int colourIndex)
{
    markColour = colourIndex;
    const int s = Sizes().Unit;
    const int letterY = index >= 13 ? y + s / 2 : y - s;
    const Colour colour = colourIndex == 1 ? RGB(255, 255, 0) : RGB(0, 0, 0);
    // x + S / 1.4, truncated
    view.Screen().Text(x + s * 5 / 7, letterY, std::string(1, static_cast<char>(64 + index)), colour,
                       view.SchemeColour()[COLOUR_BACKGROUND], true);
}

void PositionTop::DrawPieces()
{
    for (int k = 1; k <= count && k < static_cast<int>(pieces.size()); ++k)
        if (pieces[k]) pieces[k]->DrawPiece(false, false);
}
