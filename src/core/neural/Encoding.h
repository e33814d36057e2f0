// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The network's view of a position, from the side on roll: per side, four
// inputs for each point and the bar (one piece, two, three or more, and the
// pieces beyond three, halved), the pieces borne off, the pips, the longest
// run of made points and the share of the 36 rolls that hit one of the side's
// single pieces. Only the inputs that are not zero are listed, so that the
// first layer adds up a few columns instead of multiplying a whole matrix.

#include <array>
#include <cstdint>

#include "core/neural/Checkers.h"

// Inputs per side and in all.
constexpr int SIDE_INPUTS = 104;
constexpr int INPUTS = 2 * SIDE_INPUTS;
// A version number of this encoding, kept in the weights file: weights
// trained on another encoding are refused.
constexpr std::uint32_t ENCODING_VERSION = 1;

struct Inputs {
    static constexpr int MAX = 2 * (25 * 2 + 4);
    int count = 0;
    std::array<std::uint16_t, MAX> index{};
    std::array<float, MAX> value{};
    void Add(int i, float v)
    {
        index[count] = static_cast<std::uint16_t>(i);
        value[count] = v;
        ++count;
    }
};

void Encode(const Checkers& c, Inputs& in);

// The number of the 36 rolls with which the side `hitter` could hit a single
// piece of `target` (direct and combined shots, the points in between
// ignored). Both arrays in their own owner's numbering.
int Shots(const std::array<std::uint8_t, 26>& target, const std::array<std::uint8_t, 26>& hitter);
