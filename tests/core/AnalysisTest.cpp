// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis of a game by the Expert, on records built here from chosen
// rolls and plays: what a forced play, the Expert's own play and a very bad
// play lose, the cube's errors, the luck of the dice, and a stop asked for
// half way.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "core/files/Notation.h"
#include "core/neural/Analysis.h"
#include "core/neural/WeightsFile.h"

namespace {

std::shared_ptr<const Evaluator> Weights()
{
    static std::shared_ptr<const Evaluator> eval = [] {
        NetworksResult r = LoadNetworks(LocateWeights());
        return r.networks ? std::make_shared<const Evaluator>(std::move(*r.networks)) : nullptr;
    }();
    return eval;
}

// Picks a play of the roll for the side on roll.
using Chooser = std::function<Play(const Checkers& view, int d1, int d2, int turn)>;

// Picks the roll of a turn for the side on roll.
using Roller = std::function<std::pair<int, int>(const Checkers& view, int turn)>;

// A record of `turns` turns from the start, alternating from the computer,
// with the rolls and plays picked; stops when a side has borne off.
MatchGame Record(int turns, const Roller& roll, const Chooser& choose)
{
    MatchGame game;
    Checkers pos = StartingCheckers();
    int player = COMPUTER;
    for (int t = 0; t < turns; ++t) {
        const Checkers view = player == COMPUTER ? pos : Flipped(pos);
        const auto [d1, d2] = roll(view, t);
        const Play play = choose(view, d1, d2, t);
        MatchAction a;
        a.player = player;
        a.first = d1;
        a.second = d2;
        a.moves = MatchMovesOf(play, view, player);
        game.actions.push_back(a);
        pos = player == COMPUTER ? play.after : Flipped(play.after);
        if (Classify(pos) == PositionKind::Finished) {
            game.winner = player;
            break;
        }
        player = Opponent(player);
    }
    return game;
}

MatchGame Record(const std::vector<std::pair<int, int>>& rolls, const Chooser& choose)
{
    return Record(
        static_cast<int>(rolls.size()), [&](const Checkers&, int t) { return rolls[static_cast<std::size_t>(t)]; },
        choose);
}

std::vector<std::pair<int, int>> RandomRolls(unsigned seed, int count)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> die(1, 6);
    std::vector<std::pair<int, int>> rolls;
    while (static_cast<int>(rolls.size()) < count) {
        const int a = die(rng), b = die(rng);
        if (rolls.empty() && a == b) continue; // an opening roll is never a double
        rolls.emplace_back(a, b);
    }
    return rolls;
}

} // namespace

TEST(Analysis, MarksAndRatingsFollowTheirThresholds)
{
    EXPECT_EQ(MarkOf(39.9), Mark::None);
    EXPECT_EQ(MarkOf(40), Mark::Doubtful);
    EXPECT_EQ(MarkOf(79.9), Mark::Doubtful);
    EXPECT_EQ(MarkOf(80), Mark::Bad);
    EXPECT_EQ(MarkOf(160), Mark::VeryBad);
    EXPECT_STREQ(MarkName(Mark::VeryBad), "very bad");
    EXPECT_STREQ(RatingOf(0), "Supernatural");
    EXPECT_STREQ(RatingOf(2), "World class");
    EXPECT_STREQ(RatingOf(10), "Advanced");
    EXPECT_STREQ(RatingOf(34.9), "Beginner");
    EXPECT_STREQ(RatingOf(35), "Awful");
}

// The Expert's own plays at its depth lose nothing when judged at that
// depth by the same equity, forced plays lose nothing whatever the equity,
// and the record's moves written back as plays give the same game.
TEST(Analysis, TheExpertsOwnAndForcedPlaysLoseNothing)
{
    ASSERT_NE(Weights(), nullptr);
    Expert expert(Weights(), 1);
    const MatchGame game = Record(RandomRolls(5, 400),
                                  [&](const Checkers& v, int d1, int d2, int) { return expert.ChoosePlay(v, d1, d2); });
    ASSERT_NE(game.winner, NOBODY);
    AnalysisOptions cubeless;
    cubeless.plies = 1;
    cubeless.cubeful = false;
    cubeless.cube = false;
    const GameAnalysis a = AnalyseGame(game, expert, cubeless);
    ASSERT_TRUE(a.complete) << a.error;
    ASSERT_EQ(a.decisions.size(), game.actions.size());
    int forced = 0;
    for (const Decision& d : a.decisions) {
        EXPECT_LT(d.loss, 1e-6) << "action " << d.action + 1;
        EXPECT_EQ(d.rank, 0) << "action " << d.action + 1;
        forced += d.forced;
    }
    EXPECT_GT(forced, 0);
    EXPECT_EQ(a.sides[COMPUTER].decisions + a.sides[HUMAN].decisions, static_cast<int>(game.actions.size()) - forced);

    // Cubeful, forced plays still lose nothing and carry no mark.
    const GameAnalysis cubeful = AnalyseGame(game, expert, {});
    ASSERT_TRUE(cubeful.complete);
    for (const Decision& d : cubeful.decisions)
        if (d.forced) {
            EXPECT_EQ(d.loss, 0);
            EXPECT_EQ(d.mark, Mark::None);
        }
}

// The hints of a roll: deepest first and by equity within a depth, the
// cubeless equity that of the chances, the best at 1-ply the Expert's own
// play, the classic opening 3-1 on top, and the figures those the analysis
// gives the same plays (the loss of the second best its difference).
TEST(Analysis, HintsRankThePlaysAsTheExpertAndTheAnalysisDo)
{
    ASSERT_NE(Weights(), nullptr);
    Expert expert(Weights(), 1);
    const BoardData start = WithFixedOwners(StandardSetup());
    ASSERT_EQ(FromBoard(start, COMPUTER), StartingCheckers());
    for (const auto& [d1, d2] : RandomRolls(9, 6)) {
        SCOPED_TRACE(std::to_string(d1) + "-" + std::to_string(d2));
        const std::vector<Hint> hints = BestPlays(expert, start, COMPUTER, d1, d2, CubeHolder::Centred, false, 6, 1);
        ASSERT_FALSE(hints.empty());
        EXPECT_LE(hints.size(), 6u);
        for (std::size_t k = 0; k < hints.size(); ++k) {
            EXPECT_NEAR(hints[k].equity, hints[k].chances.Equity(), 1e-6);
            if (k == 0) continue;
            EXPECT_GE(hints[k - 1].plies, hints[k].plies);
            if (hints[k - 1].plies == hints[k].plies) {
                EXPECT_GE(hints[k - 1].equity, hints[k].equity);
            }
        }
        const ExpertMove own = expert.Choose(start, COMPUTER, d1, d2);
        EXPECT_EQ(hints[0].move.count, own.count);
        for (int k = 0; k < own.count; ++k) EXPECT_EQ(hints[0].move.pairs[k], own.pairs[k]);
    }
    const std::vector<Hint> opening = BestPlays(expert, start, HUMAN, 3, 1, CubeHolder::Centred, true, 10);
    ASSERT_GE(opening.size(), 2u);
    EXPECT_EQ(PlayNotation(HUMAN, opening[0].moves), "8/5 6/5");
    EXPECT_EQ(opening[0].plies, ANALYSIS_DEFAULT_PLIES);

    // The tenth best play at 0-ply, played as the human's opening and judged
    // as deep.
    const std::vector<Hint> looked = BestPlays(expert, start, HUMAN, 3, 1, CubeHolder::Centred, true, 10, 0);
    ASSERT_EQ(looked.size(), 10u);
    const std::size_t worse = 9;
    MatchGame game;
    MatchAction a;
    a.player = HUMAN;
    a.first = 3;
    a.second = 1;
    a.moves = looked[worse].moves;
    game.actions.push_back(a);
    AnalysisOptions options;
    options.plies = 0;
    const GameAnalysis judged = AnalyseGame(game, expert, options);
    ASSERT_EQ(judged.decisions.size(), 1u);
    EXPECT_NEAR(judged.decisions[0].bestEquity, looked[0].equity, 1e-9);
    EXPECT_NEAR(judged.decisions[0].loss, looked[0].equity - looked[worse].equity, 1e-9);
    EXPECT_GT(judged.decisions[0].loss, 0);
    EXPECT_EQ(judged.decisions[0].best[0].moves, looked[0].moves);
}

// The worst play of a roll by the Expert's first look, made once in a game
// of good plays, is marked and counted in its side's summary only.
TEST(Analysis, ADeliberatelyBadPlayIsMarked)
{
    ASSERT_NE(Weights(), nullptr);
    Expert expert(Weights(), 1);
    constexpr int BAD_TURN = 2; // the computer's second turn
    const MatchGame game = Record(RandomRolls(9, 12), [&](const Checkers& v, int d1, int d2, int turn) {
        if (turn != BAD_TURN) return expert.ChoosePlay(v, d1, d2);
        PlayMaker maker;
        const std::vector<Play> plays = maker.Make(v, d1, d2);
        return *std::min_element(plays.begin(), plays.end(), [&](const Play& x, const Play& y) {
            return expert.EvaluatePly(Flipped(x.after), 0).Inverted().Equity() <
                   expert.EvaluatePly(Flipped(y.after), 0).Inverted().Equity();
        });
    });
    const GameAnalysis a = AnalyseGame(game, expert, {});
    ASSERT_TRUE(a.complete) << a.error;
    const Decision& bad = a.decisions[BAD_TURN];
    ASSERT_FALSE(bad.forced);
    EXPECT_GE(1000 * bad.loss, BAD_MEMG);
    EXPECT_TRUE(bad.mark == Mark::Bad || bad.mark == Mark::VeryBad);
    EXPECT_GT(bad.rank, 0);
    EXPECT_NEAR(bad.loss, bad.bestEquity - bad.equity, 1e-12);
    ASSERT_FALSE(bad.best.empty());
    EXPECT_EQ(bad.best[0].equity, bad.bestEquity);
    EXPECT_NE(bad.best[0].moves, game.actions[BAD_TURN].moves);
    const SideSummary& computer = a.sides[COMPUTER];
    EXPECT_GE(computer.marks[static_cast<int>(Mark::Bad)] + computer.marks[static_cast<int>(Mark::VeryBad)], 1);
    EXPECT_GE(computer.errorTotal, bad.loss);
    EXPECT_NEAR(computer.errorRate, 1000 * computer.errorTotal / computer.decisions, 1e-9);
    EXPECT_GT(computer.errorRate, a.sides[HUMAN].errorRate);
}

// One side always rolls what is best for it by the Expert's first look, the
// other what is worst: the first side's luck adds up above zero, the other's
// below, and each counts its rolls.
TEST(Analysis, LuckFavoursTheSideWithTheBestRolls)
{
    ASSERT_NE(Weights(), nullptr);
    Expert expert(Weights(), 1);
    PlayMaker maker;
    // The cubeless equity of the roll's best play at 0-ply.
    const auto value = [&](const Checkers& v, int d1, int d2) {
        double best = -10;
        for (const Play& p : maker.Make(v, d1, d2))
            best = std::max(best, expert.EvaluatePly(Flipped(p.after), 0).Inverted().Equity());
        return best;
    };
    const auto roll = [&](const Checkers& v, int turn) {
        if (turn == 0) return std::pair{3, 1};
        std::pair<int, int> pick{1, 1};
        double pickValue = turn % 2 == 0 ? -10 : 10;
        for (int a = 1; a <= 6; ++a)
            for (int b = 1; b <= a; ++b) {
                const double e = value(v, a, b);
                if (turn % 2 == 0 ? e > pickValue : e < pickValue) pick = {a, b}, pickValue = e;
            }
        return pick;
    };
    const MatchGame game =
        Record(20, roll, [&](const Checkers& v, int d1, int d2, int) { return expert.ChoosePlay(v, d1, d2); });
    AnalysisOptions options;
    options.cube = false;
    const GameAnalysis a = AnalyseGame(game, expert, options);
    ASSERT_TRUE(a.complete) << a.error;
    EXPECT_EQ(a.sides[COMPUTER].rolls + a.sides[HUMAN].rolls, static_cast<int>(game.actions.size()));
    EXPECT_GT(a.sides[COMPUTER].luck, 0.5);
    EXPECT_LT(a.sides[HUMAN].luck, 0.0);
}

// A double at the start is wrong, and so is dropping it: the take was right.
TEST(Analysis, CubeActionsAreJudged)
{
    ASSERT_NE(Weights(), nullptr);
    Expert expert(Weights(), 1);
    MatchGame game =
        Record({{3, 1}}, [&](const Checkers& v, int d1, int d2, int) { return expert.ChoosePlay(v, d1, d2); });
    MatchAction dbl;
    dbl.kind = MatchAction::Kind::Double;
    dbl.player = HUMAN;
    dbl.cubeValue = 2;
    MatchAction drop;
    drop.kind = MatchAction::Kind::Drop;
    drop.player = COMPUTER;
    game.actions.push_back(dbl);
    game.actions.push_back(drop);
    const GameAnalysis a = AnalyseGame(game, expert, {});
    ASSERT_TRUE(a.complete) << a.error;
    ASSERT_EQ(a.decisions.size(), 3u);
    const Decision& d = a.decisions[1];
    EXPECT_EQ(d.kind, Decision::Kind::Double);
    EXPECT_EQ(d.player, HUMAN);
    EXPECT_GT(d.loss, 0);
    EXPECT_LT(d.doubleTake, 1.0);
    const Decision& p = a.decisions[2];
    EXPECT_EQ(p.kind, Decision::Kind::Drop);
    EXPECT_EQ(p.player, COMPUTER);
    EXPECT_EQ(p.mark, Mark::VeryBad);
    EXPECT_NEAR(p.loss, 1.0 - p.doubleTake, 1e-12);
    EXPECT_EQ(a.sides[COMPUTER].cubeDecisions, 1);
    EXPECT_EQ(a.sides[HUMAN].cubeDecisions, 1);

    // Taken instead, the take loses nothing, and the cube is then the taker's.
    game.actions.back().kind = MatchAction::Kind::Take;
    const GameAnalysis taken = AnalyseGame(game, expert, {});
    ASSERT_TRUE(taken.complete);
    EXPECT_EQ(taken.decisions[2].kind, Decision::Kind::Take);
    EXPECT_EQ(taken.decisions[2].loss, 0);
}

// A stop asked for by the poll ends the analysis early with what it judged
// whole; the progress counts the actions judged; a record whose moves are
// not a play of its roll is refused with the action named.
TEST(Analysis, StopsWhenAskedAndRefusesImpossibleRecords)
{
    ASSERT_NE(Weights(), nullptr);
    Expert expert(Weights(), 1);
    const MatchGame game = Record(RandomRolls(3, 30),
                                  [&](const Checkers& v, int d1, int d2, int) { return expert.ChoosePlay(v, d1, d2); });
    AnalysisOptions options;
    int lastDone = 0, total = 0;
    options.progress = [&](int done, int all) {
        lastDone = done;
        total = all;
    };
    const GameAnalysis whole = AnalyseGame(game, expert, options);
    ASSERT_TRUE(whole.complete);
    EXPECT_EQ(lastDone, static_cast<int>(game.actions.size()));
    EXPECT_EQ(total, lastDone);

    int polls = 0;
    options.poll = [&] { return ++polls < 100; };
    const GameAnalysis stopped = AnalyseGame(game, expert, options);
    EXPECT_FALSE(stopped.complete);
    EXPECT_TRUE(stopped.error.empty());
    EXPECT_LT(stopped.decisions.size(), whole.decisions.size());
    EXPECT_LT(lastDone, total);
    EXPECT_EQ(polls, 100);
    for (std::size_t k = 0; k < stopped.decisions.size(); ++k)
        EXPECT_EQ(stopped.decisions[k].loss, whole.decisions[k].loss) << k;
    // The poll goes with the analysis: the Expert searches to the end again.
    expert.ChoosePlay(StartingCheckers(), 4, 2);
    EXPECT_FALSE(expert.Abandoned());

    MatchGame broken = game;
    broken.actions[3].moves.pop_back();
    const GameAnalysis refused = AnalyseGame(broken, expert, {});
    EXPECT_FALSE(refused.complete);
    EXPECT_NE(refused.error.find("action 4"), std::string::npos) << refused.error;
    EXPECT_EQ(refused.decisions.size(), 3u);
}
