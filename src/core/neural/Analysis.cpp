// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/neural/Analysis.h"

#include <algorithm>
#include <numeric>

#include "core/neural/Cube.h"

Mark MarkOf(double lossMemg)
{
    if (lossMemg >= VERY_BAD_MEMG) return Mark::VeryBad;
    if (lossMemg >= BAD_MEMG) return Mark::Bad;
    if (lossMemg >= DOUBTFUL_MEMG) return Mark::Doubtful;
    return Mark::None;
}

const char* MarkName(Mark mark)
{
    switch (mark) {
    case Mark::Doubtful:
        return "doubtful";
    case Mark::Bad:
        return "bad";
    case Mark::VeryBad:
        return "very bad";
    default:
        return "";
    }
}

const char* RatingOf(double errorRateMemg)
{
    for (const RatingBand& band : RATING_BANDS)
        if (errorRateMemg < band.below) return band.name;
    return "Awful";
}

bool ApplyMatchMoves(Checkers& computerView, int player, const std::vector<MatchMove>& moves)
{
    Checkers c = player == COMPUTER ? computerView : Flipped(computerView);
    for (const MatchMove& m : moves) {
        // The mover's own numbering: its bar is 25 for either side.
        const int from = player == COMPUTER ? m.from : 25 - m.from;
        const bool off = m.to == TrayOf(player) || (player == COMPUTER ? m.to <= 0 : m.to >= 25);
        const int to = off ? OFF_POINT : player == COMPUTER ? m.to : 25 - m.to;
        if (from < 1 || from > BAR_POINT || c.me[from] == 0 || (!off && (to < 1 || to >= from))) return false;
        if (!off && c.you[25 - to] >= 2) return false;
        --c.me[from];
        if (off) {
            ++c.me[OFF_POINT];
            continue;
        }
        if (c.you[25 - to] == 1) {
            c.you[25 - to] = 0;
            ++c.you[BAR_POINT];
        }
        ++c.me[to];
    }
    computerView = player == COMPUTER ? c : Flipped(c);
    return true;
}

std::vector<MatchMove> MatchMovesOf(const Play& play, const Checkers& before, int player)
{
    std::vector<MatchMove> moves;
    Checkers c = before;
    for (int k = 0; k < play.count; ++k) {
        const int from = play.from[k], to = from - play.die[k];
        MatchMove m;
        m.from = LocationOf(player, from);
        m.to = to < 1 ? TrayOf(player) : LocationOf(player, to);
        m.hit = to >= 1 && c.you[25 - to] == 1;
        moves.push_back(m);
        ApplyMove(c, from, play.die[k]);
    }
    return moves;
}

namespace {

struct Roll {
    int d1, d2;
    double weight;
};
// The 21 rolls, and the 15 an opening roll can be (no double).
constexpr std::array<Roll, 21> ROLLS = [] {
    std::array<Roll, 21> r{};
    int k = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = a; b <= 6; ++b) r[k++] = {b, a, a == b ? 1.0 / 36 : 2.0 / 36};
    return r;
}();

CubeHolder HolderFor(int owner, int player)
{
    if (owner == NOBODY) return CubeHolder::Centred;
    return owner == player ? CubeHolder::Me : CubeHolder::Them;
}

CubeHolder OtherSide(CubeHolder holder)
{
    return holder == CubeHolder::Me ? CubeHolder::Them : holder == CubeHolder::Them ? CubeHolder::Me : holder;
}

// The mover's equity after a play to `after` (the mover's view), judged
// `plies` deep; `chances` gets the mover's chances. A game over is worth its
// points; otherwise the opponent is on roll with the cube where it is.
double PlayValue(Expert& expert, const Checkers& after, int plies, bool cubeful, CubeHolder holder,
                 Probabilities* chances = nullptr)
{
    const Checkers next = Flipped(after);
    const Probabilities q = expert.EvaluatePly(next, plies);
    if (chances) *chances = q.Inverted();
    if (!cubeful || Classify(next) == PositionKind::Finished) return -q.Equity();
    return -CubefulEquity(q, OtherSide(holder), CubeEfficiency(next));
}

// The indices of the `keep` best of `among` within `margin` of the best, best first.
std::vector<std::size_t> Shortlist(const std::vector<double>& equity, std::vector<std::size_t> among, int keep,
                                   double margin)
{
    std::stable_sort(among.begin(), among.end(), [&](std::size_t a, std::size_t b) { return equity[a] > equity[b]; });
    std::vector<std::size_t> out;
    for (std::size_t k : among) {
        if (static_cast<int>(out.size()) >= keep || equity[k] < equity[among[0]] - margin) break;
        out.push_back(k);
    }
    return out;
}

class Analyser {
public:
    Analyser(const MatchGame& game, Expert& expert, const AnalysisOptions& options)
        : game_(game), expert_(expert), options_(options)
    {
    }

    GameAnalysis Run();

private:
    bool Stopped() const { return stopped_ || expert_.Abandoned(); }
    // The mover's cubeful equity, per unit of the cube, after a play to
    // `after` (the mover's view), judged `plies` deep.
    double PlayEquity(const Checkers& after, int player, int plies);
    // The best play's equity of each roll, against their average.
    double Luck(const Checkers& view, int player, int d1, int d2, bool opening);
    // False when the moves are not a play of the roll; `after` gets the
    // position after them.
    bool JudgePlay(const Checkers& view, const MatchAction& a, int index, Checkers& after);
    void JudgeCube(const Checkers& view, int index);
    void Summarise(GameAnalysis& out) const;

    const MatchGame& game_;
    Expert& expert_;
    const AnalysisOptions& options_;
    PlayMaker maker_;
    PlayMaker luckMaker_;
    int owner_ = NOBODY; // who holds the cube
    int cubeValue_ = 1;
    bool stopped_ = false;
    std::vector<Decision> decisions_;
    CubeDecision pending_; // the last double's equities, for the answer to it
};

double Analyser::PlayEquity(const Checkers& after, int player, int plies)
{
    if (stopped_) return 0;
    return PlayValue(expert_, after, plies, options_.cubeful, HolderFor(owner_, player));
}

double Analyser::Luck(const Checkers& view, int player, int d1, int d2, bool opening)
{
    double average = 0, total = 0, rolled = 0;
    for (const Roll& r : ROLLS) {
        if (opening && r.d1 == r.d2) continue;
        const std::vector<Play>& plays = luckMaker_.Make(view, r.d1, r.d2);
        double best = -1e9;
        for (const Play& p : plays) best = std::max(best, PlayEquity(p.after, player, options_.luckPlies));
        average += r.weight * best;
        total += r.weight;
        if ((r.d1 == d1 && r.d2 == d2) || (r.d1 == d2 && r.d2 == d1)) rolled = best;
    }
    return rolled - average / total;
}

bool Analyser::JudgePlay(const Checkers& view, const MatchAction& a, int index, Checkers& after)
{
    const std::vector<Play> plays = maker_.Make(view, a.first, a.second);
    Checkers target = a.player == COMPUTER ? view : Flipped(view);
    if (!ApplyMatchMoves(target, a.player, a.moves)) return false;
    if (a.player != COMPUTER) target = Flipped(target);
    std::size_t played = 0;
    for (; played < plays.size(); ++played)
        if (plays[played].after == target) break;
    if (played == plays.size()) return false;
    after = target;

    Decision d;
    d.kind = Decision::Kind::Play;
    d.player = a.player;
    d.action = index;
    d.first = a.first;
    d.second = a.second;
    d.cubeValue = cubeValue_;
    d.forced = plays.size() == 1;
    d.rank = 0;
    const int plies = std::clamp(options_.plies, 0, EXPERT_MAX_PLIES);
    if (!d.forced) {
        const std::vector<JudgedPlay> ranked =
            RankPlays(expert_, plays, plies, options_.filter, options_.cubeful, HolderFor(owner_, a.player), played);
        if (Stopped() || ranked.empty()) return true;
        const auto made =
            std::find_if(ranked.begin(), ranked.end(), [&](const JudgedPlay& j) { return j.index == played; });
        d.bestEquity = ranked[0].equity;
        d.equity = made->equity;
        d.loss = std::max(0.0, d.bestEquity - d.equity);
        // Plays as good as the one made rank with it.
        d.rank = static_cast<int>(std::count_if(ranked.begin(), ranked.end(), [&](const JudgedPlay& j) {
            return j.plies > made->plies || (j.plies == made->plies && j.equity > made->equity);
        }));
        const std::size_t shown = std::min<std::size_t>(ranked.size(), std::max(1, options_.playsShown));
        for (std::size_t i = 0; i < shown; ++i)
            d.best.push_back({MatchMovesOf(plays[ranked[i].index], view, a.player), ranked[i].equity, ranked[i].plies});
        d.mark = MarkOf(1000 * d.loss);
    } else {
        d.best.push_back({MatchMovesOf(plays[0], view, a.player), 0.0, 0});
    }
    const bool opening = std::none_of(decisions_.begin(), decisions_.end(),
                                      [](const Decision& x) { return x.kind == Decision::Kind::Play; });
    d.luck = Luck(view, a.player, a.first, a.second, opening);
    // A search stopped half way judged nothing worth keeping.
    if (!Stopped()) decisions_.push_back(std::move(d));
    return true;
}

// A missed double before a roll, when the double was right or close.
void Analyser::JudgeCube(const Checkers& view, int index)
{
    const int player = game_.actions[static_cast<std::size_t>(index)].player;
    const Probabilities p = expert_.EvaluatePly(view, std::clamp(options_.plies, 0, EXPERT_MAX_PLIES));
    const CubeDecision c = DecideDouble(p, HolderFor(owner_, player), CubeEfficiency(view));
    const double doubled = std::min(c.doubleTake, 1.0);
    if (Stopped() || (!c.shouldDouble && doubled < c.noDouble - CLOSE_CUBE_EMG)) return;
    Decision d;
    d.kind = Decision::Kind::NoDouble;
    d.player = player;
    d.action = index;
    d.cubeValue = cubeValue_;
    d.noDouble = c.noDouble;
    d.doubleTake = c.doubleTake;
    d.equity = c.noDouble;
    d.bestEquity = std::max(c.noDouble, doubled);
    d.loss = DoubleLoss(c, false);
    d.mark = MarkOf(1000 * d.loss);
    decisions_.push_back(d);
}

GameAnalysis Analyser::Run()
{
    GameAnalysis out;
    expert_.SetPoll([this] {
        if (!stopped_ && options_.poll && !options_.poll()) stopped_ = true;
        return !stopped_;
    });
    const int plies = std::clamp(options_.plies, 0, EXPERT_MAX_PLIES);
    Checkers pos = StartingCheckers(); // seen by the computer
    const int total = static_cast<int>(game_.actions.size());
    bool rolled = false; // whether a roll has been played (none before the opening one)
    bool doubledNow = false;
    for (int i = 0; i < total && !Stopped(); ++i) {
        const MatchAction& a = game_.actions[static_cast<std::size_t>(i)];
        if (a.player != COMPUTER && a.player != HUMAN) {
            out.error = "action " + std::to_string(i + 1) + " has no player";
            break;
        }
        const Checkers view = a.player == COMPUTER ? pos : Flipped(pos);
        switch (a.kind) {
        case MatchAction::Kind::Roll: {
            if (options_.cube && rolled && !doubledNow && owner_ != Opponent(a.player)) JudgeCube(view, i);
            doubledNow = false;
            Checkers after;
            if (!JudgePlay(view, a, i, after)) {
                out.error = "action " + std::to_string(i + 1) + ": the moves are not a legal play of " +
                            std::to_string(a.first) + "-" + std::to_string(a.second);
                break;
            }
            pos = a.player == COMPUTER ? after : Flipped(after);
            rolled = true;
            break;
        }
        case MatchAction::Kind::Double: {
            if (owner_ == Opponent(a.player)) {
                out.error = "action " + std::to_string(i + 1) + ": a double by the side without the cube";
                break;
            }
            if (options_.cube) {
                const Probabilities p = expert_.EvaluatePly(view, plies);
                pending_ = DecideDouble(p, HolderFor(owner_, a.player), CubeEfficiency(view));
                Decision d;
                d.kind = Decision::Kind::Double;
                d.player = a.player;
                d.action = i;
                d.cubeValue = cubeValue_;
                d.noDouble = pending_.noDouble;
                d.doubleTake = pending_.doubleTake;
                d.equity = std::min(pending_.doubleTake, 1.0);
                d.bestEquity = std::max(d.equity, pending_.noDouble);
                d.loss = DoubleLoss(pending_, true);
                d.mark = MarkOf(1000 * d.loss);
                if (!Stopped()) decisions_.push_back(d);
            }
            cubeValue_ = a.cubeValue > cubeValue_ ? a.cubeValue : 2 * cubeValue_;
            doubledNow = true;
            break;
        }
        case MatchAction::Kind::Take:
        case MatchAction::Kind::Drop: {
            if (options_.cube && doubledNow) {
                // The taker's equities, per unit of the cube before the double.
                const bool take = a.kind == MatchAction::Kind::Take;
                Decision d;
                d.kind = take ? Decision::Kind::Take : Decision::Kind::Drop;
                d.player = a.player;
                d.action = i;
                d.cubeValue = cubeValue_ / 2;
                d.noDouble = pending_.noDouble;
                d.doubleTake = pending_.doubleTake;
                d.equity = take ? -pending_.doubleTake : -1.0;
                d.bestEquity = std::max(-pending_.doubleTake, -1.0);
                d.loss = TakeLoss(pending_, take);
                d.mark = MarkOf(1000 * d.loss);
                decisions_.push_back(d);
            }
            if (a.kind == MatchAction::Kind::Take) owner_ = a.player;
            break;
        }
        }
        if (!out.error.empty()) break;
        if (options_.progress) options_.progress(i + 1, total);
    }
    expert_.SetPoll({});
    out.complete = out.error.empty() && !Stopped();
    out.decisions = std::move(decisions_);
    Summarise(out);
    return out;
}

void Analyser::Summarise(GameAnalysis& out) const
{
    for (const Decision& d : out.decisions) {
        SideSummary& s = out.sides[static_cast<std::size_t>(d.player)];
        if (d.kind == Decision::Kind::Play) {
            ++s.rolls;
            s.luck += d.luck;
        }
        if (d.forced) continue;
        ++s.decisions;
        if (d.kind == Decision::Kind::Play)
            ++s.plays;
        else
            ++s.cubeDecisions;
        s.errorTotal += d.loss;
        ++s.marks[static_cast<std::size_t>(d.mark)];
    }
    for (SideSummary& s : out.sides) {
        if (s.decisions == 0) continue;
        s.errorRate = 1000 * s.errorTotal / s.decisions;
        s.rating = RatingOf(s.errorRate);
    }
}

} // namespace

double DoubleLoss(const CubeDecision& c, bool doubled)
{
    const double doubledEquity = std::min(c.doubleTake, 1.0);
    return std::max(c.noDouble, doubledEquity) - (doubled ? doubledEquity : c.noDouble);
}

double TakeLoss(const CubeDecision& c, bool took)
{
    return std::max(-c.doubleTake, -1.0) - (took ? -c.doubleTake : -1.0);
}

std::vector<JudgedPlay> RankPlays(Expert& expert, const std::vector<Play>& plays, int plies, const ExpertFilter& filter,
                                  bool cubeful, CubeHolder holder, std::size_t alsoDeep)
{
    plies = std::clamp(plies, 0, EXPERT_MAX_PLIES);
    std::vector<JudgedPlay> judged(plays.size());
    std::vector<double> equity(plays.size());
    const auto judge = [&](std::size_t k, int ply) {
        judged[k].index = k;
        judged[k].plies = ply;
        judged[k].equity = equity[k] = PlayValue(expert, plays[k].after, ply, cubeful, holder, &judged[k].chances);
        return !expert.Abandoned();
    };
    for (std::size_t k = 0; k < plays.size(); ++k)
        if (!judge(k, 0)) return {};
    std::vector<std::size_t> all(plays.size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<std::size_t> list = Shortlist(equity, all, filter.rootKeep1, filter.rootMargin1);
    for (int ply = 1; ply <= plies; ++ply) {
        for (std::size_t k : list)
            if (!judge(k, ply)) return {};
        if (ply < plies) list = Shortlist(equity, list, filter.rootKeep2, filter.rootMargin2);
    }
    if (alsoDeep < plays.size() && judged[alsoDeep].plies < plies && !judge(alsoDeep, plies)) return {};
    std::stable_sort(judged.begin(), judged.end(), [](const JudgedPlay& x, const JudgedPlay& y) {
        return x.plies != y.plies ? x.plies > y.plies : x.equity > y.equity;
    });
    return judged;
}

std::vector<Hint> BestPlays(Expert& expert, const BoardData& board, int player, int d1, int d2, CubeHolder holder,
                            bool cubeful, int count, int plies)
{
    const Checkers view = FromBoard(board, player);
    PlayMaker maker;
    const std::vector<Play>& plays = maker.Make(view, d1, d2);
    const std::vector<JudgedPlay> ranked = RankPlays(expert, plays, plies, ExpertFilter{}, cubeful, holder);
    std::vector<Hint> out;
    for (const JudgedPlay& j : ranked) {
        if (static_cast<int>(out.size()) >= count) break;
        const Play& play = plays[j.index];
        out.push_back({MatchMovesOf(play, view, player), ToGameMove(play, player), j.equity, j.chances, j.plies});
    }
    return out;
}

std::optional<PlayVerdict> JudgeMadePlay(Expert& expert, const BoardData& before, const BoardData& after, int player,
                                         int d1, int d2, CubeHolder holder, bool cubeful, int plies)
{
    const Checkers view = FromBoard(before, player);
    const Checkers target = FromBoard(after, player);
    PlayMaker maker;
    const std::vector<Play>& plays = maker.Make(view, d1, d2);
    const auto made = std::find_if(plays.begin(), plays.end(), [&](const Play& p) { return p.after == target; });
    if (made == plays.end()) return std::nullopt;
    const std::size_t index = static_cast<std::size_t>(made - plays.begin());
    PlayVerdict verdict;
    verdict.made = MatchMovesOf(*made, view, player);
    verdict.best = verdict.made;
    if (plays.size() == 1) return verdict;
    const std::vector<JudgedPlay> ranked = RankPlays(expert, plays, plies, ExpertFilter{}, cubeful, holder, index);
    if (ranked.empty()) return std::nullopt;
    const auto judged =
        std::find_if(ranked.begin(), ranked.end(), [&](const JudgedPlay& j) { return j.index == index; });
    verdict.loss = std::max(0.0, ranked[0].equity - judged->equity);
    verdict.mark = MarkOf(1000 * verdict.loss);
    verdict.best = MatchMovesOf(plays[ranked[0].index], view, player);
    return verdict;
}

GameAnalysis AnalyseGame(const MatchGame& game, Expert& expert, const AnalysisOptions& options)
{
    Analyser analyser(game, expert, options);
    return analyser.Run();
}
