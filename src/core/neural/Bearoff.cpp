// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Bearoff.h"

#include <algorithm>

namespace {

// The number of ways to stand up to `pieces` pieces on `points` points:
// C(pieces + points, points).
constexpr int CountWays(int pieces, int points)
{
    long long r = 1;
    for (int k = 1; k <= points; ++k) r = r * (pieces + k) / k;
    return static_cast<int>(r);
}

constexpr std::array<std::array<int, 7>, 16> WAYS = [] {
    std::array<std::array<int, 7>, 16> t{};
    for (int n = 0; n < 16; ++n)
        for (int p = 0; p < 7; ++p) t[n][p] = CountWays(n, p);
    return t;
}();

// The boards of up to `pieces` (at least 0) pieces on `points` points.
constexpr int Ways(int pieces, int points) { return pieces < 0 ? 0 : WAYS[pieces][points]; }

// A home board: pieces on points 1..6 (slot 0 unused).
using Home = std::array<int, 7>;

// The rank of a home board among all with at most 15 pieces, counting the
// boards before it in an order by point 6 down to 1: for each point, the
// boards with fewer pieces there and anything on the points below.
int Rank(const Home& h)
{
    int left = 15;
    int rank = 0;
    for (int p = 6; p >= 1; --p) {
        for (int k = 0; k < h[p]; ++k) rank += Ways(left - k, p - 1);
        left -= h[p];
    }
    return rank;
}

Home Unrank(int rank)
{
    Home h{};
    int left = 15;
    for (int p = 6; p >= 1; --p) {
        int k = 0;
        while (rank >= Ways(left - k, p - 1)) {
            rank -= Ways(left - k, p - 1);
            ++k;
        }
        h[p] = k;
        left -= k;
    }
    return h;
}

int Pieces(const Home& h)
{
    int n = 0;
    for (int p = 1; p <= 6; ++p) n += h[p];
    return n;
}

// For every board and die, the boards one move of that die can reach under
// the bear-off rule (a higher die only from the highest point); a board with
// no piece left reaches itself.
struct Moves {
    std::vector<std::array<std::int32_t, 6>> to; // [index * 6 + die - 1], -1 after the last
    Moves() : to(static_cast<std::size_t>(BEAROFF_POSITIONS) * 6)
    {
        for (int i = 0; i < BEAROFF_POSITIONS; ++i) {
            const Home h = Unrank(i);
            int highest = 0;
            for (int p = 6; p >= 1; --p)
                if (h[p] > 0) {
                    highest = p;
                    break;
                }
            for (int die = 1; die <= 6; ++die) {
                auto& out = to[static_cast<std::size_t>(i) * 6 + die - 1];
                out.fill(-1);
                if (highest == 0) {
                    out[0] = i;
                    continue;
                }
                int n = 0;
                for (int from = highest; from >= 1; --from) {
                    if (h[from] == 0 || (from - die < 0 && from != highest)) continue;
                    Home next = h;
                    --next[from];
                    if (from - die >= 1) ++next[from - die];
                    out[n++] = Rank(next);
                }
            }
        }
    }
    const std::array<std::int32_t, 6>& Of(int index, int die) const
    {
        return to[static_cast<std::size_t>(index) * 6 + die - 1];
    }
};

// For every board (in an order where the boards a play reaches come first),
// the chances of finishing in n rolls, playing for the fewest rolls on
// average; `slot` maps a board to its entry, `done` tells a finished board
// (worth 0 rolls). The best end of k more moves of one die from a board is
// kept per board, so that a roll looks at a few boards instead of every play.
template <typename Done>
void Fill(const Moves& moves, const std::vector<int>& order, std::vector<RollChances>& table, std::vector<float>& mean,
          const std::vector<int>& slot, Done&& done)
{
    // best[k - 1][die - 1][board]: the fewest rolls on average after k moves
    // of `die` from the board, and the board that gets there.
    struct Best {
        float value;
        std::int32_t end;
    };
    std::vector<Best> best(static_cast<std::size_t>(3) * 6 * BEAROFF_POSITIONS);
    auto at = [&](int k, int die, int board) -> Best& {
        return best[(static_cast<std::size_t>(k - 1) * 6 + die - 1) * BEAROFF_POSITIONS + board];
    };
    auto value = [&](int board) { return done(board) ? 0.0f : mean[slot[board]]; };
    // The best end of `k` moves of `die` from board `from`, k = 0..3.
    auto after = [&](int from, int die, int k) -> Best {
        if (k == 0 || done(from)) return {value(from), from};
        return at(k, die, from);
    };
    for (int index : order) {
        const int here = slot[index];
        RollChances chances{};
        if (done(index)) {
            chances[0] = 1.0f;
        } else {
            double acc[BEAROFF_ROLLS] = {};
            for (int a = 1; a <= 6; ++a)
                for (int b = a; b <= 6; ++b) {
                    Best choice{1e30f, index};
                    auto consider = [&](int first, int second, int k) {
                        for (std::int32_t t : moves.Of(index, first)) {
                            if (t < 0) break;
                            const Best c = after(t, second, k);
                            if (c.value < choice.value) choice = c;
                        }
                    };
                    if (a == b) {
                        consider(a, a, 3);
                    } else {
                        consider(b, a, 1);
                        consider(a, b, 1);
                    }
                    const double weight = a == b ? 1.0 / 36 : 2.0 / 36;
                    const RollChances& child = table[slot[choice.end]];
                    for (int n = 0; n + 1 < BEAROFF_ROLLS; ++n) acc[n + 1] += weight * child[n];
                }
            double m = 0;
            for (int n = 0; n < BEAROFF_ROLLS; ++n) {
                chances[n] = static_cast<float>(acc[n]);
                m += n * acc[n];
            }
            mean[here] = static_cast<float>(m);
        }
        if (done(index)) mean[here] = 0.0f;
        table[here] = chances;
        // This board's best ends of one to three moves, for the boards above it.
        for (int die = 1; die <= 6; ++die)
            for (int k = 1; k <= 3; ++k) {
                Best b{1e30f, index};
                for (std::int32_t t : moves.Of(index, die)) {
                    if (t < 0) break;
                    const Best c = after(t, die, k - 1);
                    if (c.value < b.value) b = c;
                }
                at(k, die, index) = b;
            }
    }
}

} // namespace

int BearoffTable::Index(const std::array<std::uint8_t, 26>& side)
{
    Home h{};
    for (int p = 1; p <= 6; ++p) h[p] = side[p];
    return Rank(h);
}

BearoffTable::BearoffTable()
{
    // Fewer pips first: every play lowers them.
    std::vector<int> order(BEAROFF_POSITIONS);
    std::vector<int> pips(BEAROFF_POSITIONS);
    for (int i = 0; i < BEAROFF_POSITIONS; ++i) {
        const Home h = Unrank(i);
        order[i] = i;
        for (int p = 1; p <= 6; ++p) pips[i] += p * h[p];
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return pips[a] < pips[b]; });

    const Moves moves;
    std::vector<int> pieces(BEAROFF_POSITIONS);
    for (int i = 0; i < BEAROFF_POSITIONS; ++i) pieces[i] = Pieces(Unrank(i));
    std::vector<int> identity(BEAROFF_POSITIONS);
    for (int i = 0; i < BEAROFF_POSITIONS; ++i) identity[i] = i;
    off_.assign(BEAROFF_POSITIONS, RollChances{});
    mean_.assign(BEAROFF_POSITIONS, 0.0f);
    Fill(moves, order, off_, mean_, identity, [&](int i) { return pieces[i] == 0; });

    // The first piece off: boards of 15 pieces; a board with fewer is done.
    // Boards of fewer pieces share one slot that says "done".
    firstSlot_.assign(BEAROFF_POSITIONS, 0);
    std::vector<int> slot(BEAROFF_POSITIONS, 0);
    std::vector<int> fullOrder;
    int slots = 1;
    for (int i : order)
        if (pieces[i] == 15) {
            slot[i] = slots++;
            fullOrder.push_back(i);
        }
    first_.assign(slots, RollChances{});
    firstMean_.assign(slots, 0.0f);
    first_[0][0] = 1.0f;
    for (int i = 0; i < BEAROFF_POSITIONS; ++i) firstSlot_[i] = slot[i];
    Fill(moves, fullOrder, first_, firstMean_, slot, [&](int i) { return pieces[i] < 15; });
}

const RollChances& BearoffTable::First(int index) const { return first_[firstSlot_[index]]; }

std::array<float, 5> BearoffTable::Chances(const Checkers& c) const
{
    const int mine = Index(c.me), yours = Index(c.you);
    const RollChances& me = Off(mine);
    const RollChances& you = Off(yours);
    // The side on roll finishing with its n-th roll wins when the other needs
    // n or more of its own; the other finishing with its n-th wins when the
    // side on roll needs more than n.
    double win = 0, gammonWin = 0, gammonLoss = 0;
    double youAtLeast[BEAROFF_ROLLS + 1] = {};
    for (int n = BEAROFF_ROLLS - 1; n >= 0; --n) youAtLeast[n] = youAtLeast[n + 1] + you[n];
    for (int n = 0; n < BEAROFF_ROLLS; ++n) win += me[n] * youAtLeast[n];
    if (c.you[OFF_POINT] == 0) {
        const RollChances& first = First(yours);
        double firstAtLeast[BEAROFF_ROLLS + 1] = {};
        for (int n = BEAROFF_ROLLS - 1; n >= 0; --n) firstAtLeast[n] = firstAtLeast[n + 1] + first[n];
        for (int n = 0; n < BEAROFF_ROLLS; ++n) gammonWin += me[n] * firstAtLeast[n];
    }
    if (c.me[OFF_POINT] == 0) {
        const RollChances& first = First(mine);
        double firstAbove[BEAROFF_ROLLS + 1] = {};
        for (int n = BEAROFF_ROLLS - 2; n >= 0; --n) firstAbove[n] = firstAbove[n + 1] + first[n + 1];
        for (int n = 0; n < BEAROFF_ROLLS; ++n) gammonLoss += you[n] * firstAbove[n];
    }
    const float w = static_cast<float>(std::clamp(win, 0.0, 1.0));
    return {w, std::min(w, static_cast<float>(gammonWin)), 0.0f, std::min(1.0f - w, static_cast<float>(gammonLoss)),
            0.0f};
}
