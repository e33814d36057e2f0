// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A position as the side on roll sees it, the form the network, the bear-off
// table and the Expert's search work on. Each side counts its points from its
// own home: it moves from 24 towards 1 and bears off from 1..6 towards 0.
// Point i of one side is point 25 - i of the other.

#include <array>
#include <cstdint>

#include "core/board/BoardData.h"

// Index 25 of a side's array is its bar, index 0 the pieces it has borne off.
constexpr int BAR_POINT = 25;
constexpr int OFF_POINT = 0;

struct Checkers {
    std::array<std::uint8_t, 26> me{};  // the side on roll
    std::array<std::uint8_t, 26> you{}; // its opponent
    friend bool operator==(const Checkers&, const Checkers&) = default;
};

// The same position with the other side on roll.
constexpr Checkers Flipped(const Checkers& c) { return {c.you, c.me}; }

// The position of a game's board with `player` (COMPUTER or HUMAN) on roll.
Checkers FromBoard(const BoardData& board, int player);
// The game's board of a position whose side on roll is `player`.
BoardData ToBoard(const Checkers& c, int player);

// The game's location of point `point` (0..25) of `player`'s side: a point,
// its bar (25) or its tray (0).
constexpr int LocationOf(int player, int point)
{
    if (point == OFF_POINT) return TrayOf(player);
    if (point == BAR_POINT) return BarOf(player);
    return player == COMPUTER ? point : 25 - point;
}

// The starting position (either side on roll: it is symmetric).
Checkers StartingCheckers();

// Pieces of one side still to travel, a piece on the bar counting 25.
int Pips(const std::array<std::uint8_t, 26>& side);
// Pieces of one side on points first..last (1..25).
int PiecesOn(const std::array<std::uint8_t, 26>& side, int first, int last);

// Whether every piece of both sides has passed every piece of the other:
// no hit can ever happen again.
bool NoContact(const Checkers& c);
// Whether each side's pieces still on the board all stand in its home board.
bool BothHome(const Checkers& c);

// Whether 15 pieces a side, counts in range, and no point held by both.
bool IsSound(const Checkers& c);
