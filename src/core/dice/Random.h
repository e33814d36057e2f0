// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pseudo-random generator of the old C runtime: the roll sequences of a
// seed must stay exactly those of the original program, so this recurrence
// may never change.

#include <cstdint>

class Random {
public:
    explicit Random(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed) { state_ = seed; }
    // The next number, 0..32767.
    int Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 32767u);
    }
    // A die: the next number modulo 6, plus 1.
    int Die() { return Next() % 6 + 1; }

private:
    std::uint32_t state_;
};
