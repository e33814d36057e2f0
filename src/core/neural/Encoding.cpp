// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Encoding.h"

namespace {

// Rolls as (d1, d2, how many of the 36 they stand for).
struct Roll {
    int d1, d2, weight;
};
constexpr std::array<Roll, 21> ROLLS = [] {
    std::array<Roll, 21> r{};
    int k = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = a; b <= 6; ++b) r[k++] = {a, b, a == b ? 1 : 2};
    return r;
}();

// The longest run of points holding two or more of the side's pieces.
int LongestPrime(const std::array<std::uint8_t, 26>& side)
{
    int best = 0, run = 0;
    for (int i = 1; i <= 24; ++i) {
        run = side[i] >= 2 ? run + 1 : 0;
        best = run > best ? run : best;
    }
    return best;
}

void EncodeSide(const std::array<std::uint8_t, 26>& side, const std::array<std::uint8_t, 26>& other, int base,
                Inputs& in)
{
    for (int i = 1; i <= 25; ++i) {
        const int n = side[i];
        if (n == 0) continue;
        const int at = base + (i - 1) * 4;
        if (n == 1)
            in.Add(at, 1.0f);
        else if (n == 2)
            in.Add(at + 1, 1.0f);
        else {
            in.Add(at + 2, 1.0f);
            if (n > 3) in.Add(at + 3, static_cast<float>(n - 3) * 0.5f);
        }
    }
    if (side[OFF_POINT] > 0) in.Add(base + 100, static_cast<float>(side[OFF_POINT]) / 15.0f);
    const int pips = Pips(side);
    if (pips > 0) in.Add(base + 101, static_cast<float>(pips) / 100.0f);
    const int prime = LongestPrime(side);
    if (prime > 0) in.Add(base + 102, static_cast<float>(prime) / 6.0f);
    const int shots = Shots(side, other);
    if (shots > 0) in.Add(base + 103, static_cast<float>(shots) / 36.0f);
}

} // namespace

int Shots(const std::array<std::uint8_t, 26>& target, const std::array<std::uint8_t, 26>& hitter)
{
    // Bit y of `from`: the hitter has pieces on its point y (its bar 25 included).
    std::uint32_t from = 0;
    for (int y = 1; y <= 25; ++y)
        if (hitter[y] > 0) from |= 1u << y;
    // Bit d of `distance`: some hitter piece stands d pips behind a single
    // target piece. A target piece on its point b is the hitter's point 25 - b.
    std::uint32_t distance = 0;
    for (int b = 1; b <= 24; ++b)
        if (target[b] == 1) distance |= from >> (25 - b);
    distance &= ~1u;
    if (distance == 0) return 0;
    auto has = [&](int d) { return d <= 24 && (distance >> d & 1u) != 0; };
    int rolls = 0;
    for (const Roll& r : ROLLS) {
        bool hit;
        if (r.d1 == r.d2)
            hit = has(r.d1) || has(2 * r.d1) || has(3 * r.d1) || has(4 * r.d1);
        else
            hit = has(r.d1) || has(r.d2) || has(r.d1 + r.d2);
        if (hit) rolls += r.weight;
    }
    return rolls;
}

void Encode(const Checkers& c, Inputs& in)
{
    in.count = 0;
    EncodeSide(c.me, c.you, 0, in);
    EncodeSide(c.you, c.me, SIDE_INPUTS, in);
}
