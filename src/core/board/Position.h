// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One board location: its data (count, owner), its place in the window and
// the operations the drawing classes override. The plain class is data only:
// the rules and the search use it (and copies of its data) directly.

#include <cstdint>

#include "core/board/BoardData.h"

class Board;

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The seven data fields of a location; what snapshots and mirroring copy.
struct PositionRecord {
    std::int32_t x = 0, y = 0;
    std::int8_t index = 0;
    std::int8_t count = 0;
    std::int32_t owner = 0;
    Board* board = nullptr;
    Rect rect{};
    friend bool operator==(const PositionRecord&, const PositionRecord&) = default;
};

class Position {
public:
    Position(Board* owningBoard, int location, int startOwner);
    virtual ~Position() = default;
    Position(const Position&) = delete;
    Position& operator=(const Position&) = delete;

    // Whether the window point (px, py) falls on this location.
    virtual bool HitTest(int px, int py) const;
    // Moves one piece to Board[target]; plain data move here, animated in the
    // drawing classes. Both end in the same data change.
    virtual void MoveTo(int target);
    virtual void RemovePiece();
    virtual void AddPiece();
    // Computes the geometry and draws the empty location (nothing here).
    virtual void Layout() {}
    // Draws a point's letter in black (0) or yellow (1); points only.
    virtual void DrawLetter(int /*colourIndex*/) {}
    // The colour index the letter was last drawn with.
    virtual int MarkColour() const { return 0; }

    // The plain data move, never through the virtual table.
    void PlainMoveTo(int target);
    // The side to move on the board this location belongs to.
    int Mover() const;

    PositionRecord Record() const { return {x, y, index, count, owner, board, rect}; }
    void SetRecord(const PositionRecord& r);
    Spot Data() const { return {count, owner}; }

    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int8_t index = 0;
    std::int8_t count = 0;
    std::int32_t owner = 0;
    Board* board = nullptr;
    Rect rect{};
};
