// SPDX-License-Identifier: GPL-3.0-or-later
// The Expert's speed with the weights the game plays with (res/expert.tnw or
// $TABLOR_WEIGHTS): evaluations per second on one core, the move time at
// each depth over the positions of seeded Expert self-play (median and
// slowest), and training games per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "core/neural/Expert.h"
#include "core/neural/WeightsFile.h"

namespace {

struct Sample {
    Checkers position;
    int d1, d2;
};

std::shared_ptr<const Evaluator> TheEvaluator()
{
    static const std::shared_ptr<const Evaluator> eval = [] {
        NetworksResult r = LoadNetworks(LocateWeights());
        if (!r.networks) {
            std::fprintf(stderr, "ExpertBench: %s\n", r.error.c_str());
            std::exit(2);
        }
        return std::make_shared<const Evaluator>(std::move(*r.networks));
    }();
    return eval;
}

// Every position of 40 seeded games of the Expert at 0-ply against itself,
// with the roll that was played there.
const std::vector<Sample>& Corpus()
{
    static const std::vector<Sample> corpus = [] {
        std::vector<Sample> samples;
        Expert expert(TheEvaluator(), 0);
        std::mt19937 rng(20261209);
        for (int g = 0; g < 40; ++g) {
            Checkers c = StartingCheckers();
            while (Classify(c) != PositionKind::Finished) {
                const int d1 = static_cast<int>(rng() % 6) + 1, d2 = static_cast<int>(rng() % 6) + 1;
                samples.push_back({c, d1, d2});
                c = Flipped(expert.ChoosePlay(c, d1, d2).after);
            }
        }
        return samples;
    }();
    return corpus;
}

// One evaluation of a position by the networks (the bear-off table's
// positions left out, as they are looked up).
void BM_Evaluate(benchmark::State& state)
{
    const Evaluator& eval = *TheEvaluator();
    std::vector<Checkers> positions;
    for (const Sample& s : Corpus())
        if (Classify(s.position) == PositionKind::Contact || Classify(s.position) == PositionKind::Race)
            positions.push_back(s.position);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(eval.Evaluate(positions[i]));
        if (++i == positions.size()) i = 0;
    }
    state.counters["evaluations_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Evaluate);

// A move at the given depth; counters give the median and the slowest move
// over the whole corpus.
void BM_ExpertMove(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const std::vector<Sample>& corpus = Corpus();
    Expert expert(TheEvaluator(), static_cast<int>(state.range(0)));
    std::vector<double> times;
    for (const Sample& s : corpus) {
        const auto t0 = Clock::now();
        benchmark::DoNotOptimize(expert.ChoosePlay(s.position, s.d1, s.d2));
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::sort(times.begin(), times.end());
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(expert.ChoosePlay(corpus[i].position, corpus[i].d1, corpus[i].d2));
        if (++i == corpus.size()) i = 0;
    }
    state.counters["positions"] = static_cast<double>(corpus.size());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
}
BENCHMARK(BM_ExpertMove)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
