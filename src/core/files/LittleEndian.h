// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 32-bit integers in the little-endian byte order of the game's binary files.

#include <cstdint>

inline void PutInt32(std::uint8_t* at, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int k = 0; k < 4; ++k) at[k] = static_cast<std::uint8_t>(u >> (8 * k));
}

inline std::int32_t GetInt32(const std::uint8_t* at)
{
    std::uint32_t u = 0;
    for (int k = 0; k < 4; ++k) u |= static_cast<std::uint32_t>(at[k]) << (8 * k);
    return static_cast<std::int32_t>(u);
}
