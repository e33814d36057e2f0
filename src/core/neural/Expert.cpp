// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Expert.h"

#include <algorithm>
#include <numeric>

namespace {

struct Roll {
    int d1, d2;
    float weight;
};
constexpr std::array<Roll, 21> ROLLS = [] {
    std::array<Roll, 21> r{};
    int k = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = a; b <= 6; ++b) r[k++] = {b, a, a == b ? 1.0f / 36 : 2.0f / 36};
    return r;
}();

// Sums of chances, kept in double so that 21 rolls add up the same way always.
struct Sum {
    double w = 0, wg = 0, wb = 0, lg = 0, lb = 0;
    void Add(const Probabilities& p, double weight)
    {
        w += weight * p.win;
        wg += weight * p.winGammon;
        wb += weight * p.winBackgammon;
        lg += weight * p.loseGammon;
        lb += weight * p.loseBackgammon;
    }
    Probabilities Value() const
    {
        return {static_cast<float>(w), static_cast<float>(wg), static_cast<float>(wb), static_cast<float>(lg),
                static_cast<float>(lb)};
    }
};

// The first index holding the highest equity (ties keep the earlier play).
std::size_t Best(const std::vector<double>& equity)
{
    std::size_t best = 0;
    for (std::size_t k = 1; k < equity.size(); ++k)
        if (equity[k] > equity[best]) best = k;
    return best;
}

// The indices of the `keep` best plays within `margin` of the best, best
// first (ties in generation order).
std::vector<std::size_t> Shortlist(const std::vector<double>& equity, int keep, double margin)
{
    std::vector<std::size_t> order(equity.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return equity[a] > equity[b]; });
    const double floor = equity[order[0]] - margin;
    std::vector<std::size_t> out;
    for (std::size_t k : order) {
        if (static_cast<int>(out.size()) >= keep || equity[k] < floor) break;
        out.push_back(k);
    }
    return out;
}

} // namespace

Expert::Expert(std::shared_ptr<const Evaluator> evaluator, int plies, ExpertFilter filter)
    : eval_(std::move(evaluator)), plies_(std::clamp(plies, 0, EXPERT_MAX_PLIES)), filter_(filter),
      makers_(EXPERT_MAX_PLIES + 2)
{
}

void Expert::SetPlies(int plies) { plies_ = std::clamp(plies, 0, EXPERT_MAX_PLIES); }

// Made in full at the start, so that a list of plays one depth holds is
// never moved by a deeper search.
PlayMaker& Expert::Maker(int depth) { return makers_[static_cast<std::size_t>(depth)]; }

Probabilities Expert::Static(const Checkers& c)
{
    if (stopped_) return {};
    if (poll_ && ++sincePoll_ >= POLL_EVALUATIONS) {
        sincePoll_ = 0;
        if (!poll_()) {
            stopped_ = true;
            return {};
        }
    }
    ++evaluations_;
    return eval_->Evaluate(c);
}

Probabilities Expert::After(const Checkers& after, int plies)
{
    const Checkers next = Flipped(after);
    if (plies == 0 || Classify(next) == PositionKind::Finished) return Static(next).Inverted();
    return EvaluatePly(next, plies).Inverted();
}

Probabilities Expert::EvaluatePly(const Checkers& c, int plies)
{
    if (depth_ == 0) stopped_ = false;
    if (plies <= 0 || Classify(c) == PositionKind::Finished || stopped_) return Static(c);
    Sum sum;
    const int depth = depth_++;
    for (const Roll& r : ROLLS) {
        if (stopped_) break;
        // The deeper searches below use the makers of their own depths only.
        const std::vector<Play>& plays = Maker(depth).Make(c, r.d1, r.d2);
        std::vector<double> equity(plays.size());
        std::vector<Probabilities> value(plays.size());
        for (std::size_t k = 0; k < plays.size(); ++k) {
            value[k] = After(plays[k].after, 0);
            equity[k] = value[k].Equity();
        }
        Probabilities chosen;
        if (plies == 1 || plays.size() == 1) {
            chosen = value[Best(equity)];
            if (plies > 1) chosen = After(plays[0].after, plies - 1);
        } else {
            const std::vector<std::size_t> list = Shortlist(equity, filter_.innerKeep, 1e9);
            std::vector<double> deeper;
            std::vector<Probabilities> deepValue;
            for (std::size_t k : list) {
                deepValue.push_back(After(plays[k].after, plies - 1));
                deeper.push_back(deepValue.back().Equity());
            }
            chosen = deepValue[Best(deeper)];
        }
        sum.Add(chosen, r.weight);
    }
    --depth_;
    return sum.Value();
}

Play Expert::ChoosePlay(const Checkers& c, int d1, int d2, Probabilities* valueOut)
{
    const int depth = depth_++;
    if (depth == 0) stopped_ = false;
    const std::vector<Play> plays = Maker(depth).Make(c, d1, d2);
    std::vector<double> equity(plays.size());
    std::vector<Probabilities> value(plays.size());
    for (std::size_t k = 0; k < plays.size(); ++k) {
        value[k] = After(plays[k].after, 0);
        equity[k] = value[k].Equity();
    }
    std::size_t chosen = Best(equity);
    if (plays.size() > 1 && plies_ >= 1) {
        // 1-ply over the shortlist, then the deeper plies over its best.
        std::vector<std::size_t> list = Shortlist(equity, filter_.rootKeep1, filter_.rootMargin1);
        for (int ply = 1; ply <= plies_ && list.size() > 1 && !stopped_; ++ply) {
            std::vector<double> e(list.size());
            for (std::size_t i = 0; i < list.size(); ++i) {
                value[list[i]] = After(plays[list[i]].after, ply);
                e[i] = value[list[i]].Equity();
            }
            const std::vector<std::size_t> order = Shortlist(e, static_cast<int>(list.size()), 1e9);
            chosen = list[order[0]];
            if (ply < plies_) {
                std::vector<std::size_t> next;
                for (std::size_t i : Shortlist(e, filter_.rootKeep2, filter_.rootMargin2)) next.push_back(list[i]);
                list = next;
            }
        }
    }
    --depth_;
    if (valueOut != nullptr) *valueOut = value[chosen];
    return plays[chosen];
}

ExpertMove Expert::Choose(const BoardData& board, int player, int d1, int d2)
{
    const Checkers c = FromBoard(board, player);
    Probabilities value;
    const Play play = ChoosePlay(c, d1, d2, &value);
    ExpertMove move = ToGameMove(play, player);
    move.value = value;
    return move;
}

ExpertMove ToGameMove(const Play& play, int player)
{
    ExpertMove m;
    m.count = play.count;
    for (int k = 0; k < play.count; ++k) {
        const int point = play.from[k];
        const int die = play.die[k];
        // The computer's point is its location; the human's is 25 - location,
        // its bar (25) the location 0.
        const int from = player == COMPUTER ? point : 25 - point;
        m.from[k] = static_cast<std::uint8_t>(from);
        m.die[k] = static_cast<std::uint8_t>(die);
        m.pairs[k] = player == COMPUTER ? std::pair{from, from - die} : std::pair{from, from + die};
    }
    return m;
}
