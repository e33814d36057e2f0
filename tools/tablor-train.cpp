// SPDX-License-Identifier: GPL-3.0-or-later
// tablor-train: trains the Expert's networks by temporal-difference learning
// from self-play.
//
//   tablor-train --dir DIR [--games N] [--seed S] [--threads T] [--hidden H] [--race-hidden H]
//                [--alpha A] [--alpha-end A] [--anneal-games N] [--round-games N]
//                [--checkpoint-games N] [--keep-games N] [--from FILE]
//
// Every game is played by the networks against themselves at 0-ply: for each
// roll the play whose position the networks like best is made, and the
// networks' outputs for the position before the roll are moved towards their
// judgement of the position after the play (TD(0)); a finished game teaches
// its exact result. The race network learns the positions without contact,
// the contact network the others; both sides are home, the bear-off table
// judges and nothing is learnt.
//
// The threads work in rounds: each plays --round-games games with its own
// copy of the networks, learning as it goes, and at the end of the round the
// changes of all copies are added to the networks in thread order. The dice
// of a game come from the seed, the round and the thread alone, so a run is
// the same for the same options whatever the machine's timing, and a run
// resumed from its checkpoint goes on exactly as if it had never stopped.
//
// DIR holds the run: checkpoint.tnw (the networks, written every
// --checkpoint-games games), state.txt (the options and the games played),
// games-N.tnw (a copy kept every --keep-games games) and nothing else. Started
// again on a DIR with a checkpoint, the run resumes from it (the options are
// taken from state.txt; --games may raise the total).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/files/AtomicFile.h"
#include "core/neural/Evaluator.h"
#include "core/neural/Plays.h"
#include "core/neural/WeightsFile.h"

namespace {

struct Options {
    std::uint64_t games = 1000000;
    std::uint64_t seed = 1;
    int threads = 2;
    int hidden = 128;
    int raceHidden = 64;
    double alpha = 0.1;
    double alphaEnd = 0.02;
    std::uint64_t annealGames = 2000000;
    int roundGames = 32;
    std::uint64_t checkpointGames = 50000;
    std::uint64_t keepGames = 500000;
    std::string from; // start from these weights instead of random ones
};

// The learning rate after `games` games: from alpha down to alphaEnd along
// a cosine over annealGames, then alphaEnd.
double Rate(const Options& o, std::uint64_t games)
{
    if (games >= o.annealGames) return o.alphaEnd;
    const double t = static_cast<double>(games) / static_cast<double>(o.annealGames);
    return o.alphaEnd + (o.alpha - o.alphaEnd) * 0.5 * (1.0 + std::cos(3.14159265358979323846 * t));
}

// xoshiro256** seeded through splitmix64.
class Dice {
public:
    explicit Dice(std::uint64_t seed)
    {
        for (auto& w : s_) {
            std::uint64_t z = (seed += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            w = z ^ (z >> 31);
        }
    }
    std::uint64_t Next()
    {
        const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }
    int Die()
    {
        // 6 * 2^61 fits; rejection keeps the six faces exactly even.
        for (;;) {
            const std::uint64_t v = Next() >> 61; // 0..7
            if (v < 6) return static_cast<int>(v) + 1;
        }
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4];
};

std::uint64_t Mix(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t z = a * 0x9E3779B97F4A7C15ull ^ (b + 0x632BE59BD9B4E019ull);
    z = (z ^ (z >> 33)) * 0xFF51AFD7ED558CCDull;
    z = (z ^ (z >> 33)) * 0xC4CEB9FE1A85EC53ull;
    return z ^ (z >> 33);
}

Outputs AsOutputs(const Probabilities& p)
{
    return {p.win, p.winGammon, p.winBackgammon, p.loseGammon, p.loseBackgammon};
}

// What one thread saw in a round.
struct Tally {
    std::uint64_t games = 0, moves = 0, learnt = 0;
    double error = 0; // sum of |output - target| of the win output
    std::uint64_t gammons = 0, backgammons = 0;
};

// Plays one game with `nets`, learning at `rate`.
void PlayAndLearn(Networks& nets, Dice& dice, float rate, PlayMaker& maker, Tally& tally)
{
    Checkers pos = StartingCheckers();
    int d1 = 0, d2 = 0;
    do {
        d1 = dice.Die();
        d2 = dice.Die();
    } while (d1 == d2);
    for (int turn = 0; turn < 10000; ++turn) {
        if (turn > 0) {
            d1 = dice.Die();
            d2 = dice.Die();
        }
        const std::vector<Play>& plays = maker.Make(pos, d1, d2);
        std::size_t best = 0;
        double bestEquity = -1e9;
        Probabilities bestValue;
        for (std::size_t k = 0; k < plays.size(); ++k) {
            const Probabilities v = EvaluatePosition(nets, Flipped(plays[k].after)).Inverted();
            const double e = v.Equity();
            if (e > bestEquity) {
                bestEquity = e;
                best = k;
                bestValue = v;
            }
        }
        // A play of one move needs no judging; its value is still the target.
        const PositionKind kind = Classify(pos);
        if (kind == PositionKind::Race || kind == PositionKind::Contact) {
            Inputs in;
            Encode(pos, in);
            const Outputs before = NetworkFor(nets, kind).Learn(in, AsOutputs(bestValue), rate);
            tally.error += std::fabs(before[0] - bestValue.win);
            ++tally.learnt;
        }
        ++tally.moves;
        pos = Flipped(plays[best].after);
        if (Classify(pos) == PositionKind::Finished) {
            const Probabilities r = FinishedResult(pos);
            tally.gammons += r.loseGammon > 0;
            tally.backgammons += r.loseBackgammon > 0;
            break;
        }
    }
    ++tally.games;
}

// Every weight of `nets` as one list, for adding up the copies' changes.
std::vector<std::vector<float>*> Weights(Networks& nets)
{
    return {&nets.contact.w1, &nets.contact.b1, &nets.contact.w2, &nets.contact.b2,
            &nets.race.w1,    &nets.race.b1,    &nets.race.w2,    &nets.race.b2};
}

std::string StatePath(const std::string& dir) { return dir + "/state.txt"; }
std::string CheckpointPath(const std::string& dir) { return dir + "/checkpoint.tnw"; }

std::string StateText(const Options& o, std::uint64_t played)
{
    std::ostringstream out;
    out.precision(17);
    out << "games_played=" << played << "\n"
        << "games=" << o.games << "\n"
        << "seed=" << o.seed << "\n"
        << "threads=" << o.threads << "\n"
        << "hidden=" << o.hidden << "\n"
        << "race_hidden=" << o.raceHidden << "\n"
        << "alpha=" << o.alpha << "\n"
        << "alpha_end=" << o.alphaEnd << "\n"
        << "anneal_games=" << o.annealGames << "\n"
        << "round_games=" << o.roundGames << "\n"
        << "checkpoint_games=" << o.checkpointGames << "\n"
        << "keep_games=" << o.keepGames << "\n";
    return out.str();
}

bool ReadState(const std::string& path, Options& o, std::uint64_t& played, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::map<std::string, std::string> values;
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    try {
        played = std::stoull(values.at("games_played"));
        o.games = std::stoull(values.at("games"));
        o.seed = std::stoull(values.at("seed"));
        o.threads = std::stoi(values.at("threads"));
        o.hidden = std::stoi(values.at("hidden"));
        o.raceHidden = std::stoi(values.at("race_hidden"));
        o.alpha = std::stod(values.at("alpha"));
        o.alphaEnd = std::stod(values.at("alpha_end"));
        o.annealGames = std::stoull(values.at("anneal_games"));
        o.roundGames = std::stoi(values.at("round_games"));
        o.checkpointGames = std::stoull(values.at("checkpoint_games"));
        o.keepGames = std::stoull(values.at("keep_games"));
    } catch (const std::exception&) {
        error = path + ": a value is missing or unreadable";
        return false;
    }
    return true;
}

bool WriteCheckpoint(const std::string& dir, const Options& o, Networks& nets, std::uint64_t played)
{
    nets.gamesTrained = played;
    if (!SaveNetworks(CheckpointPath(dir), nets)) return false;
    const std::string state = StateText(o, played);
    if (!WriteFileAtomically(StatePath(dir), state.data(), state.size())) return false;
    if (o.keepGames > 0 && played % o.keepGames == 0)
        return SaveNetworks(dir + "/games-" + std::to_string(played) + ".tnw", nets);
    return true;
}

int Usage(const std::string& message)
{
    std::fprintf(stderr, "tablor-train: %s\n", message.c_str());
    std::fprintf(stderr, "usage: tablor-train --dir DIR [--games N] [--seed S] [--threads T] [--hidden H]\n"
                         "       [--race-hidden H] [--alpha A] [--alpha-end A] [--anneal-games N]\n"
                         "       [--round-games N] [--checkpoint-games N] [--keep-games N] [--from FILE]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    std::string dir;
    std::map<std::string, std::string> given;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--", 0) != 0 || i + 1 >= argc) return Usage("bad argument '" + a + "'");
        given[a] = argv[++i];
    }
    try {
        for (const auto& [key, value] : given) {
            if (key == "--dir")
                dir = value;
            else if (key == "--games")
                o.games = std::stoull(value);
            else if (key == "--seed")
                o.seed = std::stoull(value);
            else if (key == "--threads")
                o.threads = std::stoi(value);
            else if (key == "--hidden")
                o.hidden = std::stoi(value);
            else if (key == "--race-hidden")
                o.raceHidden = std::stoi(value);
            else if (key == "--alpha")
                o.alpha = std::stod(value);
            else if (key == "--alpha-end")
                o.alphaEnd = std::stod(value);
            else if (key == "--anneal-games")
                o.annealGames = std::stoull(value);
            else if (key == "--round-games")
                o.roundGames = std::stoi(value);
            else if (key == "--checkpoint-games")
                o.checkpointGames = std::stoull(value);
            else if (key == "--keep-games")
                o.keepGames = std::stoull(value);
            else if (key == "--from")
                o.from = value;
            else
                return Usage("unknown option " + key);
        }
    } catch (const std::exception&) {
        return Usage("a number is not readable");
    }
    if (dir.empty()) return Usage("--dir is needed");
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    Networks nets;
    std::uint64_t played = 0;
    if (std::filesystem::exists(CheckpointPath(dir))) {
        const std::uint64_t wanted = o.games;
        std::string error;
        if (!ReadState(StatePath(dir), o, played, error)) return Usage(error);
        if (given.count("--games")) o.games = wanted;
        NetworksResult r = LoadNetworks(CheckpointPath(dir));
        if (!r.networks) return Usage(r.error);
        nets = std::move(*r.networks);
        if (nets.gamesTrained != played) return Usage("the checkpoint and state.txt disagree on the games played");
        std::printf("resuming %s at game %llu of %llu\n", dir.c_str(), static_cast<unsigned long long>(played),
                    static_cast<unsigned long long>(o.games));
    } else if (!o.from.empty()) {
        NetworksResult r = LoadNetworks(o.from);
        if (!r.networks) return Usage(r.error);
        nets = std::move(*r.networks);
        nets.gamesTrained = 0;
        o.hidden = nets.contact.hidden;
        o.raceHidden = nets.race.hidden;
    } else {
        if (o.hidden % HIDDEN_BLOCK != 0 || o.raceHidden % HIDDEN_BLOCK != 0 || o.hidden <= 0 || o.raceHidden <= 0)
            return Usage("hidden units must be a positive multiple of " + std::to_string(HIDDEN_BLOCK));
        nets.contact = Network::Random(o.hidden, Mix(o.seed, 1));
        nets.race = Network::Random(o.raceHidden, Mix(o.seed, 2));
    }
    if (o.threads < 1 || o.roundGames < 1 || o.checkpointGames % (o.threads * o.roundGames) != 0)
        return Usage("--checkpoint-games must be a multiple of --threads x --round-games");
    SharedBearoffTable();
    std::printf("training: seed %llu, %d threads x %d games a round, %d+%d hidden units, alpha %g to %g over %llu "
                "games\n",
                static_cast<unsigned long long>(o.seed), o.threads, o.roundGames, nets.contact.hidden, nets.race.hidden,
                o.alpha, o.alphaEnd, static_cast<unsigned long long>(o.annealGames));
    std::fflush(stdout);

    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    auto lastReport = started;
    const std::uint64_t startGames = played;
    const std::uint64_t perRound = static_cast<std::uint64_t>(o.threads) * o.roundGames;
    std::vector<Networks> copies(o.threads);
    std::vector<PlayMaker> makers(o.threads);
    Tally window;
    while (played < o.games) {
        const std::uint64_t round = played / perRound;
        const float rate = static_cast<float>(Rate(o, played));
        std::vector<Tally> tallies(o.threads);
        std::vector<std::thread> workers;
        for (int t = 0; t < o.threads; ++t) {
            copies[t] = nets;
            workers.emplace_back([&, t] {
                Dice dice(Mix(Mix(o.seed, round), static_cast<std::uint64_t>(t) + 1));
                for (int g = 0; g < o.roundGames; ++g) PlayAndLearn(copies[t], dice, rate, makers[t], tallies[t]);
            });
        }
        for (auto& w : workers) w.join();
        // nets += sum of (copy - nets), thread by thread.
        auto target = Weights(nets);
        std::vector<std::vector<std::vector<float>*>> sources;
        for (auto& c : copies) sources.push_back(Weights(c));
        for (std::size_t k = 0; k < target.size(); ++k) {
            std::vector<float>& w = *target[k];
            for (std::size_t i = 0; i < w.size(); ++i) {
                const float base = w[i];
                float sum = base;
                for (auto& s : sources) sum += (*s[k])[i] - base;
                w[i] = sum;
            }
        }
        played += perRound;
        for (const Tally& t : tallies) {
            window.games += t.games;
            window.moves += t.moves;
            window.learnt += t.learnt;
            window.error += t.error;
            window.gammons += t.gammons;
            window.backgammons += t.backgammons;
        }
        const auto now = Clock::now();
        const bool checkpoint = played % o.checkpointGames == 0 || played >= o.games;
        if (checkpoint || now - lastReport > std::chrono::seconds(30)) {
            const double seconds = std::chrono::duration<double>(now - started).count();
            const double speed = static_cast<double>(played - startGames) / std::max(seconds, 1e-9);
            const Probabilities opening = EvaluatePosition(nets, StartingCheckers());
            std::printf("games %llu  %.0f games/s  rate %.4f  |error| %.4f  moves/game %.1f  gammons %.3f  "
                        "backgammons %.3f  opening win %.3f equity %+.3f  eta %.0f min\n",
                        static_cast<unsigned long long>(played), speed, rate,
                        window.learnt ? window.error / static_cast<double>(window.learnt) : 0.0,
                        window.games ? static_cast<double>(window.moves) / static_cast<double>(window.games) : 0.0,
                        window.games ? static_cast<double>(window.gammons) / static_cast<double>(window.games) : 0.0,
                        window.games ? static_cast<double>(window.backgammons) / static_cast<double>(window.games)
                                     : 0.0,
                        opening.win, opening.Equity(), static_cast<double>(o.games - played) / speed / 60.0);
            std::fflush(stdout);
            window = Tally{};
            lastReport = now;
        }
        if (checkpoint) {
            if (!WriteCheckpoint(dir, o, nets, played)) {
                std::fprintf(stderr, "tablor-train: cannot write the checkpoint in %s\n", dir.c_str());
                return 1;
            }
        }
    }
    std::printf("done: %llu games, networks in %s\n", static_cast<unsigned long long>(played),
                CheckpointPath(dir).c_str());
    return 0;
}
