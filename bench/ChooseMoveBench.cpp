// SPDX-License-Identifier: GPL-3.0-or-later
// The computer player's speed: ChooseMove over a fixed corpus of positions and
// rolls met in seeded self-play, and whole self-play games.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/board/Board.h"
#include "core/board/RulesEngine.h"
#include "core/board/SelfPlay.h"
#include "core/dice/DiceRecord.h"

namespace {

// A search as the computer meets it: the position as player 1 sees it
// (the human's turns mirrored), the roll and the race flag of the turn.
struct Sample {
    BoardData board;
    int first, second;
    bool race;
};

// Every searched turn of 200 games at "Good" on both sides, seeds fixed.
const std::vector<Sample>& Corpus()
{
    static const std::vector<Sample> corpus = [] {
        std::vector<Sample> samples;
        Board scratch;
        scratch.BuildBoard(true);
        Random random;
        DiceRecord dice(&random, nullptr);
        RulesEngine rules(&scratch, &dice);
        SelfPlayOptions options;
        options.onTurn = [&](const SelfPlayTurn& turn) {
            if (turn.player == COMPUTER && turn.count == 0) return; // closed out: not searched
            const BoardData board = turn.player == COMPUTER ? turn.before : Mirrored(turn.before);
            scratch.SetData(board);
            samples.push_back({board, turn.first, turn.second, rules.UpdateRace()});
        };
        Random games(20240601);
        for (int g = 0; g < 200; ++g) PlaySelfGame(games, options);
        return samples;
    }();
    return corpus;
}

struct Engine {
    Board board;
    Random random;
    DiceRecord dice{&random, nullptr};
    RulesEngine rules{&board, &dice};
    int level = 2;
    explicit Engine(int skill) : level(skill)
    {
        board.BuildBoard(true);
        board.CurrentPlayer = COMPUTER;
    }

    void Search(const Sample& s)
    {
        board.SetData(s.board);
        rules.race = s.race;
        dice.SetRoll(s.first, s.second);
        rules.ChooseMove(false, level);
    }
};

// Mean time per ChooseMove over the corpus; the counters give the corpus
// size and the slowest single search (the fastest of three runs of each
// position, so that a preempted run does not count as the engine's time).
void BM_ChooseMove(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const std::vector<Sample>& corpus = Corpus();
    Engine engine(static_cast<int>(state.range(0)));

    double worst = 0;
    for (const Sample& s : corpus) {
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto t0 = Clock::now();
            engine.Search(s);
            best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        }
        worst = std::max(worst, best);
    }

    std::size_t i = 0;
    for (auto _ : state) {
        engine.Search(corpus[i]);
        benchmark::DoNotOptimize(engine.rules.bestFrom);
        if (++i == corpus.size()) i = 0;
    }
    state.counters["positions"] = static_cast<double>(corpus.size());
    state.counters["worst_us"] = worst;
}
BENCHMARK(BM_ChooseMove)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Whole games at "Good" on both sides; the counter is games per second.
void BM_SelfPlayGame(benchmark::State& state)
{
    Random random(7);
    long turns = 0;
    for (auto _ : state) {
        const SelfPlayResult r = PlaySelfGame(random);
        turns += r.turns;
        benchmark::DoNotOptimize(r.signature);
    }
    state.counters["games_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["turns_per_game"] = static_cast<double>(turns) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SelfPlayGame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
