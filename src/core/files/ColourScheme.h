// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours, the colour sets of the board and the built-in schemes.

#include <array>
#include <cstdint>

// Red in bits 0..7, green in 8..15, blue in 16..23, zero above.
using Colour = std::uint32_t;
constexpr Colour RGB(int r, int g, int b)
{
    return static_cast<Colour>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 255); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 255); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 255); }

constexpr int SCHEME_COLOURS = 6;
constexpr int SCHEMES = 4;
enum SchemeRole {
    COLOUR_BACKGROUND = 0,
    COLOUR_POSITION_A = 1,
    COLOUR_POSITION_B = 2,
    COLOUR_COMPUTER = 3,
    COLOUR_HUMAN = 4,
    COLOUR_BAR = 5
};
using ColourSet = std::array<Colour, SCHEME_COLOURS>;

// The built-in schemes A to D.
constexpr std::array<ColourSet, SCHEMES> DefaultSchemes{{
    {RGB(200, 192, 200), RGB(192, 192, 192), RGB(128, 128, 0), RGB(255, 128, 0), RGB(255, 255, 255),
     RGB(192, 192, 192)},
    {RGB(210, 182, 85), RGB(192, 192, 192), RGB(128, 128, 0), RGB(255, 128, 0), RGB(255, 255, 255), RGB(192, 192, 192)},
    {RGB(108, 183, 183), RGB(96, 96, 96), RGB(192, 192, 192), RGB(255, 128, 0), RGB(0, 128, 192), RGB(183, 183, 183)},
    {RGB(179, 177, 207), RGB(192, 192, 192), RGB(128, 128, 0), RGB(255, 128, 128), RGB(255, 255, 255),
     RGB(192, 192, 192)},
}};
