// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Plays.h"

#include <algorithm>
#include <cstring>

bool LegalMove(const Checkers& c, int from, int die)
{
    if (from < 1 || from > BAR_POINT || die < 1 || die > 6 || c.me[from] == 0) return false;
    if (c.me[BAR_POINT] > 0 && from != BAR_POINT) return false;
    const int to = from - die;
    if (to >= 1) return c.you[25 - to] < 2;
    // Bearing off: every piece home, and a higher die only from the highest point.
    for (int i = 7; i <= BAR_POINT; ++i)
        if (c.me[i] > 0) return false;
    if (to < 0)
        for (int i = from + 1; i <= 6; ++i)
            if (c.me[i] > 0) return false;
    return true;
}

void ApplyMove(Checkers& c, int from, int die)
{
    const int to = from - die;
    --c.me[from];
    if (to < 1) {
        ++c.me[OFF_POINT];
        return;
    }
    if (c.you[25 - to] == 1) {
        c.you[25 - to] = 0;
        ++c.you[BAR_POINT];
    }
    ++c.me[to];
}

namespace {

std::uint64_t Hash(const Checkers& c)
{
    std::uint64_t w[7] = {};
    std::memcpy(w, c.me.data(), 26);
    std::memcpy(reinterpret_cast<std::uint8_t*>(w) + 26, c.you.data(), 26);
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    for (std::uint64_t v : w) h = (h ^ v) * 0xD6E8FEB86659FD93ull, h ^= h >> 32;
    return h;
}

} // namespace

const std::vector<Play>& PlayMaker::Make(const Checkers& start, int d1, int d2)
{
    plays_.clear();
    if (table_.size() < 256) table_.assign(256, 0);
    std::fill(table_.begin(), table_.end(), 0u);
    most_ = 0;
    double_ = d1 == d2;
    if (double_) {
        dice_ = {static_cast<std::uint8_t>(d1), static_cast<std::uint8_t>(d1), static_cast<std::uint8_t>(d1),
                 static_cast<std::uint8_t>(d1)};
        diceCount_ = 4;
        Search(start, 0, BAR_POINT);
    } else {
        // The higher die first, so that a play using only it comes before one
        // using only the lower die.
        const int high = std::max(d1, d2), low = std::min(d1, d2);
        diceCount_ = 2;
        dice_ = {static_cast<std::uint8_t>(high), static_cast<std::uint8_t>(low), 0, 0};
        Search(start, 0, BAR_POINT);
        dice_ = {static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high), 0, 0};
        Search(start, 0, BAR_POINT);
    }
    // Only the plays with the most moves stand; of single moves with two
    // different dice, those of the higher die when there are any.
    std::erase_if(plays_, [&](const Play& p) { return p.count < most_; });
    if (!double_ && most_ == 1) {
        const int high = std::max(d1, d2);
        const bool highPlayable =
            std::any_of(plays_.begin(), plays_.end(), [&](const Play& p) { return p.die[0] == high; });
        if (highPlayable) std::erase_if(plays_, [&](const Play& p) { return p.die[0] != high; });
    }
    if (plays_.empty()) {
        Play none;
        none.after = start;
        plays_.push_back(none);
    }
    return plays_;
}

// With equal dice the moves of a play can always be made from the highest
// source down, so a double only tries sources at or below the last one.
void PlayMaker::Search(const Checkers& here, int depth, int lastFrom)
{
    bool moved = false;
    if (depth < diceCount_) {
        const int die = dice_[depth];
        const int top = double_ ? lastFrom : BAR_POINT;
        for (int from = top; from >= 1; --from) {
            if (here.me[from] == 0 || !LegalMove(here, from, die)) continue;
            moved = true;
            Checkers next = here;
            ApplyMove(next, from, die);
            from_[depth] = static_cast<std::uint8_t>(from);
            Search(next, depth + 1, from);
        }
    }
    if (!moved) Keep(here, depth);
}

void PlayMaker::Keep(const Checkers& after, int depth)
{
    if (depth < most_) return;
    most_ = depth;
    // Half full at most: the table doubles and is filled again.
    if ((plays_.size() + 1) * 2 > table_.size()) {
        table_.assign(table_.size() * 2, 0);
        const std::size_t mask = table_.size() - 1;
        for (std::size_t k = 0; k < plays_.size(); ++k) {
            std::size_t i = Hash(plays_[k].after) & mask;
            while (table_[i] != 0) i = (i + 1) & mask;
            table_[i] = static_cast<std::uint32_t>(k + 1);
        }
    }
    const std::size_t mask = table_.size() - 1;
    std::size_t i = Hash(after) & mask;
    for (; table_[i] != 0; i = (i + 1) & mask)
        if (plays_[table_[i] - 1].after == after) {
            // The same position by a play of fewer moves is replaced.
            Play& old = plays_[table_[i] - 1];
            if (old.count >= depth) return;
            break;
        }
    Play p;
    p.count = static_cast<std::uint8_t>(depth);
    for (int k = 0; k < depth; ++k) {
        p.from[k] = from_[k];
        p.die[k] = dice_[k];
    }
    p.after = after;
    if (table_[i] != 0) {
        plays_[table_[i] - 1] = p;
        return;
    }
    table_[i] = static_cast<std::uint32_t>(plays_.size() + 1);
    plays_.push_back(p);
}
