// SPDX-License-Identifier: GPL-3.0-or-later
// The Expert's parts: the plays of a roll against a plain search of every
// order of the dice, the bear-off table against exact recursion, the
// evaluator's invariants, the weights file and the Expert's choices.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/board/BoardData.h"
#include "core/neural/Bearoff.h"
#include "core/neural/Cube.h"
#include "core/neural/Evaluator.h"
#include "core/neural/Expert.h"
#include "core/neural/Plays.h"
#include "core/neural/WeightsFile.h"

namespace {

std::string Key(const Checkers& c)
{
    std::string k(c.me.begin(), c.me.end());
    k.append(c.you.begin(), c.you.end());
    return k;
}

// A sound position of random shape: each side's 15 pieces spread over its
// bar, its points and its tray, no point held by both.
Checkers RandomCheckers(std::mt19937& rng)
{
    for (;;) {
        Checkers c;
        std::uniform_int_distribution<int> spot(0, 25);
        const bool home = rng() % 4 == 0; // often a bear-off, where the bear-off rules bite
        for (int n = 0; n < PIECES_PER_SIDE; ++n) {
            c.me[home ? spot(rng) % 7 : spot(rng)]++;
            c.you[spot(rng)]++;
        }
        if (IsSound(c)) return c;
    }
}

// Positions of seeded play: the first play of each roll, which reaches the
// shapes of real games (hits, bars, races) quickly.
std::vector<Checkers> PlayedCheckers(int count, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<Checkers> out;
    PlayMaker maker;
    Checkers c = StartingCheckers();
    while (static_cast<int>(out.size()) < count) {
        const auto& plays = maker.Make(c, static_cast<int>(rng() % 6) + 1, static_cast<int>(rng() % 6) + 1);
        c = Flipped(plays[rng() % plays.size()].after);
        if (Classify(c) == PositionKind::Finished)
            c = StartingCheckers();
        else
            out.push_back(c);
    }
    return out;
}

// Every position a roll can reach, by trying each die in each order from
// every point: as many dice as can be used, and of one die of two the higher
// where it can be played.
std::set<std::string> AllPlays(const Checkers& start, int d1, int d2)
{
    std::vector<int> dice = d1 == d2 ? std::vector<int>(4, d1) : std::vector<int>{d1, d2};
    std::map<std::string, std::pair<int, int>> reached; // key -> (dice used, die of a one-die play)
    int most = 0;
    std::function<void(const Checkers&, std::vector<int>, int, int)> go = [&](const Checkers& c, std::vector<int> left,
                                                                              int used, int first) {
        bool moved = false;
        for (std::size_t k = 0; k < left.size(); ++k)
            for (int from = 1; from <= BAR_POINT; ++from) {
                if (!LegalMove(c, from, left[k])) continue;
                moved = true;
                Checkers next = c;
                ApplyMove(next, from, left[k]);
                std::vector<int> rest = left;
                rest.erase(rest.begin() + static_cast<long>(k));
                go(next, rest, used + 1, used == 0 ? left[k] : first);
            }
        if (!moved) {
            most = std::max(most, used);
            auto& r = reached[Key(c)];
            if (used > r.first || (used == r.first && first > r.second)) r = {used, first};
        }
    };
    go(start, dice, 0, 0);
    std::set<std::string> out;
    const bool highOnly = d1 != d2 && most == 1 && std::any_of(reached.begin(), reached.end(), [&](const auto& r) {
                              return r.second.first == 1 && r.second.second == std::max(d1, d2);
                          });
    for (const auto& [key, r] : reached)
        if (r.first == most && (!highOnly || r.second == std::max(d1, d2))) out.insert(key);
    return out;
}

Networks RandomNetworks(std::uint64_t seed)
{
    Networks n;
    n.contact = Network::Random(32, seed);
    n.race = Network::Random(16, seed + 1);
    n.gamesTrained = 1234;
    return n;
}

} // namespace

TEST(NeuralPlays, EveryPlayOfEveryRollAgreesWithASearchOfAllDiceOrders)
{
    std::mt19937 rng(7);
    std::vector<Checkers> positions = PlayedCheckers(150, 3);
    for (int n = 0; n < 150; ++n) positions.push_back(RandomCheckers(rng));
    PlayMaker maker;
    for (const Checkers& c : positions)
        for (int d1 = 1; d1 <= 6; ++d1)
            for (int d2 = d1; d2 <= 6; ++d2) {
                const std::vector<Play>& plays = maker.Make(c, d1, d2);
                std::set<std::string> made;
                for (const Play& p : plays) {
                    // Each play's moves, replayed one by one, are legal and end where it says.
                    Checkers replay = c;
                    for (int k = 0; k < p.count; ++k) {
                        ASSERT_TRUE(LegalMove(replay, p.from[k], p.die[k]));
                        ApplyMove(replay, p.from[k], p.die[k]);
                    }
                    ASSERT_EQ(replay, p.after);
                    ASSERT_TRUE(IsSound(p.after));
                    EXPECT_TRUE(made.insert(Key(p.after)).second) << "a position kept twice";
                }
                std::set<std::string> expected = AllPlays(c, d1, d2);
                if (expected.empty()) expected.insert(Key(c));
                ASSERT_EQ(made, expected) << "roll " << d1 << "-" << d2;
            }
}

TEST(NeuralPlays, BoardsConvertBothWays)
{
    EXPECT_EQ(FromBoard(WithFixedOwners(StandardSetup()), COMPUTER), StartingCheckers());
    EXPECT_EQ(FromBoard(WithFixedOwners(StandardSetup()), HUMAN), StartingCheckers());
    std::mt19937 rng(11);
    for (int n = 0; n < 200; ++n) {
        const Checkers c = RandomCheckers(rng);
        for (int player : {COMPUTER, HUMAN}) {
            const BoardData b = ToBoard(c, player);
            ASSERT_TRUE(IsValid(b));
            EXPECT_EQ(FromBoard(b, player), c);
            EXPECT_EQ(FromBoard(b, Opponent(player)), Flipped(c));
        }
    }
    // The computer moves down from 24, the human up from 1: a 6 from each side's 24-point.
    Checkers c = StartingCheckers();
    ApplyMove(c, 24, 6);
    EXPECT_EQ(ToBoard(c, COMPUTER)[18].count, 1);
    EXPECT_EQ(ToBoard(c, HUMAN)[7].count, 1);
}

TEST(NeuralBearoff, TheTableAgreesWithExactRecursionOnSmallPositions)
{
    const BearoffTable& table = SharedBearoffTable();
    // Expected rolls to bear off, by recursion over every roll and every play,
    // for up to four pieces on points 1..4.
    std::map<std::string, double> memo;
    std::function<double(const Checkers&)> rolls = [&](const Checkers& c) -> double {
        if (c.me[OFF_POINT] == PIECES_PER_SIDE) return 0.0;
        const std::string k = Key(c);
        if (auto it = memo.find(k); it != memo.end()) return it->second;
        double sum = 0;
        for (int d1 = 1; d1 <= 6; ++d1)
            for (int d2 = 1; d2 <= 6; ++d2) {
                double best = 1e9;
                Checkers after;
                for (const std::string& key : AllPlays(c, d1, d2)) {
                    std::copy(key.begin(), key.begin() + 26, after.me.begin());
                    std::copy(key.begin() + 26, key.end(), after.you.begin());
                    best = std::min(best, rolls(after));
                }
                sum += best / 36.0;
            }
        return memo[k] = 1.0 + sum;
    };
    int checked = 0;
    for (int a = 0; a <= 4; ++a)
        for (int b = 0; a + b <= 4; ++b)
            for (int c3 = 0; a + b + c3 <= 4; ++c3)
                for (int d = 0; a + b + c3 + d <= 4; ++d) {
                    Checkers c;
                    c.me = {};
                    c.me[1] = static_cast<std::uint8_t>(a);
                    c.me[2] = static_cast<std::uint8_t>(b);
                    c.me[3] = static_cast<std::uint8_t>(c3);
                    c.me[4] = static_cast<std::uint8_t>(d);
                    c.me[OFF_POINT] = static_cast<std::uint8_t>(PIECES_PER_SIDE - a - b - c3 - d);
                    c.you[OFF_POINT] = PIECES_PER_SIDE;
                    const int index = BearoffTable::Index(c.me);
                    const RollChances& off = table.Off(index);
                    double total = 0, mean = 0;
                    for (int n = 0; n < BEAROFF_ROLLS; ++n) {
                        EXPECT_GE(off[n], 0.0f);
                        total += off[n];
                        mean += n * off[n];
                    }
                    EXPECT_NEAR(total, 1.0, 1e-5);
                    EXPECT_NEAR(mean, rolls(c), 1e-4);
                    EXPECT_NEAR(table.MeanRolls(index), rolls(c), 1e-4);
                    ++checked;
                }
    EXPECT_EQ(checked, 70);
}

TEST(NeuralBearoff, TwoSidedChancesOfSmallRaces)
{
    const BearoffTable& table = SharedBearoffTable();
    Checkers c;
    c.me[6] = 1;
    c.me[OFF_POINT] = 14;
    c.you[1] = 1;
    c.you[OFF_POINT] = 14;
    // One piece on the 6-point comes off with a 6, a double of 2 or more, or
    // a sum of 6 or more: every roll but 1-1, 1-2, 1-3, 1-4 and 2-3.
    const auto p = table.Chances(c);
    EXPECT_NEAR(p[0], 27.0 / 36.0, 1e-6);
    for (int k = 1; k < 5; ++k) EXPECT_EQ(p[k], 0.0f);
    // The side on roll bears off its last piece at once; the other has all
    // fifteen still on its 6-point: a gammon, not a backgammon.
    Checkers g;
    g.me[1] = 1;
    g.me[OFF_POINT] = 14;
    g.you[6] = 15;
    const auto q = table.Chances(g);
    EXPECT_NEAR(q[0], 1.0, 1e-6);
    EXPECT_NEAR(q[1], 1.0, 1e-6);
    EXPECT_NEAR(q[2], 0.0, 1e-6);
    EXPECT_NEAR(q[3], 0.0, 1e-6);
}

TEST(NeuralEvaluator, ChancesAreConsistentAndFinishedGamesExact)
{
    const Networks nets = RandomNetworks(5);
    std::mt19937 rng(13);
    std::vector<Checkers> positions = PlayedCheckers(300, 9);
    for (int n = 0; n < 300; ++n) positions.push_back(RandomCheckers(rng));
    for (const Checkers& c : positions) {
        const Probabilities p = EvaluatePosition(nets, c);
        for (float v : {p.win, p.winGammon, p.winBackgammon, p.loseGammon, p.loseBackgammon}) {
            ASSERT_GE(v, 0.0f);
            ASSERT_LE(v, 1.0f);
        }
        EXPECT_LE(p.winGammon, p.win);
        EXPECT_LE(p.winBackgammon, p.winGammon);
        EXPECT_LE(p.loseGammon, 1.0f - p.win + 1e-6f);
        EXPECT_LE(p.loseBackgammon, p.loseGammon);
        if (c.you[OFF_POINT] > 0) {
            EXPECT_EQ(p.winGammon, 0.0f);
        }
        if (c.me[OFF_POINT] > 0) {
            EXPECT_EQ(p.loseGammon, 0.0f);
        }
        EXPECT_LE(std::fabs(p.Equity()), 3.0);
        // The same position and weights give the same bits.
        EXPECT_EQ(EvaluatePosition(nets, c), p);
    }
    // A finished game: single, gammon, backgammon (a loser's piece in the winner's home).
    Checkers won;
    won.me[OFF_POINT] = 15;
    won.you[OFF_POINT] = 3;
    won.you[10] = 12;
    EXPECT_EQ(EvaluatePosition(nets, won), (Probabilities{1, 0, 0, 0, 0}));
    won.you[OFF_POINT] = 0;
    won.you[10] = 15;
    EXPECT_EQ(EvaluatePosition(nets, won), (Probabilities{1, 1, 0, 0, 0}));
    won.you[10] = 14;
    won.you[BAR_POINT] = 1;
    EXPECT_EQ(EvaluatePosition(nets, won), (Probabilities{1, 1, 1, 0, 0}));
    EXPECT_EQ(EvaluatePosition(nets, Flipped(won)), (Probabilities{0, 0, 0, 1, 1}));
    EXPECT_DOUBLE_EQ(EvaluatePosition(nets, Flipped(won)).Equity(), -3.0);
}

TEST(NeuralWeights, FilesRoundTripAndEveryDamageIsRefused)
{
    const Networks nets = RandomNetworks(21);
    std::vector<std::uint8_t> bytes = EncodeNetworks(nets);
    ASSERT_GT(bytes.size(), WEIGHTS_HEADER_SIZE);
    NetworksResult back = DecodeNetworks(bytes.data(), bytes.size());
    ASSERT_TRUE(back.networks.has_value()) << back.error;
    EXPECT_EQ(*back.networks, nets);

    // Any changed byte of the header or the payload, and any shorter or longer file.
    for (std::size_t i = 0; i < bytes.size(); i += (i < WEIGHTS_HEADER_SIZE ? 1 : 97)) {
        std::vector<std::uint8_t> bad = bytes;
        bad[i] ^= 0x10;
        const NetworksResult r = DecodeNetworks(bad.data(), bad.size());
        EXPECT_FALSE(r.networks.has_value()) << "byte " << i;
        EXPECT_FALSE(r.error.empty());
    }
    for (std::size_t n :
         {std::size_t{0}, std::size_t{7}, WEIGHTS_HEADER_SIZE - 1, WEIGHTS_HEADER_SIZE, bytes.size() - 1})
        EXPECT_FALSE(DecodeNetworks(bytes.data(), n).networks.has_value()) << n << " bytes";
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(DecodeNetworks(longer.data(), longer.size()).networks.has_value());

    // A header whose sizes are huge but whose checksums agree is still refused.
    std::vector<std::uint8_t> huge = bytes;
    huge[28] = 0xFF;
    huge[29] = 0xFF;
    const std::uint32_t crc = Crc32(huge.data(), 68);
    for (int k = 0; k < 4; ++k) huge[68 + k] = static_cast<std::uint8_t>(crc >> (8 * k));
    EXPECT_FALSE(DecodeNetworks(huge.data(), huge.size()).networks.has_value());

    // On disk: saved whole, and a missing file named in the message.
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tablor-neural-test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "expert.tnw").string();
    ASSERT_TRUE(SaveNetworks(path, nets));
    const NetworksResult loaded = LoadNetworks(path);
    ASSERT_TRUE(loaded.networks.has_value()) << loaded.error;
    EXPECT_EQ(*loaded.networks, nets);
    const NetworksResult missing = LoadNetworks((dir / "none.tnw").string());
    EXPECT_FALSE(missing.networks.has_value());
    EXPECT_NE(missing.error.find("none.tnw"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(NeuralExpert, PlaysAreLegalAndTheSameForTheSameWeights)
{
    auto eval = std::make_shared<const Evaluator>(RandomNetworks(33));
    Expert a(eval, 2), b(std::make_shared<const Evaluator>(RandomNetworks(33)), 2);
    Expert shallow(eval, 0), one(eval, 1);
    std::mt19937 rng(17);
    PlayMaker maker;
    for (const Checkers& c : PlayedCheckers(40, 21)) {
        const int d1 = static_cast<int>(rng() % 6) + 1, d2 = static_cast<int>(rng() % 6) + 1;
        std::set<std::string> legal;
        for (const Play& p : maker.Make(c, d1, d2)) legal.insert(Key(p.after));
        for (Expert* e : {&a, &shallow, &one}) {
            const Play p = e->ChoosePlay(c, d1, d2);
            EXPECT_TRUE(legal.count(Key(p.after))) << e->Plies() << "-ply";
        }
        EXPECT_EQ(Key(a.ChoosePlay(c, d1, d2).after), Key(b.ChoosePlay(c, d1, d2).after));
        // The game's moves of the play: the computer moves down, the human up.
        const Play p = shallow.ChoosePlay(c, d1, d2);
        for (int player : {COMPUTER, HUMAN}) {
            const ExpertMove m = ToGameMove(p, player);
            BoardData board = ToBoard(c, player);
            for (int k = 0; k < m.count; ++k) {
                const auto [from, to] = m.pairs[k];
                const int target = to < 1 || to > 24 ? TrayOf(player) : to;
                ASSERT_GT(board[from].count, 0);
                --board[from].count;
                if (board[target].count == 1 && board[target].owner == Opponent(player) && target != TrayOf(player)) {
                    board[target].count = 0;
                    ++board[BarOf(Opponent(player))].count;
                }
                ++board[target].count;
                board[target].owner = player;
            }
            for (int i = 1; i <= 24; ++i)
                if (board[i].count == 0) board[i].owner = NOBODY;
            EXPECT_EQ(FromBoard(board, player), p.after);
        }
    }
    // 0-ply takes the play the evaluator likes best.
    const Checkers start = StartingCheckers();
    double best = -9;
    for (const Play& p : maker.Make(start, 3, 1))
        best = std::max(best, eval->Evaluate(Flipped(p.after)).Inverted().Equity());
    Probabilities value;
    shallow.ChoosePlay(start, 3, 1, &value);
    EXPECT_DOUBLE_EQ(value.Equity(), best);
}

TEST(NeuralExpert, APollThatSaysStopAbandonsTheSearchWithALegalPlay)
{
    auto eval = std::make_shared<const Evaluator>(RandomNetworks(41));
    Expert full(eval, 2), stopped(eval, 2);
    int polls = 0;
    stopped.SetPoll([&polls] { return ++polls < 3; });
    PlayMaker maker;
    const Checkers start = StartingCheckers();
    std::set<std::string> legal;
    for (const Play& p : maker.Make(start, 6, 4)) legal.insert(Key(p.after));

    full.ChoosePlay(start, 6, 4);
    EXPECT_FALSE(full.Abandoned());
    const Play p = stopped.ChoosePlay(start, 6, 4);
    EXPECT_TRUE(stopped.Abandoned());
    EXPECT_EQ(polls, 3);
    EXPECT_TRUE(legal.count(Key(p.after)));
    // It stops judging at the third poll: far fewer positions than the whole search.
    EXPECT_EQ(stopped.Evaluations(), 3 * Expert::POLL_EVALUATIONS - 1);
    EXPECT_LT(stopped.Evaluations() * 10, full.Evaluations());

    // A poll that goes on changes nothing, and the next search starts afresh.
    stopped.SetPoll([] { return true; });
    const Play again = stopped.ChoosePlay(start, 6, 4);
    EXPECT_FALSE(stopped.Abandoned());
    EXPECT_EQ(Key(again.after), Key(full.ChoosePlay(start, 6, 4).after));
    EXPECT_EQ(stopped.EvaluatePly(start, 1), full.EvaluatePly(start, 1));
}

TEST(NeuralCube, DoublesTakesAndPassesAtTheKnownPoints)
{
    // Without gammons, a live cube and the usual efficiency: 60 % is no
    // double, 75 % a double and a take, 80 % a double and a pass.
    const auto plain = [](float win) { return Probabilities{win, 0, 0, 0, 0}; };
    const CubeDecision low = DecideDouble(plain(0.60f), CubeHolder::Centred, 0.68);
    EXPECT_FALSE(low.shouldDouble);
    EXPECT_TRUE(low.shouldTake);
    const CubeDecision mid = DecideDouble(plain(0.75f), CubeHolder::Centred, 0.68);
    EXPECT_TRUE(mid.shouldDouble);
    EXPECT_TRUE(mid.shouldTake);
    const CubeDecision high = DecideDouble(plain(0.80f), CubeHolder::Centred, 0.68);
    EXPECT_TRUE(high.shouldDouble);
    EXPECT_FALSE(high.shouldTake);
    // The dead cube's take point is 25 %, the live cube's 20 %.
    EXPECT_NEAR(CubefulEquity(plain(0.25f), CubeHolder::Me, 0.0), -0.5, 1e-6);
    EXPECT_NEAR(2 * CubefulEquity(plain(0.80f), CubeHolder::Them, 1.0), 1.0, 1e-6);
    // Far ahead with many gammons: too good to double, play on.
    const CubeDecision tooGood = DecideDouble({0.92f, 0.6f, 0.02f, 0, 0}, CubeHolder::Centred, 0.68);
    EXPECT_FALSE(tooGood.shouldDouble);
    EXPECT_GT(tooGood.noDouble, 1.0);
    // The side without the cube never doubles; the owner doubles as the centred side would, a little later.
    EXPECT_FALSE(DecideDouble(plain(0.78f), CubeHolder::Them, 0.68).shouldDouble);
    EXPECT_FALSE(DecideDouble(plain(0.70f), CubeHolder::Me, 0.68).shouldDouble);
    EXPECT_TRUE(DecideDouble(plain(0.77f), CubeHolder::Me, 0.68).shouldDouble);
}
