// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Gnubg.h"
#include "HostileFiles.h"
#include "core/board/Board.h"
#include "core/board/RulesEngine.h"
#include "core/board/SelfPlay.h"
#include "core/dice/DiceRecord.h"
#include "core/files/MatchFile.h"
#include "core/files/PositionFile.h"
#include "core/neural/Plays.h"
#include "core/neural/WeightsFile.h"
#include "core/settings/Settings.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the built engine tool with `args` (already quoted for the shell).
ToolRun Engine(const std::string& args)
{
    // Tests may run side by side: the output files are named after the process.
    const std::string stem = ::testing::TempDir() + "engine_" + std::to_string(getpid());
    const std::string out = stem + "_out.txt", err = stem + "_err.txt";
    const std::string command = std::string("'") + TABLOR_ENGINE + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    ToolRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return r;
}

// The --board form of a position.
std::string BoardArgument(const BoardData& b)
{
    std::string s;
    for (int i = 0; i < LOCATIONS; ++i)
        s += (i ? "," : "") + std::to_string(b[i].count) + ":" + std::to_string(b[i].owner);
    return s;
}

// Position files written for one test, removed at its end.
class TempFiles {
public:
    ~TempFiles()
    {
        for (const std::string& path : paths_) std::remove(path.c_str());
    }
    std::string Path(const std::string& name)
    {
        paths_.push_back(::testing::TempDir() + std::to_string(getpid()) + "_" + name);
        return paths_.back();
    }
    // A position file as the game saves one.
    std::string Position(const std::string& name, const PositionFileData& data)
    {
        const std::string path = Path(name);
        const PositionFileBytes bytes = EncodePositionFile(data);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }
    // The same with the board `b`, and the magic value given.
    std::string Position(const std::string& name, const BoardData& b, std::int32_t magic = POSITION_FILE_MAGIC)
    {
        PositionFileData data;
        data.magic = magic;
        data.board = ToImage(b);
        return Position(name, data);
    }

private:
    std::vector<std::string> paths_;
};

void ExpectBadArguments(const std::string& args)
{
    const ToolRun r = Engine(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_TRUE(r.out.empty()) << args;
    EXPECT_NE(r.err.find("tablor-engine: "), std::string::npos) << args;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
}

// The engine tool's serve mode as another program drives it: a line written,
// its answer read before the next line goes out. A line that does not come
// within the wait counts as none, so a missing flush fails instead of hanging.
class ServeSession {
public:
    ServeSession()
    {
        // A tool that has gone gives a failed write here, not the end of the test.
        std::signal(SIGPIPE, SIG_IGN);
        int in[2], out[2];
        if (::pipe(in) != 0 || ::pipe(out) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(in[0], 0);
            ::dup2(out[1], 1);
            ::close(in[0]);
            ::close(in[1]);
            ::close(out[0]);
            ::close(out[1]);
            ::execl(TABLOR_ENGINE, TABLOR_ENGINE, "serve", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        toTool_ = in[1];
        fromTool_ = out[0];
    }
    ~ServeSession()
    {
        if (pid_ > 0 && status_ < 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (toTool_ >= 0) ::close(toTool_);
        if (fromTool_ >= 0) ::close(fromTool_);
    }
    bool Started() const { return pid_ > 0 && toTool_ >= 0; }

    // Sends one line and returns the answer's line without its newline, or
    // "" when none comes.
    std::string Ask(const std::string& line)
    {
        const std::string text = line + "\n";
        if (::write(toTool_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) return "";
        return ReadLine();
    }

    // Closes the tool's input; what it writes after that, and its exit status.
    std::string End(int& status)
    {
        ::close(toTool_);
        toTool_ = -1;
        std::string rest;
        for (std::string line = ReadLine(); !line.empty(); line = ReadLine()) rest += line + "\n";
        rest += buffer_;
        int raw = 0;
        ::waitpid(pid_, &raw, 0);
        status_ = status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return rest;
    }

private:
    std::string ReadLine()
    {
        for (;;) {
            if (const std::size_t end = buffer_.find('\n'); end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            // After one answer has not come, none is waited for.
            pollfd p{fromTool_, POLLIN, 0};
            if (silent_ || ::poll(&p, 1, 20000) <= 0) {
                silent_ = true;
                return "";
            }
            char chunk[4096];
            const ssize_t n = ::read(fromTool_, chunk, sizeof chunk);
            if (n <= 0) return "";
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }

    pid_t pid_ = -1;
    int toTool_ = -1, fromTool_ = -1;
    int status_ = -1;
    bool silent_ = false;
    std::string buffer_;
};

} // namespace

TEST(EngineTool, MoveAnswersAsTheLibraryDoes)
{
    TempFiles files;
    const BoardData start = StandardSetup(); // bars and trays unowned, as the table holds them
    const std::string startArg = BoardArgument(start);

    ToolRun r = Engine("move --board " + startArg + " --dice 6 5 --book");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"moves\":[[24,6],[18,5]],\"dice\":[6,5,255,255],\"score\":null}\n");

    // Searched: the same play, score and die order as ChooseMove in process.
    Board board;
    board.BuildBoard(true);
    Random random;
    DiceRecord dice(&random, nullptr);
    RulesEngine rules(&board, &dice);
    board.CurrentPlayer = COMPUTER;
    dice.SetRoll(5, 6);
    rules.ChooseMove(true, 1);
    std::ostringstream expected;
    expected << "{\"moves\":[[" << int(rules.bestFrom[0]) << "," << int(rules.bestDice[0]) << "],["
             << int(rules.bestFrom[1]) << "," << int(rules.bestDice[1]) << "]],\"dice\":[" << int(dice.die[0]) << ","
             << int(dice.die[1]) << ",255,255],\"score\":" << rules.bestScore << "}\n";
    r = Engine("move --board " + startArg + " --dice 5 6 --book --level 1");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected.str());

    // A doublet is four dice; a position file gives the same answer as its board.
    const std::string file = files.Position("start.pos", start);
    const ToolRun fromBoard = Engine("move --board " + startArg + " --dice 6 6");
    const ToolRun fromFile = Engine("move --pos '" + file + "' --dice 6 6");
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, fromBoard.out);
    EXPECT_NE(fromFile.out.find("\"dice\":[6,6,6,6]"), std::string::npos);

    // The human's side by the suggestion, in the human's locations.
    r = Engine("move --board " + startArg + " --dice 3 1 --book --side human");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"moves\":[[17,20],[19,20]]}\n");

    // Nothing to play: on the bar against a closed board.
    BoardData closed{};
    closed[COMPUTER_BAR] = {1, COMPUTER};
    closed[6] = {14, COMPUTER};
    for (int i = 19; i <= 24; ++i) closed[i] = {static_cast<std::int8_t>(i < 22 ? 2 : 3), HUMAN};
    r = Engine("move --board " + BoardArgument(closed) + " --dice 4 2");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "{\"moves\":[],\"dice\":[255,255,255,255],\"score\":null}\n");
}

// serve answers move lines one by one, each as `move` answers it, a bad line
// with one line of JSON that says why, and ends with the end of its input.
TEST(EngineTool, ServeAnswersEachLineAsMoveDoes)
{
    const std::string startArg = BoardArgument(StandardSetup());
    BoardData race{};
    race[2] = {8, COMPUTER};
    race[5] = {7, COMPUTER};
    race[20] = {9, HUMAN};
    race[23] = {6, HUMAN};
    const std::string computerLine = "move --board " + startArg + " --dice 3 1 --level 2 --side computer";
    const std::string humanLine = "move --board " + BoardArgument(race) + " --dice 6 6 --level 1 --side human";
    const ToolRun computer = Engine(computerLine), human = Engine(humanLine);
    ASSERT_EQ(computer.status, 0);
    ASSERT_EQ(human.status, 0);

    ServeSession serve;
    ASSERT_TRUE(serve.Started());
    EXPECT_EQ(serve.Ask(computerLine) + "\n", computer.out);
    // A bad line gets the message that `move` gives on standard error, with
    // the quote inside it escaped, and the session goes on.
    EXPECT_EQ(serve.Ask("move --board " + startArg + " --dice 3 1 --le\"vel 2"),
              "{\"error\":\"unknown option '--le\\\"vel' for move\"}");
    EXPECT_EQ(serve.Ask("move --board " + startArg + " --dice 7 1"),
              "{\"error\":\"option --dice wants a whole number from 1 to 6, not '7'\"}");
    EXPECT_EQ(serve.Ask("rolls --seed 1 --count 3"), "{\"error\":\"serve answers move lines, not 'rolls'\"}");
    EXPECT_EQ(serve.Ask(""), "{\"error\":\"serve answers move lines, not an empty line\"}");
    EXPECT_EQ(serve.Ask("  " + humanLine + "\r") + "\n", human.out);
    EXPECT_EQ(serve.Ask(computerLine) + "\n", computer.out);
    int status = -1;
    EXPECT_EQ(serve.End(status), "");
    EXPECT_EQ(status, 0);

    ExpectBadArguments("serve --level 2");
}

TEST(EngineTool, RollsAndSelfPlayFollowTheGenerator)
{
    Random random(1);
    DiceRecord dice(&random, nullptr);
    std::string expected;
    for (int n = 0; n < 6; ++n) {
        dice.RollDice();
        expected += std::to_string(dice.die[0]) + " " + std::to_string(dice.die[1]) + "\n";
    }
    ToolRun r = Engine("rolls --seed 1 --count 6");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected);
    EXPECT_NE(r.out.substr(0, 4), "6 6\n"); // the opening roll is never a doublet

    Random games(9);
    int wins[3] = {0, 0, 0};
    long turns = 0;
    for (int g = 0; g < 3; ++g) {
        const SelfPlayResult result = PlaySelfGame(games);
        wins[result.winner] += 1;
        turns += result.turns;
    }
    r = Engine("selfplay --games 3 --seed 9");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("{\"games\":3,\"computer_wins\":" + std::to_string(wins[COMPUTER]) +
                         ",\"human_wins\":" + std::to_string(wins[HUMAN]) + ","),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"turns\":" + std::to_string(turns) + ","), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"games_per_second\":"), std::string::npos);

    // With --moves every turn is a readable line before the summary.
    r = Engine("selfplay --games 1 --seed 9 --levels 1,0 --moves");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("game 1\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\ncomputer "), std::string::npos);
    EXPECT_NE(r.out.find("\nhuman "), std::string::npos);
    EXPECT_NE(r.out.find(" wins ("), std::string::npos);
}

TEST(EngineTool, BadInputExitsWithStatusTwo)
{
    TempFiles files;
    const BoardData start = StandardSetup();
    const std::string startArg = BoardArgument(start);
    ExpectBadArguments("");
    ExpectBadArguments("fly");
    ExpectBadArguments("move --board " + startArg);
    ExpectBadArguments("move --dice 3 1");
    ExpectBadArguments("move --board " + startArg + " --dice 7 1");
    ExpectBadArguments("move --board " + startArg + " --dice 3");
    ExpectBadArguments("move --board " + startArg + " --dice 3 1 --level 4");
    ExpectBadArguments("move --board " + startArg + " --dice 3 1 --level 3 --plies 4");
    ExpectBadArguments("eval --dice 3 1");
    ExpectBadArguments("eval --board " + startArg + " --plies -1");
    ExpectBadArguments("move --board " + startArg + " --dice 3 1 --side both");
    ExpectBadArguments("move --board " + startArg + " --dice 3 1 --dice 2 1");
    ExpectBadArguments("move --board " + startArg + " --pos x.pos --dice 3 1");
    ExpectBadArguments("move --board 1,2,3 --dice 3 1");
    ExpectBadArguments("rolls --seed 1");
    ExpectBadArguments("rolls --seed -1 --count 3");
    ExpectBadArguments("selfplay --games 2 --seed 1 --levels 2");
    ExpectBadArguments("selfplay --games x --seed 1");

    // Files: missing, wrong magic, cut short inside the board.
    ExpectBadArguments("move --pos '" + ::testing::TempDir() + "no-such.pos' --dice 3 1");
    ExpectBadArguments("move --pos '" + files.Position("magic.pos", start, 33) + "' --dice 3 1");
    const std::string shortFile = files.Path("short.pos");
    {
        std::ofstream f(shortFile, std::ios::binary);
        f.write("\x20\0\0\0\x02\0\0\0", 8);
    }
    ExpectBadArguments("move --pos '" + shortFile + "' --dice 3 1");

    // Boards that break the model, by --board and by file.
    BoardData b = start;
    b[6].count = 16;
    ExpectBadArguments("move --board " + BoardArgument(b) + " --dice 3 1");
    ExpectBadArguments("move --pos '" + files.Position("count16.pos", b) + "' --dice 3 1");
    b = start;
    b[6].owner = 3;
    ExpectBadArguments("move --board " + BoardArgument(b) + " --dice 3 1");
    ExpectBadArguments("move --pos '" + files.Position("owner3.pos", b) + "' --dice 3 1");
    b = start;
    b[6].count = 4;
    b[COMPUTER_BAR] = {1, HUMAN};
    ExpectBadArguments("move --board " + BoardArgument(b) + " --dice 3 1");
    b = start;
    b[6].count = 4;
    ExpectBadArguments("move --board " + BoardArgument(b) + " --dice 3 1");
    ExpectBadArguments("move --pos '" + files.Position("fourteen.pos", b) + "' --dice 3 1");

    // A bar with owner 0 takes its fixed owner: that board is fine.
    b = start;
    b[6].count = 4;
    b[COMPUTER_BAR] = {1, NOBODY};
    const ToolRun r = Engine("move --board " + BoardArgument(b) + " --dice 3 1");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("{\"moves\":[[25,", 0), 0u) << r.out;
}

// The tool takes a position as the game does: what the game refuses to open
// (a game already over, a cube the game never has, a negative statistic) the
// tool refuses with one line saying why, and what the game opens the tool plays.
TEST(EngineTool, PositionsAreThoseTheGameOpens)
{
    TempFiles files;
    const BoardData start = WithFixedOwners(StandardSetup());
    BoardData bothOff{};
    bothOff[COMPUTER_TRAY] = {15, COMPUTER};
    bothOff[HUMAN_TRAY] = {15, HUMAN};
    BoardData computerOff = start;
    for (Spot& s : computerOff)
        if (s.owner == COMPUTER) s = {};
    computerOff[COMPUTER_TRAY] = {15, COMPUTER};
    computerOff[COMPUTER_BAR].owner = COMPUTER;
    BoardData fourteenOff = computerOff;
    fourteenOff[COMPUTER_TRAY].count = 14;
    fourteenOff[3] = {1, COMPUTER};

    const std::string over = "tablor-engine: the computer has borne off all its pieces: the game is over\n";
    ToolRun r = Engine("move --board " + BoardArgument(bothOff) + " --dice 3 1");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, over);
    r = Engine("move --pos '" + files.Position("both-off.pos", bothOff) + "' --dice 3 1");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, over);
    ExpectBadArguments("move --board " + BoardArgument(computerOff) + " --dice 3 1");

    // Files the game refuses or opens, and what the tool says of each.
    std::vector<std::string> paths;
    auto with = [&](const std::string& name, auto change) {
        PositionFileData data;
        data.board = ToImage(start);
        change(data);
        paths.push_back(files.Position(name, data));
        return paths.back();
    };
    const std::string cube = with("cube0.pos", [](PositionFileData& d) { d.cubeValue = 0; });
    with("cube3.pos", [](PositionFileData& d) { d.cubeValue = 3; });
    with("owner3.pos", [](PositionFileData& d) { d.cubeOwner = 3; });
    with("pips.pos", [](PositionFileData& d) { d.pipsRolledHuman = -1; });
    with("over.pos", [&](PositionFileData& d) { d.board = ToImage(computerOff); });
    with("fourteen.pos", [&](PositionFileData& d) { d.board = ToImage(fourteenOff); });
    const std::string cut = files.Path("cut.pos");
    std::filesystem::copy_file(with("whole.pos", [](PositionFileData&) {}), cut);
    std::filesystem::resize_file(cut, 4 + BOARD_IMAGE_SIZE - 1); // without the last byte of the board, a zero
    paths.push_back(cut);
    int opened = 0;
    for (const std::string& path : paths) {
        PositionFileData data;
        const bool game = ReadPositionFile(path, data) == PositionFileResult::Ok;
        opened += game;
        r = Engine("move --pos '" + path + "' --dice 3 1");
        EXPECT_EQ(r.status, game ? 0 : 2) << path << ": " << r.err;
    }
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(Engine("move --pos '" + cube + "' --dice 3 1").err,
              "tablor-engine: position file '" + cube + "' has a cube value that is no power of two up to 64\n");

    // The messages of files that are no position files stay as they were.
    const std::string magic = files.Position("magic.pos", start, 33);
    EXPECT_EQ(Engine("move --pos '" + magic + "' --dice 3 1").err,
              "tablor-engine: '" + magic + "' is not a position file (wrong magic value)\n");
    std::filesystem::resize_file(cut, 8);
    EXPECT_EQ(Engine("move --pos '" + cut + "' --dice 3 1").err,
              "tablor-engine: position file '" + cut + "' ends inside the board image\n");
}

// The games of `selfplay --export` load in GNU Backgammon, an analysis
// program nobody here wrote, with every move legal; each game ends there in
// the position and with the score that the same games reach in Tablor.
TEST(EngineTool, SelfPlayExportLoadsInGnubgAsPlayed)
{
    if (GnubgPath().empty()) GTEST_SKIP() << "gnubg is not installed: the exported games are not checked";
    constexpr int GAMES = 300;
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / ("tablor-export-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string all = (dir / "all.mat").string();
    ASSERT_EQ(Engine("selfplay --games " + std::to_string(GAMES) + " --seed 7 --export '" + all + "'").status, 0);

    // The same games in this process: their last positions and results.
    std::vector<BoardData> finals;
    std::vector<std::array<int, 3>> scores;
    std::array<int, 3> score{0, 0, 0};
    SelfPlayOptions options;
    BoardData last{};
    options.onTurn = [&last](const SelfPlayTurn& turn) { last = turn.after; };
    Random random(7);
    for (int g = 0; g < GAMES; ++g) {
        const SelfPlayResult r = PlaySelfGame(random, options);
        ASSERT_NE(r.winner, NOBODY);
        score[r.winner] += r.points;
        finals.push_back(last);
        scores.push_back(score);
    }

    // The whole file, then each game from a file of its own.
    const std::string text = ReadFile(all);
    std::vector<std::string> files{all};
    std::size_t at = text.find("\n Game ");
    for (int g = 0; g < GAMES; ++g) {
        ASSERT_NE(at, std::string::npos) << "game " << g + 1;
        const std::size_t next = text.find("\n Game ", at + 1);
        files.push_back((dir / ("game" + std::to_string(g + 1) + ".mat")).string());
        std::ofstream(files.back()) << " 0 point match\n"
                                    << text.substr(at, next == std::string::npos ? next : next - at);
        at = next;
    }
    const GnubgRun run = ImportIntoGnubg(files, dir);
    EXPECT_EQ(run.warnings, 0) << run.output.substr(0, 2000);
    ASSERT_EQ(run.games.size(), files.size()) << run.output.substr(0, 2000);
    EXPECT_EQ(run.games[0].human, score[HUMAN]);
    EXPECT_EQ(run.games[0].computer, score[COMPUTER]);
    for (int g = 0; g < GAMES; ++g) {
        const GnubgGame& seen = run.games[g + 1];
        EXPECT_TRUE(SamePosition(seen.positionId, finals[g])) << "game " << g + 1 << ": " << seen.positionId;
        EXPECT_EQ(seen.human, scores[g][HUMAN]) << "game " << g + 1;
        EXPECT_EQ(seen.computer, scores[g][COMPUTER]) << "game " << g + 1;
    }
    std::filesystem::remove_all(dir);
}

// The export is the match file of the games played, written as they end: a
// path that cannot be written fails before any game is played, and a write
// that fails on the way leaves the old file as it was and no other.
TEST(EngineTool, SelfPlayExportIsWholeOrNothing)
{
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / ("tablor-whole-export-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "games.mat").string();
    ASSERT_EQ(Engine("selfplay --games 20 --seed 5 --levels 1,0 --export '" + path + "'").status, 0);
    std::vector<MatchGame> games;
    std::array<int, 3> score{0, 0, 0};
    GameRecord record;
    SelfPlayOptions options;
    options.computerLevel = 1;
    options.humanLevel = 0;
    options.onTurn = [&record](const SelfPlayTurn& turn) { RecordTurn(turn, record); };
    Random random(5);
    for (int g = 0; g < 20; ++g) {
        record.Start(true);
        const SelfPlayResult r = PlaySelfGame(random, options);
        record.End(r.winner, r.points, true);
        games.push_back(record.Game());
        games.back().scoreBefore = score;
        score[r.winner] += r.points;
    }
    EXPECT_EQ(ReadFile(path), MatchFileText(games, {"[Site \"Tablor self-play, seed 5\"]"}));

    const std::string missing = (dir / "missing" / "games.mat").string();
    ToolRun r = Engine("selfplay --games 3 --seed 1 --moves --export '" + missing + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty()) << "no game is played before the path is found bad";
    EXPECT_EQ(r.err, "tablor-engine: cannot write " + missing + "\n");

    std::ofstream(path) << "old games";
    {
        const DiskFullAfter full(64 * 1024);
        ASSERT_TRUE(full.Active());
        r = Engine("selfplay --games 200 --seed 1 --levels 0,0 --export '" + path + "'");
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tablor-engine: cannot write " + path + "\n");
    EXPECT_EQ(ReadFile(path), "old games");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    std::filesystem::remove_all(dir);
}

// The tool stopped by Ctrl+C or kill while it exports removes its temporary
// file and still ends of that signal; the next export of a file removes the
// temporary files that earlier runs of it left, but not a fresh one, a locked
// one (a writer at work), nor files merely named like them.
TEST(EngineTool, SelfPlayExportLeavesNoTemporaryFile)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / ("tablor-stopped-export-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "games.mat").string();
    const auto temporaries = [&dir] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().filename().string().rfind("games.mat.tmp", 0) == 0)
                names.push_back(entry.path().filename().string());
        return names;
    };
    // An export far longer than the test, its output thrown away.
    const auto startLongExport = [&path] {
        const pid_t child = fork();
        if (child == 0) {
            std::freopen("/dev/null", "w", stdout);
            ::execl(TABLOR_ENGINE, TABLOR_ENGINE, "selfplay", "--games", "10000000", "--seed", "1", "--levels", "0,0",
                    "--export", path.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        return child;
    };
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        const pid_t child = startLongExport();
        ASSERT_GE(child, 0);
        // Until the export is under way (its temporary file has games in it).
        bool started = false;
        for (int i = 0; i < 2000 && !started; ++i) {
            for (const std::string& name : temporaries()) started = started || fs::file_size(dir / name) > 4096;
            if (!started) ::usleep(10000);
        }
        EXPECT_TRUE(started);
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "signal " << signal;
        EXPECT_TRUE(temporaries().empty()) << "signal " << signal;
        EXPECT_FALSE(fs::exists(path));
    }

    const auto make = [&dir](const std::string& name, bool old) {
        std::ofstream(dir / name) << "partial";
        if (old) fs::last_write_time(dir / name, fs::file_time_type::clock::now() - std::chrono::hours(2));
    };
    // Killed outright, the run leaves its temporary file; the next export removes it once stale.
    const pid_t killed = startLongExport();
    ASSERT_GE(killed, 0);
    for (int i = 0; i < 2000 && temporaries().empty(); ++i) ::usleep(10000);
    ::kill(killed, SIGKILL);
    ::waitpid(killed, nullptr, 0);
    const std::vector<std::string> left = temporaries();
    ASSERT_EQ(left.size(), 1u);
    fs::last_write_time(dir / left[0], fs::file_time_type::clock::now() - std::chrono::hours(2));
    make("games.mat.tmp123456", true);
    make("games.mat.tmp777", true);
    make("games.mat.tmp999", false);
    make("games.mat.tmp12x", true);
    make("games.mat.tmp", true);
    make("other.mat.tmp55", true);
    const int held = ::open((dir / "games.mat.tmp777").c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_EQ(Engine("selfplay --games 2 --seed 3 --export '" + path + "'").status, 0);
    ::close(held);
    EXPECT_FALSE(fs::exists(dir / "games.mat.tmp123456"));
    EXPECT_FALSE(fs::exists(dir / left[0]));
    for (const char* kept :
         {"games.mat.tmp777", "games.mat.tmp999", "games.mat.tmp12x", "games.mat.tmp", "other.mat.tmp55"})
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;
    EXPECT_TRUE(fs::exists(path));
    fs::remove_all(dir);
}

// A fifo given as the position that another process holds open (with a good
// position in it) would block the tool for ever: refused like a bad file.
// Output that cannot be written (a full disk, a closed standard output) ends
// with status 1 and a message, not with a success.
TEST(EngineTool, HostileFilesAndOutputThatCannotBeWritten)
{
    TempFiles files;
    const std::string good = files.Position("good.pos", StandardSetup());
    std::ifstream in(good, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const FilledFifo fifo(files.Path("fifo.pos"), bytes);
    ASSERT_TRUE(fifo.Ready());
    ExpectBadArguments("move --pos '" + fifo.Path() + "' --dice 3 1");
    ExpectBadArguments("move --pos /dev/zero --dice 3 1");
    ExpectBadArguments("move --pos '" + ::testing::TempDir() + "' --dice 3 1");
    EXPECT_EQ(Engine("move --pos '" + good + "' --dice 3 1").status, 0);

    const std::string err = files.Path("err.txt");
    for (const std::string& args :
         {std::string("move --pos '") + good + "' --dice 3 1", std::string("rolls --seed 1 --count 100000000"),
          std::string("selfplay --games 100000 --seed 1 --moves"), std::string("--help")}) {
        for (const std::string& out : {std::string(">/dev/full"), std::string(">&-")}) {
            const int raw =
                std::system(("'" + std::string(TABLOR_ENGINE) + "' " + args + " " + out + " 2>'" + err + "'").c_str());
            EXPECT_TRUE(WIFEXITED(raw)) << args << out;
            EXPECT_EQ(WEXITSTATUS(raw), 1) << args << out;
            EXPECT_EQ(ReadFile(err).rfind("tablor-engine: cannot write the output: ", 0), 0u)
                << args << out << ": " << ReadFile(err);
        }
    }
}

TEST(EngineTool, TheExpertPlaysLegallyAndTheSameEachTimeAndSaysWhenItHasNoWeights)
{
    TempFiles files;
    const std::string weights = files.Path("expert.tnw");
    Networks nets;
    nets.contact = Network::Random(32, 3);
    nets.race = Network::Random(16, 4);
    ASSERT_TRUE(SaveNetworks(weights, nets));
    ::setenv("TABLOR_WEIGHTS", weights.c_str(), 1);

    // A play for each side from the start: the position it reaches is one of the roll's plays.
    const BoardData start = WithFixedOwners(StandardSetup());
    PlayMaker maker;
    for (const char* side : {"computer", "human"}) {
        const int player = std::string(side) == "human" ? HUMAN : COMPUTER;
        const ToolRun r = Engine("move --board " + BoardArgument(start) + " --dice 6 4 --level 3 --side " + side);
        ASSERT_EQ(r.status, 0) << r.err;
        std::vector<int> numbers;
        for (std::size_t at = r.out.find("[[") + 1; at < r.out.find("]]") + 1; ++at)
            if (std::isdigit(static_cast<unsigned char>(r.out[at]))) {
                numbers.push_back(std::atoi(r.out.c_str() + at));
                while (std::isdigit(static_cast<unsigned char>(r.out[at + 1]))) ++at;
            }
        ASSERT_EQ(numbers.size(), 4u) << r.out;
        Checkers c = FromBoard(start, player);
        for (int k = 0; k < 2; ++k) {
            const int from = numbers[2 * k];
            const int die = player == COMPUTER ? numbers[2 * k + 1] : numbers[2 * k + 1] - from;
            ApplyMove(c, player == COMPUTER ? from : 25 - from, die);
        }
        bool found = false;
        for (const Play& p : maker.Make(FromBoard(start, player), 6, 4)) found = found || p.after == c;
        EXPECT_TRUE(found) << side << ": " << r.out;
        EXPECT_NE(r.out.find("\"equity\":"), std::string::npos);
    }

    // Self-play at level 3 finishes its games, the same way for the same seed.
    const ToolRun a = Engine("selfplay --games 3 --seed 5 --levels 3,2 --plies 1 --moves");
    const ToolRun b = Engine("selfplay --games 3 --seed 5 --levels 3,2 --plies 1 --moves");
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_NE(a.out.find("\"unfinished\":0"), std::string::npos) << a.out;
    const auto moves = [](const std::string& out) { return out.substr(0, out.rfind("{\"games\"")); };
    EXPECT_EQ(moves(a.out), moves(b.out));

    // eval: a side that bears off its last piece with any roll has won.
    BoardData won{};
    won[1] = {1, COMPUTER};
    won[COMPUTER_TRAY] = {14, COMPUTER};
    won[12] = {15, HUMAN};
    won[HUMAN_TRAY] = {0, HUMAN};
    won[COMPUTER_BAR] = {0, COMPUTER};
    won[HUMAN_BAR] = {0, HUMAN};
    const ToolRun e = Engine("eval --board " + BoardArgument(won) + " --plies 1");
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.out.find("\"win\":1.000000,\"win_gammon\":1.000000,\"win_backgammon\":0.000000"), std::string::npos)
        << e.out;
    EXPECT_NE(e.out.find("\"equity\":2.000000"), std::string::npos) << e.out;

    // No weights: a message naming the file, exit status 2, no play.
    ::setenv("TABLOR_WEIGHTS", files.Path("missing.tnw").c_str(), 1);
    const ToolRun none = Engine("move --board " + BoardArgument(start) + " --dice 6 4 --level 3");
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.out.empty());
    EXPECT_NE(none.err.find("missing.tnw"), std::string::npos) << none.err;
    ::unsetenv("TABLOR_WEIGHTS");
}

// import replays the games selfplay exported and prints each one's result,
// the running score and the board it ended on, as the games were played; a
// file that cannot be played, a missing file or a fifo is refused with status 2.
TEST(EngineTool, ImportReplaysTheSelfPlayExport)
{
    constexpr int GAMES = 12;
    TempFiles files;
    const std::string path = files.Path("games.mat");
    ASSERT_EQ(Engine("selfplay --games " + std::to_string(GAMES) + " --seed 4 --export '" + path + "'").status, 0);
    const ToolRun r = Engine("import '" + path + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.out.rfind("{\"match_length\":0,\"players\":{\"human\":\"Human\",\"computer\":\"Computer\"},\"games\":[", 0),
        0u)
        << r.out;

    SelfPlayOptions options;
    BoardData last{};
    options.onTurn = [&last](const SelfPlayTurn& turn) { last = turn.after; };
    Random random(4);
    std::array<int, 3> score{0, 0, 0};
    std::size_t at = 0;
    for (int g = 1; g <= GAMES; ++g) {
        const SelfPlayResult result = PlaySelfGame(random, options);
        score[result.winner] += result.points;
        const std::string game = "{\"game\":" + std::to_string(g) + ",";
        at = r.out.find(game, at);
        ASSERT_NE(at, std::string::npos) << game << r.out;
        const std::string entry = r.out.substr(at, r.out.find('}', r.out.find("\"board\"", at)) - at);
        const std::string winner = result.winner == HUMAN ? "\"human\"" : "\"computer\"";
        EXPECT_NE(entry.find("\"winner\":" + winner + ",\"points\":" + std::to_string(result.points) + ","),
                  std::string::npos)
            << entry;
        EXPECT_NE(entry.find("\"score\":{\"human\":" + std::to_string(score[HUMAN]) +
                             ",\"computer\":" + std::to_string(score[COMPUTER]) + "}"),
                  std::string::npos)
            << entry;
        EXPECT_NE(entry.find("\"board\":\"" + BoardArgument(WithFixedOwners(last)) + "\""), std::string::npos) << entry;
    }

    // A move the rules do not allow, named with its game and line.
    std::string text = ReadFile(path);
    const std::size_t colon = text.find(": ", text.find(" 1) "));
    ASSERT_NE(colon, std::string::npos);
    text.replace(colon + 2, 0, "9/1 ");
    const std::string bad = files.Path("bad.mat");
    std::ofstream(bad) << text;
    const ToolRun refused = Engine("import '" + bad + "'");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("(game 1): "), std::string::npos) << refused.err;
    EXPECT_TRUE(refused.out.empty());

    ExpectBadArguments("import");
    ExpectBadArguments("import '" + path + "' '" + path + "'");
    ExpectBadArguments("import '" + files.Path("missing.mat") + "'");
    ExpectBadArguments("import /dev/zero");
    const FilledFifo fifo(files.Path("fifo.mat"), ReadFile(path));
    ASSERT_TRUE(fifo.Ready());
    ExpectBadArguments("import '" + fifo.Path() + "'");
}

// analyse-selfplay judges the games selfplay plays: a line per decision with
// --decisions (one per roll of the games, each side's in its own line), a
// line per game and the totals, which add up the games' sides.
TEST(EngineTool, AnalyseSelfPlayJudgesEveryRollOfTheGamesSelfPlayPlays)
{
    const ToolRun play = Engine("selfplay --games 3 --seed 4");
    ASSERT_EQ(play.status, 0) << play.err;
    const std::size_t turnsAt = play.out.find("\"turns\":");
    ASSERT_NE(turnsAt, std::string::npos);
    const long turns = std::stol(play.out.substr(turnsAt + 8));

    const ToolRun run = Engine("analyse-selfplay --games 3 --seed 4 --decisions");
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    long decisions = 0, games = 0, plays = 0;
    std::string last;
    while (std::getline(lines, line)) {
        if (line.find("\"kind\":\"play\"") != std::string::npos) {
            ++decisions;
            EXPECT_NE(line.find("\"best\":[{\"moves\":"), std::string::npos) << line;
        } else if (line.find("\"winner\":") != std::string::npos) {
            ++games;
            for (const char* side : {"\"computer\":{\"decisions\":", "\"human\":{\"decisions\":"}) {
                const std::size_t at = line.find(side);
                ASSERT_NE(at, std::string::npos) << line;
                plays += std::stol(line.substr(at + std::string(side).size()));
            }
        }
        last = line;
    }
    EXPECT_EQ(decisions, turns);
    EXPECT_EQ(games, 3);
    EXPECT_NE(last.find("{\"games\":3,"), std::string::npos) << last;
    const std::size_t c = last.find("\"computer\":{\"decisions\":"), h = last.find("\"human\":{\"decisions\":");
    ASSERT_NE(c, std::string::npos);
    ASSERT_NE(h, std::string::npos);
    EXPECT_EQ(std::stol(last.substr(c + 24)) + std::stol(last.substr(h + 21)), plays);
    EXPECT_NE(last.find("\"rating\":\""), std::string::npos);

    EXPECT_EQ(Engine("analyse-selfplay --games 3").status, 2);
    EXPECT_EQ(Engine("analyse-selfplay --games 3 --seed 1 --plies 9").status, 2);
}

// analyse judges the games of a match file as analyse-selfplay judges the
// same games played: every checker play's line is the same (the file writes
// the higher die first, so rolls are compared as sets); a file that cannot be
// replayed is refused.
TEST(EngineTool, AnalyseJudgesAMatchFilesGamesAsTheyWerePlayed)
{
    TempFiles files;
    const std::string path = files.Path("games.mat");
    ASSERT_EQ(Engine("selfplay --games 2 --seed 4 --export '" + path + "'").status, 0);
    const ToolRun file = Engine("analyse '" + path + "' --plies 1 --decisions");
    ASSERT_EQ(file.status, 0) << file.err;
    const ToolRun played = Engine("analyse-selfplay --games 2 --seed 4 --plies 1 --decisions");
    ASSERT_EQ(played.status, 0) << played.err;
    auto plays = [](const std::string& out) {
        std::vector<std::string> lines;
        std::istringstream in(out);
        std::string line;
        const std::regex roll("\"roll\":\\[([1-6]),([1-6])\\]");
        while (std::getline(in, line)) {
            if (line.find("\"kind\":\"play\"") == std::string::npos) continue;
            std::smatch m;
            if (std::regex_search(line, m, roll) && m[1].str() < m[2].str())
                line = m.prefix().str() + "\"roll\":[" + m[2].str() + "," + m[1].str() + "]" + m.suffix().str();
            lines.push_back(line);
        }
        return lines;
    };
    const std::vector<std::string> fromFile = plays(file.out), fromPlay = plays(played.out);
    EXPECT_GT(fromFile.size(), 40u);
    EXPECT_EQ(fromFile, fromPlay);
    EXPECT_NE(file.out.find("{\"games\":2,\"plies\":1,"), std::string::npos) << file.out.substr(file.out.size() - 300);

    std::string text = ReadFile(path);
    text.replace(text.find(": ", text.find(" 1) ")) + 2, 0, "9/1 ");
    const std::string bad = files.Path("bad.mat");
    std::ofstream(bad) << text;
    const ToolRun refused = Engine("analyse '" + bad + "'");
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    ExpectBadArguments("analyse");
    ExpectBadArguments("analyse '" + path + "' --plies 9");
    ExpectBadArguments("analyse '" + path + "' --frobnicate");
}
