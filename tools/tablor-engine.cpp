// SPDX-License-Identifier: GPL-3.0-or-later
// tablor-engine: the game's engine from the command line.
//
//   tablor-engine move (--pos FILE | --board BOARD) --dice A B [--level 0|1|2] [--book] [--side computer|human]
//   tablor-engine rolls --seed S --count N
//   tablor-engine selfplay --games N --seed S [--levels C,H] [--moves] [--export FILE.mat]
//
// Output is one line of JSON (rolls: one roll a line). Bad arguments, an
// unreadable file or a board that breaks the model give one line on standard
// error and exit status 2; output that cannot be written (a full disk, a
// closed standard output) gives one line on standard error and exit status 1.
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/board/Board.h"
#include "core/board/RulesEngine.h"
#include "core/board/SelfPlay.h"
#include "core/dice/DiceRecord.h"
#include "core/files/MatchFile.h"
#include "engine/EngineArgs.h"
#include "engine/ExportFile.h"

namespace {

constexpr int EXIT_BAD = 2;
constexpr int EXIT_WRITE_FAILED = 1;

constexpr const char* USAGE =
    "usage: tablor-engine move (--pos FILE | --board BOARD) --dice A B [--level 0|1|2] [--book]\n"
    "                          [--side computer|human]\n"
    "       tablor-engine rolls --seed S --count N\n"
    "       tablor-engine selfplay --games N --seed S [--levels C,H] [--moves] [--export FILE.mat]\n"
    "BOARD is 28 comma-separated count:owner entries for locations 0 to 27.\n"
    "With --side human the human's play is found by the mirrored search at --level (default 2, as the\n"
    "program's suggestion uses); --levels C,H gives the computer's level and that of the human's side.\n";

int Fail(const std::string& message)
{
    std::fprintf(stderr, "tablor-engine: %s\n", message.c_str());
    return EXIT_BAD;
}

// Whether everything printed so far could be written; a long run stops at
// the first failure instead of computing output nobody gets.
bool OutputFailed() { return std::ferror(stdout) != 0; }

// The exit status once a command has run: its own, unless its output (all
// of it, flushed now) could not be written.
int Finish(int status)
{
    // A long run stopped right after the write that failed, which set errno.
    int error = errno;
    if (!OutputFailed()) {
        errno = 0;
        if (std::fflush(stdout) == 0 && !OutputFailed()) return status;
        error = errno;
    }
    std::fprintf(stderr, "tablor-engine: cannot write the output: %s\n",
                 error != 0 ? std::strerror(error) : "write error");
    return EXIT_WRITE_FAILED;
}

// `move`: the computer's play (or the human's, by the suggestion) for one
// position and roll.
int RunMove(const MoveArgs& args)
{
    Board board;
    board.BoardTable = args.board;
    board.BuildBoard(false);
    Random random;
    DiceRecord dice(&random, nullptr);
    dice.SetRoll(args.first, args.second);
    board.CurrentPlayer = args.human ? HUMAN : COMPUTER;
    RulesEngine rules(&board, &dice);

    std::string out = "{\"moves\":[";
    if (args.human) {
        std::array<std::pair<int, int>, 4> moves{};
        int count = 0;
        rules.SuggestMove(args.book, moves, count, args.level);
        for (int k = 0; k < count; ++k)
            out += (k ? ",[" : "[") + std::to_string(moves[k].first) + "," + std::to_string(moves[k].second) + "]";
        out += "]}";
    } else {
        rules.ChooseMove(args.book, args.level);
        for (int k = 0; k < dice.moves; ++k)
            out += (k ? ",[" : "[") + std::to_string(rules.bestFrom[k]) + "," + std::to_string(rules.bestDice[k]) + "]";
        out += "],\"dice\":[";
        for (int k = 0; k < 4; ++k) out += (k ? "," : "") + std::to_string(dice.die[k]);
        out += "],\"score\":";
        out += rules.bestScore == std::numeric_limits<std::int32_t>::min() ? "null" : std::to_string(rules.bestScore);
        out += "}";
    }
    std::printf("%s\n", out.c_str());
    return 0;
}

// `rolls`: the generated rolls of a new game for a seed, the opening roll first.
int RunRolls(const RollsArgs& args)
{
    Random random(args.seed);
    DiceRecord dice(&random, nullptr);
    dice.mode = DICE_GENERATED;
    for (long n = 0; n < args.count && !OutputFailed(); ++n) {
        dice.RollDice();
        std::printf("%d %d\n", dice.die[0], dice.die[1]);
    }
    return 0;
}

// One turn as a readable line: "computer 6-5: X+6 R+5", "human 3-1: H to E, F to E".
std::string TurnLine(const SelfPlayTurn& turn)
{
    std::string line = turn.player == COMPUTER ? "computer " : "human ";
    line += std::to_string(turn.first) + "-" + std::to_string(turn.second) + ":";
    if (turn.count == 0) return line + " no move";
    for (int k = 0; k < turn.count; ++k) {
        const auto [from, to] = turn.moves[k];
        line += k == 0 ? " " : turn.player == COMPUTER ? " " : ", ";
        line += LocationLetter(from);
        if (turn.player == COMPUTER)
            line += "+" + std::to_string(from - to);
        else
            line += std::string(" to ") + LocationLetter(to);
    }
    return line;
}

// The message and exit status of an export file that cannot be written.
int ExportFailed(const std::string& path)
{
    std::fprintf(stderr, "tablor-engine: cannot write %s\n", path.c_str());
    return EXIT_WRITE_FAILED;
}

// `selfplay`: whole games without the cube, both sides played by the engine.
// An export goes to its file game by game, so that a long run holds one game
// in memory, not all; the file is opened first (a path that cannot be written
// fails before any game is played) and replaces the old one only whole, at
// the end.
int RunSelfPlay(const SelfPlayArgs& args)
{
    using Clock = std::chrono::steady_clock;
    Random random(args.seed);
    SelfPlayOptions options;
    options.computerLevel = args.computerLevel;
    options.humanLevel = args.humanLevel;
    GameRecord record;
    std::optional<ExportFile> exportFile;
    if (!args.exportPath.empty()) {
        exportFile.emplace(args.exportPath);
        const std::string header =
            MatchFileHeader({"[Site \"Tablor self-play, seed " + std::to_string(args.seed) + "\"]"});
        if (!exportFile->Open() || !exportFile->Write(header)) return ExportFailed(args.exportPath);
    }
    bool exportWritten = true;
    std::array<int, 3> score{0, 0, 0};
    options.onTurn = [&](const SelfPlayTurn& turn) {
        if (args.moves) std::printf("%s\n", TurnLine(turn).c_str());
        if (exportFile) RecordTurn(turn, record);
    };

    long wins[3] = {0, 0, 0};
    long gammons = 0, backgammons = 0, turns = 0, searches = 0;
    double engineSeconds = 0;
    const auto started = Clock::now();
    for (long g = 0; g < args.games && !OutputFailed() && exportWritten; ++g) {
        if (args.moves) std::printf("game %ld\n", g + 1);
        record.Start(true);
        const SelfPlayResult r = PlaySelfGame(random, options);
        if (exportFile) {
            record.End(r.winner, r.points, true);
            MatchGame game = record.Game();
            game.scoreBefore = score;
            score[r.winner] += r.points;
            const std::string text = MatchGameText(game, g + 1);
            exportWritten = exportFile->Write(text);
        }
        wins[r.winner] += 1;
        gammons += r.points == 2;
        backgammons += r.points == 3;
        turns += r.turns;
        searches += r.searches;
        engineSeconds += r.engineSeconds;
        if (args.moves) {
            static constexpr const char* kind[] = {"", "single game", "gammon", "backgammon"};
            if (r.winner == NOBODY)
                std::printf("game %ld given up after %d turns\n", g + 1, r.turns);
            else
                std::printf("game %ld: %s wins (%s)\n", g + 1, r.winner == COMPUTER ? "computer" : "human",
                            kind[r.points]);
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    if (exportFile && !exportFile->Commit()) return ExportFailed(args.exportPath);
    std::printf("{\"games\":%ld,\"computer_wins\":%ld,\"human_wins\":%ld,\"unfinished\":%ld,\"gammons\":%ld,"
                "\"backgammons\":%ld,\"turns\":%ld,\"searches\":%ld,\"engine_seconds\":%.6f,\"seconds\":%.6f,"
                "\"games_per_second\":%.1f}\n",
                args.games, wins[COMPUTER], wins[HUMAN], wins[NOBODY], gammons, backgammons, turns, searches,
                engineSeconds, seconds, seconds > 0 ? static_cast<double>(args.games) / seconds : 0.0);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Fail("no command: move, rolls or selfplay (--help shows the usage)");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(USAGE, stdout);
        return Finish(0);
    }
    std::string error;
    if (args[0] == "move") {
        MoveArgs move;
        if (!ParseMoveArgs(args, move, error)) return Fail(error);
        return Finish(RunMove(move));
    }
    if (args[0] == "rolls") {
        RollsArgs rolls;
        if (!ParseRollsArgs(args, rolls, error)) return Fail(error);
        return Finish(RunRolls(rolls));
    }
    if (args[0] == "selfplay") {
        SelfPlayArgs selfPlay;
        if (!ParseSelfPlayArgs(args, selfPlay, error)) return Fail(error);
        return Finish(RunSelfPlay(selfPlay));
    }
    return Fail("unknown command '" + args[0] + "' (move, rolls or selfplay)");
}
