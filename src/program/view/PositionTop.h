// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A point of the upper half of the board (1..12), and the base of every
// location that holds piece images: the points, and both bars.

#include <array>
#include <cstdint>
#include <memory>

#include "core/board/Position.h"
#include "program/platform/Surface.h"
#include "program/view/PieceImage.h"
#include "program/view/ViewHost.h"

class PositionTop : public Position {
public:
    // Draws through `host`, the main window.
    PositionTop(Board* owningBoard, int location, int startOwner, ViewHost& host);
    // Takes every piece off, the top one first, destroying their images.
    ~PositionTop() override;

    // The animated move of the top piece onto Board[target].
    void MoveTo(int target) override;
    void RemovePiece() override;
    void AddPiece() override;
    void Layout() override;
    // The y of the k-th piece: the stack grows downward from the top edge.
    virtual int PieceY(int k) const;

    // Writes the point's letter in black (0) or yellow (1) and remembers it.
    void DrawLetter(int colourIndex) override;
    int MarkColour() const override { return markColour; }
    // Draws the images of all pieces from the bottom of the stack up.
    void DrawPieces();
    // Moves the top piece onto Board[target] step by step, hitting a lone
    // opposing piece there first; ends in the data change of PlainMoveTo.
    void MovePiece(int target);

    // Slot k holds the k-th piece (1..15); slot 0 is never filled.
    std::array<std::unique_ptr<PieceImage>, 16> pieces;
    // The colour index the letter was last drawn with.
    std::int32_t markColour = 0;

protected:
    // Fills rect with the background, then the triangle in the point's colour
    // with a white outline.
    void DrawTriangle(const Point (&corners)[3]) const;
    const Metrics& Sizes() const { return view.DisplayMetrics(); }

    ViewHost& view;
};

// The x of the point's column: 1..12 from left to right with ClockWise, from
// right to left without; the bar's gap lies between points 6 and 7.
int PointColumnX(int point, const Metrics& metrics, bool clockWise);
