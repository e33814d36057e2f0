// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counting that stops at the limits of a 32-bit integer instead of wrapping
// round: the scores, the statistics of a game and the thinking clocks can be
// driven there by a file, and a total that turns negative would be a lie.

#include <cstdint>
#include <limits>

constexpr std::int32_t SaturatedInt32(std::int64_t value)
{
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < low ? low : value > high ? high : value);
}

// a + b, held within the int32 limits.
constexpr std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b)
{
    return SaturatedInt32(static_cast<std::int64_t>(a) + b);
}
