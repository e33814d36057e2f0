// SPDX-License-Identifier: GPL-3.0-or-later
// tablor-engine: the game's engine from the command line.
//
//   tablor-engine move (--pos FILE | --board BOARD) --dice A B [--level 0|1|2|3] [--plies P] [--book]
//                      [--side computer|human]
//   tablor-engine eval (--pos FILE | --board BOARD) [--side computer|human] [--plies P]
//   tablor-engine serve
//   tablor-engine rolls --seed S --count N
//   tablor-engine selfplay --games N --seed S [--levels C,H] [--plies P] [--moves] [--export FILE.mat]
//   tablor-engine import FILE.mat
//
// import reads a match file, replays every game by the rules and prints each
// game's result, final score and final position, or refuses the file naming
// the game and line that cannot be played.
//   tablor-engine analyse FILE.mat [--plies P] [--decisions] [--cubeless]
//   tablor-engine analyse-selfplay --games N --seed S [--levels C,H] [--plies P] [--decisions] [--cubeless]
//
// analyse-selfplay plays the games selfplay plays and has the Expert judge
// every checker play of both sides at --plies (default 2): one line of JSON per game,
// one per decision before it with --decisions, and the totals last.
// Level 3 is the Expert, a neural network with a lookahead of --plies (its
// default 1); eval prints its chances for the side on roll.
//
// Output is one line of JSON (rolls: one roll a line). serve reads move
// command lines from standard input and answers each with the line of JSON
// that move prints, or {"error":"..."}, until the end of its input; the engine
// starts once for any number of moves. Bad arguments, an
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
#include "core/files/MatchImport.h"
#include "core/neural/Analysis.h"
#include "core/neural/Expert.h"
#include "core/neural/WeightsFile.h"
#include "engine/EngineArgs.h"
#include "engine/ExportFile.h"

namespace {

constexpr int EXIT_BAD = 2;
constexpr int EXIT_WRITE_FAILED = 1;

constexpr const char* USAGE =
    "usage: tablor-engine move (--pos FILE | --board BOARD) --dice A B [--level 0|1|2|3] [--plies P] [--book]\n"
    "                          [--side computer|human]\n"
    "       tablor-engine eval (--pos FILE | --board BOARD) [--side computer|human] [--plies P]\n"
    "       tablor-engine serve   (reads move command lines, one a line, and answers each with a line)\n"
    "       tablor-engine rolls --seed S --count N\n"
    "       tablor-engine selfplay --games N --seed S [--levels C,H] [--plies P] [--moves] [--export FILE.mat]\n"
    "       tablor-engine import FILE.mat   (replays a match file and prints each game's result)\n"
    "       tablor-engine analyse FILE.mat [--plies P] [--decisions] [--cubeless]\n"
    "       tablor-engine analyse-selfplay --games N --seed S [--levels C,H] [--plies P] [--decisions] [--cubeless]\n"
    "BOARD is 28 comma-separated count:owner entries for locations 0 to 27.\n"
    "With --side human the human's play is found by the mirrored search at --level (default 2, as the\n"
    "program's suggestion uses); --levels C,H gives the computer's level and that of the human's side.\n"
    "Level 3 is the Expert: a neural network looking --plies ahead (default 1, at most 3); eval prints its\n"
    "chances for the side on roll. Its weights are read from $TABLOR_WEIGHTS or the installed expert.tnw.\n"
    "analyse-selfplay has the Expert judge, at --plies (default 2), every checker play of the games selfplay\n"
    "plays (with its Expert at its default depth).\n";

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

// The Expert, made at its first use from the weights file, or null with the
// reason in `error` when there are no usable weights.
Expert* TheExpert(std::string& error)
{
    static std::unique_ptr<Expert> expert;
    static std::string failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        NetworksResult r = LoadNetworks(LocateWeights());
        if (r.networks)
            expert = std::make_unique<Expert>(std::make_shared<const Evaluator>(std::move(*r.networks)));
        else
            failure = "the Expert (level 3) has no weights: " + r.error;
    }
    error = failure;
    return expert.get();
}

std::string Number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", v);
    return text;
}

// The Expert's play for one position and roll, in the form move prints for
// the side: (from, die) pairs for the computer, (from, to) for the human.
std::string ExpertMoveJson(const MoveArgs& args, Expert& expert)
{
    expert.SetPlies(args.plies < 0 ? EXPERT_DEFAULT_PLIES : args.plies);
    const int player = args.human ? HUMAN : COMPUTER;
    const ExpertMove m = expert.Choose(args.board, player, args.first, args.second);
    std::string out = "{\"moves\":[";
    for (int k = 0; k < m.count; ++k) {
        const int second = args.human ? m.pairs[k].second : m.die[k];
        out += (k ? ",[" : "[") + std::to_string(m.from[k]) + "," + std::to_string(second) + "]";
    }
    out += "]";
    if (!args.human) {
        out += ",\"dice\":[";
        for (int k = 0; k < 4; ++k) out += (k ? "," : "") + std::to_string(k < m.count ? m.die[k] : 0);
        out += "],\"score\":null";
    }
    return out + ",\"equity\":" + Number(m.value.Equity()) + "}";
}

// `move`: the computer's play (or the human's, by the suggestion) for one
// position and roll, as its line of JSON without the newline; "" with the
// reason in `error` when the Expert is asked for and has no weights.
std::string MoveJson(const MoveArgs& args, std::string& error)
{
    if (args.level == EXPERT_LEVEL) {
        Expert* expert = TheExpert(error);
        return expert != nullptr ? ExpertMoveJson(args, *expert) : std::string();
    }
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
    return out;
}

// A message as a JSON string, quotes included.
std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The words of a command line, split at spaces and tabs (no quoting: a
// --pos path for serve has none in it).
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string::npos) return words;
        const std::size_t end = line.find_first_of(" \t\r", at);
        words.push_back(line.substr(at, end == std::string::npos ? end : end - at));
        at = end;
    }
}

// The answer of serve to one line: what move prints for it, or the message
// that move gives on standard error as {"error":"..."}.
std::string ServeAnswer(const std::string& line)
{
    const std::vector<std::string> words = Words(line);
    std::string error;
    MoveArgs move;
    if (words.empty())
        error = "serve answers move lines, not an empty line";
    else if (words[0] != "move")
        error = "serve answers move lines, not '" + words[0] + "'";
    else if (ParseMoveArgs(words, move, error)) {
        std::string out = MoveJson(move, error);
        if (!out.empty()) return out;
    }
    return "{\"error\":" + JsonString(error) + "}";
}

// `serve`: one answer a line of standard input, each flushed at once, so that
// a program driving the engine reads it before it sends the next line.
int RunServe()
{
    std::string line;
    for (int c = std::getchar(); c != EOF && !OutputFailed(); c = std::getchar()) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        std::printf("%s\n", ServeAnswer(line).c_str());
        std::fflush(stdout);
        line.clear();
    }
    // A last line without its newline is answered too.
    if (!line.empty() && !OutputFailed()) std::printf("%s\n", ServeAnswer(line).c_str());
    return 0;
}

// `eval`: the Expert's chances for the side on roll, before it rolls.
int RunEval(const EvalArgs& args, Expert& expert)
{
    const Checkers c = FromBoard(args.board, args.human ? HUMAN : COMPUTER);
    const Probabilities p = expert.EvaluatePly(c, args.plies);
    std::printf("{\"win\":%s,\"win_gammon\":%s,\"win_backgammon\":%s,\"lose_gammon\":%s,"
                "\"lose_backgammon\":%s,\"equity\":%s,\"plies\":%d}\n",
                Number(p.win).c_str(), Number(p.winGammon).c_str(), Number(p.winBackgammon).c_str(),
                Number(p.loseGammon).c_str(), Number(p.loseBackgammon).c_str(), Number(p.Equity()).c_str(), args.plies);
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
    if (args.computerLevel == EXPERT_LEVEL || args.humanLevel == EXPERT_LEVEL) {
        std::string error;
        Expert* expert = TheExpert(error);
        if (expert == nullptr) return Fail(error);
        expert->SetPlies(args.plies < 0 ? EXPERT_DEFAULT_PLIES : args.plies);
        options.otherLevel = [expert](const BoardData& board, int player, int first, int second,
                                      std::array<std::pair<int, int>, 4>& moves) {
            const ExpertMove m = expert->Choose(board, player, first, second);
            for (int k = 0; k < m.count; ++k) moves[k] = m.pairs[k];
            return m.count;
        };
    }
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
    };

    long wins[3] = {0, 0, 0};
    long gammons = 0, backgammons = 0, turns = 0, searches = 0;
    double engineSeconds = 0;
    const auto started = Clock::now();
    for (long g = 0; g < args.games && !OutputFailed() && exportWritten; ++g) {
        if (args.moves) std::printf("game %ld\n", g + 1);
        const SelfPlayResult r = PlaySelfGame(random, options);
        if (exportFile) {
            MatchGame game = r.game.record.Game();
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

// A board as the 28 count:owner entries that --board takes.
std::string BoardText(const BoardData& b)
{
    std::string out;
    for (int i = 0; i < LOCATIONS; ++i)
        out += (i ? "," : "") + std::to_string(b[i].count) + ":" + std::to_string(b[i].owner);
    return out;
}

std::string SideName(int player)
{
    return player == HUMAN ? "\"human\"" : player == COMPUTER ? "\"computer\"" : "null";
}

// `import`: the match read and replayed, one line of JSON: the match length,
// the players (the left column's is the human's side) and per game its
// result, the score after it, the cube and the final board.
int RunImport(const ImportArgs& args)
{
    std::string reason;
    const std::optional<ImportedMatch> match = ImportMatchFile(args.path, reason);
    if (!match) return Fail(args.path + ": " + reason);
    std::string out = "{\"match_length\":" + std::to_string(match->matchLength) +
                      ",\"players\":{\"human\":" + JsonString(match->names[HUMAN]) +
                      ",\"computer\":" + JsonString(match->names[COMPUTER]) + "},\"games\":[";
    for (std::size_t k = 0; k < match->games.size(); ++k) {
        const ImportedGame& g = match->games[k];
        out += (k ? ",{" : "{") + std::string("\"game\":") + std::to_string(g.number) +
               ",\"actions\":" + std::to_string(g.game.actions.size()) + ",\"winner\":" + SideName(g.game.winner) +
               ",\"points\":" + std::to_string(g.game.points) + ",\"resigned\":" + SideName(g.resigned) +
               ",\"crawford\":" + (g.crawford ? "true" : "false") + ",\"cube\":" + std::to_string(g.cubeValue) +
               ",\"score\":{\"human\":" + std::to_string(g.scoreAfter[HUMAN]) +
               ",\"computer\":" + std::to_string(g.scoreAfter[COMPUTER]) + "},\"board\":\"" + BoardText(g.finalBoard) +
               "\"}";
    }
    std::printf("%s]}\n", out.c_str());
    return 0;
}

const char* SideWord(int player) { return player == COMPUTER ? "computer" : "human"; }

std::string MovesText(const std::vector<MatchMove>& moves)
{
    std::string out = "[";
    for (std::size_t k = 0; k < moves.size(); ++k)
        out += (k ? ",[" : "[") + std::to_string(moves[k].from) + "," + std::to_string(moves[k].to) + "]";
    return out + "]";
}

std::string DecisionJson(const Decision& d, long game)
{
    static constexpr const char* kinds[] = {"play", "double", "no double", "take", "drop"};
    std::string out = "{\"game\":" + std::to_string(game) + ",\"action\":" + std::to_string(d.action + 1) +
                      ",\"side\":\"" + SideWord(d.player) + "\",\"kind\":\"" + kinds[static_cast<int>(d.kind)] + "\"";
    if (d.kind == Decision::Kind::Play)
        out += ",\"roll\":[" + std::to_string(d.first) + "," + std::to_string(d.second) +
               "],\"forced\":" + (d.forced ? "true" : "false") + ",\"rank\":" + std::to_string(d.rank) +
               ",\"luck\":" + Number(d.luck);
    else
        out += ",\"no_double\":" + Number(d.noDouble) + ",\"double_take\":" + Number(d.doubleTake);
    out += ",\"equity\":" + Number(d.equity) + ",\"best_equity\":" + Number(d.bestEquity) +
           ",\"loss_memg\":" + Number(1000 * d.loss) + ",\"mark\":\"" + MarkName(d.mark) + "\"";
    if (d.kind == Decision::Kind::Play) {
        out += ",\"best\":[";
        for (std::size_t k = 0; k < d.best.size(); ++k)
            out += std::string(k ? "," : "") + "{\"moves\":" + MovesText(d.best[k].moves) +
                   ",\"equity\":" + Number(d.best[k].equity) + ",\"plies\":" + std::to_string(d.best[k].plies) + "}";
        out += "]";
    }
    return out + "}";
}

std::string SideJson(const SideSummary& s)
{
    return std::string("{\"decisions\":") + std::to_string(s.decisions) + ",\"plays\":" + std::to_string(s.plays) +
           ",\"cube_decisions\":" + std::to_string(s.cubeDecisions) + ",\"error_total\":" + Number(s.errorTotal) +
           ",\"error_rate_memg\":" + Number(s.errorRate) + ",\"doubtful\":" + std::to_string(s.marks[1]) +
           ",\"bad\":" + std::to_string(s.marks[2]) + ",\"very_bad\":" + std::to_string(s.marks[3]) + ",\"rating\":\"" +
           s.rating + "\",\"luck\":" + Number(s.luck) + ",\"rolls\":" + std::to_string(s.rolls) + "}";
}

// Adds one game's summary of a side into a running total.
void AddSide(SideSummary& total, const SideSummary& s)
{
    total.decisions += s.decisions;
    total.plays += s.plays;
    total.cubeDecisions += s.cubeDecisions;
    total.errorTotal += s.errorTotal;
    for (std::size_t k = 0; k < s.marks.size(); ++k) total.marks[k] += s.marks[k];
    total.luck += s.luck;
    total.rolls += s.rolls;
    total.errorRate = total.decisions > 0 ? 1000 * total.errorTotal / total.decisions : 0;
    total.rating = total.decisions > 0 ? RatingOf(total.errorRate) : "";
}

// Judges games one by one and prints each game's line (and its decisions'
// lines when asked); `totals` sums the sides. False when a game's record
// cannot be followed, with the reason in `error`.
bool PrintAnalysis(const MatchGame& game, long number, Expert& expert, const AnalysisOptions& options, bool decisions,
                   std::array<SideSummary, 3>& totals, std::string& error)
{
    const GameAnalysis a = AnalyseGame(game, expert, options);
    if (!a.error.empty()) {
        error = "game " + std::to_string(number) + ": " + a.error;
        return false;
    }
    if (decisions)
        for (const Decision& d : a.decisions) std::printf("%s\n", DecisionJson(d, number).c_str());
    std::printf("{\"game\":%ld,\"winner\":\"%s\",\"points\":%d,\"computer\":%s,\"human\":%s}\n", number,
                game.winner == NOBODY ? "nobody" : SideWord(game.winner), game.points,
                SideJson(a.sides[COMPUTER]).c_str(), SideJson(a.sides[HUMAN]).c_str());
    for (int p : {COMPUTER, HUMAN}) AddSide(totals[static_cast<std::size_t>(p)], a.sides[static_cast<std::size_t>(p)]);
    return true;
}

// `analyse-selfplay`: the games selfplay plays for these options, each judged
// by the Expert as soon as it is over. The games are played without the
// cube, so only their checker plays are judged.
int RunAnalyseSelfPlay(const AnalyseArgs& args)
{
    std::string error;
    Expert* expert = TheExpert(error);
    if (expert == nullptr) return Fail(error);
    const int plies = args.plies < 0 ? ANALYSIS_DEFAULT_PLIES : args.plies;
    expert->SetPlies(EXPERT_DEFAULT_PLIES);
    Random random(args.seed);
    SelfPlayOptions options;
    options.computerLevel = args.computerLevel;
    options.humanLevel = args.humanLevel;
    options.otherLevel = [expert](const BoardData& board, int player, int first, int second,
                                  std::array<std::pair<int, int>, 4>& moves) {
        const ExpertMove m = expert->Choose(board, player, first, second);
        for (int k = 0; k < m.count; ++k) moves[k] = m.pairs[k];
        return m.count;
    };
    GameRecord record;
    options.onTurn = [&](const SelfPlayTurn& turn) { RecordTurn(turn, record); };
    AnalysisOptions analysis;
    analysis.plies = plies;
    analysis.cube = false;
    analysis.cubeful = !args.cubeless;
    std::array<SideSummary, 3> totals{};
    for (long g = 0; g < args.games && !OutputFailed(); ++g) {
        record.Start(true);
        const SelfPlayResult r = PlaySelfGame(random, options);
        record.End(r.winner, r.points, true);
        if (!PrintAnalysis(record.Game(), g + 1, *expert, analysis, args.decisions, totals, error)) return Fail(error);
    }
    std::printf("{\"games\":%ld,\"plies\":%d,\"computer\":%s,\"human\":%s}\n", args.games, plies,
                SideJson(totals[COMPUTER]).c_str(), SideJson(totals[HUMAN]).c_str());
    return 0;
}

// `analyse`: the games of a match file, each replayed and judged by the
// Expert as analyse-selfplay judges its games, cube actions included (as
// money play, whatever the match length).
int RunAnalyseFile(const AnalyseFileArgs& args)
{
    std::string reason;
    const std::optional<ImportedMatch> match = ImportMatchFile(args.path, reason);
    if (!match) return Fail(args.path + ": " + reason);
    std::string error;
    Expert* expert = TheExpert(error);
    if (expert == nullptr) return Fail(error);
    const int plies = args.plies < 0 ? ANALYSIS_DEFAULT_PLIES : args.plies;
    AnalysisOptions analysis;
    analysis.plies = plies;
    analysis.cubeful = !args.cubeless;
    std::array<SideSummary, 3> totals{};
    for (const ImportedGame& g : match->games) {
        if (OutputFailed()) break;
        if (!PrintAnalysis(g.game, g.number, *expert, analysis, args.decisions, totals, error)) return Fail(error);
    }
    std::printf("{\"games\":%zu,\"plies\":%d,\"computer\":%s,\"human\":%s}\n", match->games.size(), plies,
                SideJson(totals[COMPUTER]).c_str(), SideJson(totals[HUMAN]).c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Fail("no command: move, eval, serve, rolls, selfplay, import, analyse or analyse-selfplay (--help shows "
                    "the usage)");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(USAGE, stdout);
        return Finish(0);
    }
    std::string error;
    if (args[0] == "move") {
        MoveArgs move;
        if (!ParseMoveArgs(args, move, error)) return Fail(error);
        const std::string out = MoveJson(move, error);
        if (out.empty()) return Fail(error);
        std::printf("%s\n", out.c_str());
        return Finish(0);
    }
    if (args[0] == "eval") {
        EvalArgs eval;
        if (!ParseEvalArgs(args, eval, error)) return Fail(error);
        Expert* expert = TheExpert(error);
        if (expert == nullptr) return Fail(error);
        return Finish(RunEval(eval, *expert));
    }
    if (args[0] == "serve") {
        if (args.size() > 1) return Fail("serve takes no options; it reads move lines from standard input");
        return Finish(RunServe());
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
    if (args[0] == "import") {
        ImportArgs import;
        if (!ParseImportArgs(args, import, error)) return Fail(error);
        return Finish(RunImport(import));
    }
    if (args[0] == "analyse") {
        AnalyseFileArgs analyse;
        if (!ParseAnalyseFileArgs(args, analyse, error)) return Fail(error);
        return Finish(RunAnalyseFile(analyse));
    }
    if (args[0] == "analyse-selfplay") {
        AnalyseArgs analyse;
        if (!ParseAnalyseArgs(args, analyse, error)) return Fail(error);
        return Finish(RunAnalyseSelfPlay(analyse));
    }
    return Fail("unknown command '" + args[0] +
                "' (move, eval, serve, rolls, selfplay, import, analyse or analyse-selfplay)");
}
