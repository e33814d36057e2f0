// SPDX-License-Identifier: GPL-3.0-or-later
// The time the Expert takes over each play of whole self-played games, both
// sides at the Expert: the slowest play, the median and the 99th percentile,
// and the longest stretch of a search between two of its polls (or its start
// or end). The game looks at its window in a poll once 25 ms have passed, so
// that stretch plus 25 ms bounds how long a close request waits.
//
//   tablor_expert_time [--games N] [--seed S] [--plies P]   (weights as LocateWeights finds them)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "core/board/SelfPlay.h"
#include "core/neural/Expert.h"
#include "core/neural/WeightsFile.h"

int main(int argc, char** argv)
{
    int games = 10;
    unsigned seed = 1;
    int plies = EXPERT_DEFAULT_PLIES;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--games") == 0)
            games = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--plies") == 0)
            plies = std::atoi(argv[i + 1]);
    }
    const std::string path = LocateWeights();
    NetworksResult r = LoadNetworks(path);
    if (!r.networks) {
        std::fprintf(stderr, "%s\n", r.error.c_str());
        return 2;
    }
    Expert expert(std::make_shared<const Evaluator>(std::move(*r.networks)), plies);
    std::vector<double> ms;
    double cubeWorst = 0;
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastPoll = Clock::now();
    double worstGap = 0;
    const auto gap = [&] {
        const Clock::time_point now = Clock::now();
        worstGap = std::max(worstGap, std::chrono::duration<double, std::milli>(now - lastPoll).count());
        lastPoll = now;
    };
    expert.SetPoll([&] {
        gap();
        return true;
    });
    SelfPlayOptions options;
    options.computerLevel = 3;
    options.humanLevel = 3;
    options.otherLevel = [&](const BoardData& board, int player, int first, int second,
                             std::array<std::pair<int, int>, 4>& moves) {
        auto start = Clock::now();
        lastPoll = start;
        // The cube decision the game asks for before the roll, then the play.
        const Checkers c = FromBoard(board, player);
        (void)expert.EvaluatePly(c, 1);
        cubeWorst = std::max(cubeWorst, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        start = Clock::now();
        const ExpertMove m = expert.Choose(board, player, first, second);
        gap();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        for (int k = 0; k < m.count; ++k) moves[k] = m.pairs[k];
        return m.count;
    };
    Random random(seed);
    for (int g = 0; g < games; ++g) PlaySelfGame(random, options);
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return 1;
    std::printf("weights %s, %d plies: %zu plays in %d games\n", path.c_str(), plies, ms.size(), games);
    std::printf("play ms: median %.1f, 99th percentile %.1f, worst %.1f; cube evaluation worst %.1f; "
                "longest stretch without a poll %.1f\n",
                ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(), cubeWorst, worstGap);
    return 0;
}
