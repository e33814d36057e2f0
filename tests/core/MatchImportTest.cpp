// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Gnubg.h"
#include "core/board/SelfPlay.h"
#include "core/files/MatchFile.h"
#include "core/files/MatchImport.h"

namespace {

// A 5-point match between two players, the left one's name with a space:
// comments and tags in the header, the dice in either order, a combined move
// that hits on its way, entering from the bar, a take, resignations and the
// Crawford game marked.
const char* const FIVE_POINTS = "; [Site \"Club night\"]\n"
                                "[Event \"Friday\"]\n"
                                "\n"
                                " 5 point match\n"
                                "\n"
                                " Game 1\n"
                                " Left Player : 0                Right : 0\n"
                                "  1)                             31: 8/5 6/5\n"
                                "  2) 36: 24/18 13/10             64: 13/7* 24/20\n"
                                "  3) 62: bar/23 24/18*           55: bar/20 20/15*/10 6/1\n"
                                "  4)  Doubles => 2                Takes\n"
                                "  5) 43: bar/18                   Resigns\n"
                                "      Wins 4 points\n"
                                "\n"
                                " Game 2 (Crawford)\n"
                                " Left Player : 4                Right : 0\n"
                                "  1)                             41: 24/23 13/9\n"
                                "  2) 61: 13/7 8/7                 Resigns\n"
                                "      Wins 1 point and the match\n";

// A money session: a double dropped, the win on the dropping line.
const char* const MONEY = " 0 point match\n"
                          "\n"
                          " Game 1\n"
                          " A : 0                          B : 0\n"
                          "  1) 31: 8/5 6/5                 Doubles => 2\n"
                          "  2)  Drops                       Wins 1 point\n";

MatchAction RollOf(int player, int first, int second, std::vector<MatchMove> moves)
{
    return {MatchAction::Kind::Roll, player, first, second, std::move(moves), 0};
}

void ExpectSameActions(const std::vector<MatchAction>& seen, const std::vector<MatchAction>& expected,
                       const std::string& where)
{
    ASSERT_EQ(seen.size(), expected.size()) << where;
    for (std::size_t k = 0; k < seen.size(); ++k) {
        const MatchAction &a = seen[k], &b = expected[k];
        EXPECT_EQ(a.kind, b.kind) << where << " action " << k;
        EXPECT_EQ(a.player, b.player) << where << " action " << k;
        EXPECT_EQ(a.first, b.first) << where << " action " << k;
        EXPECT_EQ(a.second, b.second) << where << " action " << k;
        EXPECT_EQ(a.moves, b.moves) << where << " action " << k;
        EXPECT_EQ(a.cubeValue, b.cubeValue) << where << " action " << k;
    }
}

std::string Refusal(const std::string& text)
{
    std::string reason;
    const auto match = ImportMatchText(text, reason);
    EXPECT_FALSE(match.has_value()) << text;
    return reason;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

} // namespace

TEST(MatchImport, ReadsTheFormsRealFilesHoldInBoardLocations)
{
    std::string reason;
    const auto match = ImportMatchText(FIVE_POINTS, reason);
    ASSERT_TRUE(match.has_value()) << reason;
    EXPECT_EQ(match->matchLength, 5);
    EXPECT_EQ(match->names[HUMAN], "Left Player");
    EXPECT_EQ(match->names[COMPUTER], "Right");
    ASSERT_EQ(match->games.size(), 2u);

    const ImportedGame& first = match->games[0];
    ExpectSameActions(
        first.game.actions,
        {RollOf(COMPUTER, 3, 1, {{8, 5, false}, {6, 5, false}}),
         RollOf(HUMAN, 3, 6, {{1, 7, false}, {12, 15, false}}),
         RollOf(COMPUTER, 6, 4, {{13, 7, true}, {24, 20, false}}),
         RollOf(HUMAN, 6, 2, {{HUMAN_BAR, 2, false}, {1, 7, true}}),
         RollOf(COMPUTER, 5, 5, {{COMPUTER_BAR, 20, false}, {20, 15, true}, {15, 10, false}, {6, 1, false}}),
         {MatchAction::Kind::Double, HUMAN, 0, 0, {}, 2},
         {MatchAction::Kind::Take, COMPUTER, 0, 0, {}, 0},
         RollOf(HUMAN, 4, 3, {{HUMAN_BAR, 4, false}, {4, 7, false}})},
        "game 1");
    EXPECT_EQ(first.game.winner, HUMAN);
    EXPECT_EQ(first.game.points, 4);
    EXPECT_EQ(first.resigned, COMPUTER);
    EXPECT_EQ(first.cubeValue, 2);
    EXPECT_EQ(first.cubeOwner, COMPUTER);
    EXPECT_FALSE(first.crawford);
    EXPECT_EQ(first.scoreAfter, (std::array<int, 3>{0, 0, 4}));
    EXPECT_EQ(first.finalBoard[7], (Spot{2, HUMAN}));
    EXPECT_EQ(first.finalBoard[15], (Spot{0, NOBODY})); // hit by the combined move
    EXPECT_EQ(first.finalBoard[10], (Spot{1, COMPUTER}));
    EXPECT_TRUE(IsValid(first.finalBoard));

    const ImportedGame& second = match->games[1];
    EXPECT_TRUE(second.crawford);
    EXPECT_EQ(second.number, 2);
    EXPECT_EQ(second.game.scoreBefore, (std::array<int, 3>{0, 0, 4}));
    EXPECT_EQ(second.scoreAfter, (std::array<int, 3>{0, 0, 5}));
    EXPECT_EQ(second.game.winner, HUMAN);

    // Line ends of another system read the same.
    std::string crlf;
    for (const char c : std::string(FIVE_POINTS)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const auto again = ImportMatchText(crlf, reason);
    ASSERT_TRUE(again.has_value()) << reason;
    EXPECT_EQ(again->games[0].finalBoard, first.finalBoard);

    // A dropped double: the doubler wins the cube's value; a move repeated with (2).
    const auto money = ImportMatchText(MONEY, reason);
    ASSERT_TRUE(money.has_value()) << reason;
    EXPECT_EQ(money->matchLength, 0);
    EXPECT_EQ(money->games[0].game.winner, COMPUTER);
    EXPECT_EQ(money->games[0].game.points, 1);
    EXPECT_EQ(money->games[0].game.actions.back().kind, MatchAction::Kind::Drop);
    // A drop left out: the doubler wins what the cube stood at, no more.
    const std::string unanswered = Replaced(MONEY, "  2)  Drops ", "  2)       ");
    const auto noDrop = ImportMatchText(unanswered, reason);
    ASSERT_TRUE(noDrop.has_value()) << reason;
    EXPECT_EQ(noDrop->games[0].game.winner, COMPUTER);
    EXPECT_NE(Refusal(Replaced(unanswered, "Wins 1 point", "Wins 2 points")).find("2 points do not fit"),
              std::string::npos);
    const auto repeated = ImportMatchText(Replaced(MONEY, "31: 8/5 6/5", "11: 6/5(2) 8/7(2)"), reason);
    ASSERT_TRUE(repeated.has_value()) << reason;
    EXPECT_EQ(repeated->games[0].game.actions[0].moves,
              (std::vector<MatchMove>{{19, 20, false}, {19, 20, false}, {17, 18, false}, {17, 18, false}}));
}

TEST(MatchImport, RefusesFilesThatCannotBePlayedNamingGameAndLine)
{
    const std::string good = FIVE_POINTS;
    struct Case {
        std::string text, reason;
    };
    const std::vector<Case> cases = {
        {"", "no match length"},
        {"; only a comment\n", "no match length"},
        {" 5 point match\n", "holds no game"},
        {Replaced(good, " 5 point", " 99999999999 point"), "line 4: expected the match length"},
        {good.substr(0, good.find(" Left Player")), "line 7 (game 1): expected the players"},
        {good.substr(0, good.find("24/18 13/10") + 4), "line 9 (game 1): the moves of 36: cannot be played"},
        {good.substr(0, good.find("=> 2")), "line 11 (game 1): a double is written"},
        {Replaced(good, "24/18 13/10", "24/17 13/10"), "line 9 (game 1): the moves of 36: cannot be played"},
        {Replaced(good, "24/18 13/10", "24/18      "), "leave dice unplayed"},
        {Replaced(good, "24/18 13/10", "Cannot Move"), "no move written for 36:, which can be played"},
        {Replaced(good, "24/18 13/10", "24/18 13/10 8/7"), "cannot be played"},
        {Replaced(good, "13/7* 24/20", "13/7 24/20*"), "cannot be played"},
        {Replaced(good, "24/18 13/10", "24/18 13/10(9)"), "'13/10(9)' is no move"},
        {Replaced(good, "24/18 13/10", "24/18 77/10"), "'77/10' is no move"},
        {Replaced(good, "Doubles => 2", "Doubles => 4"), "a double to 4 with the cube at 1"},
        {Replaced(good, "Doubles => 2", "Doubles => 999999999999"), "a double is written"},
        {Replaced(good, "Takes", "Drops"), "line 12 (game 1): a roll after the game is over"},
        {Replaced(good, "Takes\n  5) 43: bar/18                   Resigns", "Drops"),
         "line 12 (game 1): 4 points do not fit"},
        {Replaced(good, "Wins 4 points", "Wins 7 points"), "7 points do not fit"},
        {Replaced(good, "      Wins 4 points", "                                  Wins 4 points"),
         "the result names the side that lost"},
        {Replaced(good, "  4)  Doubles => 2                Takes\n", "  4)                              Takes\n"),
         "without a double to answer"},
        {Replaced(good,
                  "Right : 0\n  1)                             41:", "Right : 1\n  1)                             41:"),
         "line 16 (game 2): the scores are not those"},
        {Replaced(good, "Right : 0\n  1)                             41:", "Right : 123456789012\n"),
         "expected the players"},
        {Replaced(good, " Game 2", " Game 3"), "game 2 was to come next"},
        {Replaced(good, "61: 13/7 8/7                 Resigns", "61: 13/7 8/7                 Doubles => 2"),
         "a double in the Crawford game"},
        {Replaced(good, "and the match", "and the"), "line 19 (game 2): a result is written"},
        {Replaced(good, "Wins 1 point and the match", "Wins 1 point"), ""},
        {Replaced(good, "      Wins 4 points\n", ""), "line 12 (game 1): the game is over but its result is missing"},
        {Replaced(good, "  5) 43: bar/18                   Resigns\n      Wins 4 points\n", ""),
         "line 11 (game 1): the game has no result, and another game follows"},
        {good + "  3) 21: 24/23 24/22\n", "after the game's result"},
        {Replaced(good, "  4)  Doubles => 2                Takes\n", "  4) 21: 8/6 6/5 Takes Drops\n"),
         "more than two actions"},
        {Replaced(good, "  3) 62:", "  3) xx 62:"), "'xx' is no action"},
        {Replaced(good, "  1)                             31: 8/5 6/5\n", "  1) 31: 8/5 6/5\n"),
         "line 9 (game 1): the same side rolls twice"},
    };
    for (const Case& c : cases) {
        std::string reason;
        const auto match = ImportMatchText(c.text, reason);
        if (c.reason.empty()) {
            // A match won without saying so is still the same match.
            EXPECT_TRUE(match.has_value()) << reason;
            continue;
        }
        EXPECT_FALSE(match.has_value()) << c.text;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << "want: " << c.reason << "\nhave: " << reason;
    }
    // The same side cannot roll twice, nor double right after its own roll.
    EXPECT_NE(Refusal(Replaced(MONEY, "  1) 31: 8/5 6/5                 Doubles => 2\n",
                               "  1) 31: 8/5 6/5\n  2) 21: 6/4 4/3\n"))
                  .find("rolls twice"),
              std::string::npos);
    EXPECT_NE(
        Refusal(
            Replaced(MONEY, "  2)  Drops                       Wins 1 point\n",
                     "  2)  Takes                      21: 6/4 6/5\n  3) 21: 6/4 6/5                 Doubles => 4\n"))
            .find("the side that does not hold the cube"),
        std::string::npos);
}

// Self-played games with cube actions put in as the program records them:
// one doubled and taken, redoubled and taken, one ended by a drop and one
// still running when the file ends. Reading the match file back gives the
// same games (a file writes each roll high die first, so the dice are
// compared in that order) and the boards they were played to.
TEST(MatchImport, GamesTheProgramExportsComeBackAsRecorded)
{
    constexpr int GAMES = 24;
    Random random(5);
    std::vector<MatchGame> games;
    std::vector<BoardData> finals;
    std::array<int, 3> score{0, 0, 0};
    for (int g = 0; g < GAMES; ++g) {
        GameRecord record;
        record.Start(true);
        int turns = 0, cube = 1, dropper = NOBODY, doubler = NOBODY;
        BoardData last{};
        const bool drop = g % 6 == 4, running = g == GAMES - 1;
        SelfPlayOptions options;
        options.onTurn = [&](const SelfPlayTurn& turn) {
            ++turns;
            if (dropper != NOBODY || (running && turns > 12)) return;
            RecordTurn(turn, record);
            last = turn.after;
            const int next = Opponent(turn.player);
            if (g % 3 == 1 && (turns == 5 || turns == 10) && next != doubler) {
                cube *= 2;
                record.Double(next, cube);
                record.Take(turn.player);
                doubler = next;
            }
            if (drop && turns == 8) {
                record.Double(next, cube * 2);
                record.Drop(turn.player);
                dropper = turn.player;
            }
        };
        const SelfPlayResult r = PlaySelfGame(random, options);
        ASSERT_NE(r.winner, NOBODY);
        if (dropper != NOBODY)
            record.End(Opponent(dropper), cube, false);
        else if (!running)
            record.End(r.winner, r.points * cube, true);
        MatchGame game = record.Game();
        game.scoreBefore = score;
        score[game.winner] += game.points;
        for (MatchAction& a : game.actions)
            if (a.first < a.second) std::swap(a.first, a.second);
        games.push_back(game);
        finals.push_back(last);
    }

    std::string reason;
    const auto match = ImportMatchText(MatchFileText(games, {"[Site \"Tablor\"]"}), reason);
    ASSERT_TRUE(match.has_value()) << reason;
    EXPECT_EQ(match->names[HUMAN], "Human");
    EXPECT_EQ(match->names[COMPUTER], "Computer");
    ASSERT_EQ(match->games.size(), games.size());
    for (int g = 0; g < GAMES; ++g) {
        const ImportedGame& seen = match->games[g];
        const std::string where = "game " + std::to_string(g + 1);
        ExpectSameActions(seen.game.actions, games[g].actions, where);
        EXPECT_EQ(seen.game.winner, games[g].winner) << where;
        EXPECT_EQ(seen.game.points, games[g].points) << where;
        EXPECT_EQ(seen.game.scoreBefore, games[g].scoreBefore) << where;
        EXPECT_EQ(seen.finalBoard, WithFixedOwners(finals[g])) << where;
    }
    EXPECT_EQ(match->games.back().game.winner, NOBODY);
}

// gnubg plays itself a 7-point match and a money session with the cube and
// exports each; every game must replay to the position gnubg ended it in,
// with gnubg's scores, winner and points.
TEST(MatchImport, GnubgMatchesReplayToGnubgsEnd)
{
    if (GnubgPath().empty()) GTEST_SKIP() << "gnubg is not installed: its match files are not read";
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / ("tablor-import-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    {
        // gnubg passes no arguments to a script: the folder is written into it.
        std::ofstream script(dir / "play.py");
        script << "import gnubg\n"
                  "c = gnubg.command\n"
                  "for cmd in ('set jacoby off', 'set automatic roll on', 'set automatic bearoff off',\n"
                  "            'set display off', 'set automatic game off', 'set rng mersenne', 'set seed 9'):\n"
                  "    c(cmd)\n"
                  "for p in (0, 1):\n"
                  "    c('set player %d gnubg' % p)\n"
                  "    c('set player %d chequerplay evaluation plies 0' % p)\n"
                  "    c('set player %d cubedecision evaluation plies 0' % p)\n"
                  "def play(start, length, games, name):\n"
                  "    c(start)\n"
                  "    for i in range(games):\n"
                  "        info = gnubg.match()['games'][-1]['info']\n"
                  "        print('\\nGAME %s %s %d %d %s %d %d' % (name, gnubg.positionid(), info['score-X'],\n"
                  "              info['score-O'], info['winner'], info['points-won'], info['resigned']))\n"
                  "        won = info['score-X' if info['winner'] == 'X' else 'score-O'] + info['points-won']\n"
                  "        if length and won >= length:\n"
                  "            break\n"
                  "        if i + 1 < games:\n"
                  "            c('new game')\n"
                  "    c('export match mat "
               << (dir / "").string()
               << "' + name + '.mat')\n"
                  "play('new match 7', 7, 40, 'match')\n"
                  "play('new session', 0, 4, 'money')\n";
    }
    const std::string command =
        "cd '" + dir.string() + "' && HOME='" + dir.string() + "' " + GnubgPath() + " -t -q -p play.py 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);

    struct Seen {
        std::string position;
        int left = 0, right = 0, points = 0, resigned = 0;
        std::string winner;
    };
    std::map<std::string, std::vector<Seen>> seen;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string tag, name;
        Seen s;
        if (words >> tag >> name >> s.position >> s.left >> s.right >> s.winner >> s.points >> s.resigned &&
            tag == "GAME")
            seen[name].push_back(s);
    }
    ASSERT_GE(seen["match"].size(), 2u) << output.substr(0, 2000);
    ASSERT_EQ(seen["money"].size(), 4u) << output.substr(0, 2000);

    for (const auto& [name, games] : seen) {
        std::string reason;
        const auto match = ImportMatchFile((dir / (name + ".mat")).string(), reason);
        ASSERT_TRUE(match.has_value()) << name << ": " << reason;
        EXPECT_EQ(match->matchLength, name == "match" ? 7 : 0);
        ASSERT_EQ(match->games.size(), games.size()) << name;
        for (std::size_t g = 0; g < games.size(); ++g) {
            const ImportedGame& mine = match->games[g];
            const Seen& theirs = games[g];
            const std::string where = name + " game " + std::to_string(g + 1);
            EXPECT_TRUE(SamePosition(theirs.position, mine.finalBoard)) << where << ": " << theirs.position;
            EXPECT_EQ(mine.game.scoreBefore[HUMAN], theirs.left) << where;
            EXPECT_EQ(mine.game.scoreBefore[COMPUTER], theirs.right) << where;
            EXPECT_EQ(mine.game.winner, theirs.winner == "X" ? HUMAN : COMPUTER) << where;
            EXPECT_EQ(mine.game.points, theirs.points) << where;
            // A resignation is written as the result alone; a drop leaves the board as it stands.
            if (theirs.resigned) {
                EXPECT_NE(mine.resigned, NOBODY) << where;
            }
        }
    }
    std::filesystem::remove_all(dir);
}
