// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-sided bear-off table, computed by the program itself: for every way
// of standing up to 15 pieces on the six home points, the chances of needing
// exactly n rolls to bear them all off, playing each roll so as to need the
// fewest rolls on average; and, for the positions with all 15 pieces still
// on the board, the same for bearing off the first piece (what saves a
// gammon). Two such sides make the race's chances when both are home.

#include <array>
#include <cstdint>
#include <vector>

#include "core/neural/Checkers.h"

// Ways of standing 0..15 pieces on six points.
constexpr int BEAROFF_POSITIONS = 54264;
// Rolls counted; the chance of needing more is below any float's reach.
constexpr int BEAROFF_ROLLS = 32;

using RollChances = std::array<float, BEAROFF_ROLLS>;

class BearoffTable {
public:
    // Computes the table (about a second on one core).
    BearoffTable();

    // The index of a side's home points (its points 1..6; pieces elsewhere
    // are not looked at), 0 for no piece left.
    static int Index(const std::array<std::uint8_t, 26>& side);
    // The chances that the side needs exactly n rolls to bear off all.
    const RollChances& Off(int index) const { return off_[index]; }
    // The chances that it needs exactly n rolls to bear off its first piece;
    // only for positions with 15 pieces home (the others have one off).
    const RollChances& First(int index) const;
    // The average number of rolls to bear off all.
    float MeanRolls(int index) const { return mean_[index]; }

    // The chances of the side on roll in a position where both sides have
    // all their pieces home, as win, gammon win, backgammon win, gammon
    // loss, backgammon loss.
    std::array<float, 5> Chances(const Checkers& c) const;

private:
    std::vector<RollChances> off_;
    std::vector<RollChances> first_;
    std::vector<float> mean_, firstMean_;
    std::vector<std::int32_t> firstSlot_; // index -> slot in first_, -1 for none
};
