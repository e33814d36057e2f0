// SPDX-License-Identifier: GPL-3.0-or-later
// The time the analysis of a whole game takes: self-played games (the
// computer's level 2 on both sides, as selfplay plays them) each recorded
// and judged by the Expert at --plies, with the cube. Prints per game its
// decisions and seconds, then the slowest game, the mean, and the time of
// 60 decisions at the mean rate and at the slowest game's rate.
//
//   tablor_analysis_time [--games N] [--seed S] [--plies P]   (weights as LocateWeights finds them)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/board/SelfPlay.h"
#include "core/neural/Analysis.h"
#include "core/neural/WeightsFile.h"

int main(int argc, char** argv)
{
    int games = 10;
    unsigned seed = 1;
    int plies = ANALYSIS_DEFAULT_PLIES;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--games") == 0)
            games = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--plies") == 0)
            plies = std::atoi(argv[i + 1]);
    }
    NetworksResult r = LoadNetworks(LocateWeights());
    if (!r.networks) {
        std::fprintf(stderr, "%s\n", r.error.c_str());
        return 2;
    }
    Expert expert(std::make_shared<const Evaluator>(std::move(*r.networks)));
    Random random(seed);
    GameRecord record;
    SelfPlayOptions options;
    options.onTurn = [&](const SelfPlayTurn& turn) { RecordTurn(turn, record); };
    AnalysisOptions analysis;
    analysis.plies = plies;
    using Clock = std::chrono::steady_clock;
    double total = 0, slowestRate = 0;
    long decisions = 0;
    for (int g = 0; g < games; ++g) {
        record.Start(true);
        const SelfPlayResult result = PlaySelfGame(random, options);
        record.End(result.winner, result.points, true);
        const MatchGame game = record.Game();
        const auto started = Clock::now();
        const GameAnalysis a = AnalyseGame(game, expert, analysis);
        const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
        if (!a.complete) {
            std::fprintf(stderr, "game %d: %s\n", g + 1, a.error.c_str());
            return 1;
        }
        const long n = static_cast<long>(a.decisions.size());
        std::printf("game %d: %ld decisions, %.3f s\n", g + 1, n, seconds);
        total += seconds;
        decisions += n;
        if (n > 0) slowestRate = std::max(slowestRate, seconds / static_cast<double>(n));
    }
    std::printf("%d games at %d plies: %ld decisions in %.2f s; 60 decisions take %.2f s at the mean rate, "
                "%.2f s at the slowest game's\n",
                games, plies, decisions, total, decisions > 0 ? 60 * total / static_cast<double>(decisions) : 0.0,
                60 * slowestRate);
    return 0;
}
