// SPDX-License-Identifier: GPL-3.0-or-later
// Position IDs and Match IDs: known IDs, round trips, text that is refused,
// and agreement with GNU Backgammon's own on positions from self-play.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <utility>

#include "core/board/PositionId.h"
#include "core/board/SelfPlay.h"

TEST(PositionId, KnownIdsRoundTripsAndRefusals)
{
    const BoardData start = WithFixedOwners(StandardSetup());
    EXPECT_EQ(PositionId(start, HUMAN), "4HPwATDgc/ABMA");
    EXPECT_EQ(PositionId(start, COMPUTER), "4HPwATDgc/ABMA");
    for (int side : {HUMAN, COMPUTER}) {
        const auto back = BoardFromPositionId("4HPwATDgc/ABMA", side);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, start);
    }

    // A bear-off: the human (on roll) has 3 pieces on its own 1 and 2
    // points, the computer 1 on its bar; the rest are borne off.
    BoardData b{};
    b[24] = {2, HUMAN};
    b[23] = {1, HUMAN};
    b[HUMAN_TRAY] = {12, HUMAN};
    b[COMPUTER_BAR] = {1, COMPUTER};
    b[COMPUTER_TRAY] = {14, COMPUTER};
    b = WithFixedOwners(b);
    const std::string id = PositionId(b, HUMAN);
    EXPECT_EQ(id.size(), 14u);
    EXPECT_EQ(BoardFromPositionId(id, HUMAN), b);
    EXPECT_NE(BoardFromPositionId(id, COMPUTER), b) << "the side to move decides whose pieces come first";

    for (const char* bad : {"", "4HPwATDgc/ABM", "4HPwATDgc/ABMAA", "4HPwATDgc/AB*A",
                            "//////////////",  // more than 15 pieces
                            "AAAAAAAAAAAAAA",  // no piece left on the board
                            "4HPwATDgc/ABMB"}) // bits past the last point
        EXPECT_FALSE(BoardFromPositionId(bad, HUMAN).has_value()) << bad;
}

TEST(MatchId, FieldsRoundTripAndRefusals)
{
    MatchIdFields f;
    f.cubeValue = 8;
    f.cubeOwner = COMPUTER;
    f.onRoll = HUMAN;
    f.crawford = true;
    f.toDecide = COMPUTER;
    f.doubled = true;
    f.first = 3;
    f.second = 6;
    f.matchLength = 25;
    f.score = {0, 24, 17};
    const std::string id = MatchId(f);
    EXPECT_EQ(id.size(), 12u);
    std::swap(f.first, f.second); // written the higher die first
    EXPECT_EQ(ParseMatchId(id), f);

    MatchIdFields money;
    money.cubeOwner = NOBODY;
    EXPECT_EQ(ParseMatchId(MatchId(money)), money);

    MatchIdFields late = f;
    late.score[HUMAN] = 30;
    EXPECT_FALSE(ParseMatchId(MatchId(late)).has_value()) << "a score past the match length";
    MatchIdFields oneDie = f;
    oneDie.second = 0;
    EXPECT_FALSE(ParseMatchId(MatchId(oneDie)).has_value());
    for (const char* bad : {"", "cAkAAAAAAAA", "cAkAAAAAAAAAA", "cAkA!AAAAAAA"})
        EXPECT_FALSE(ParseMatchId(bad).has_value()) << bad;
}

TEST(PositionId, PastedTextFindsBothIds)
{
    const BoardData start = WithFixedOwners(StandardSetup());
    BoardData race{};
    race[3] = {5, HUMAN}; // the human's 22-point: far from home
    race[HUMAN_TRAY] = {10, HUMAN};
    race[20] = {15, COMPUTER}; // the computer's 20-point
    race = WithFixedOwners(race);
    MatchIdFields f;
    f.onRoll = f.toDecide = COMPUTER;
    f.cubeValue = 4;
    f.cubeOwner = HUMAN;
    f.first = 5;
    f.second = 2;
    const std::string copied = CopiedIds(race, f);
    EXPECT_EQ(copied.size(), 27u);

    for (const std::string& text : {copied, " " + copied + "\n",
                                    "GNU Backgammon  Position ID: " + copied.substr(0, 14) +
                                        "\n                 Match ID   : " + copied.substr(15) + "\n +13-14-15"}) {
        const std::optional<PastedIds> pasted = ReadPastedIds(text);
        ASSERT_TRUE(pasted.has_value()) << text;
        EXPECT_EQ(pasted->board, race) << "read with the Match ID's side on roll";
        ASSERT_TRUE(pasted->match.has_value());
        EXPECT_EQ(pasted->match->cubeValue, 4);
        EXPECT_EQ(pasted->match->onRoll, COMPUTER);
    }
    const std::optional<PastedIds> alone = ReadPastedIds("4HPwATDgc/ABMA");
    ASSERT_TRUE(alone.has_value());
    EXPECT_EQ(alone->board, start);
    EXPECT_FALSE(alone->match.has_value());
    // Read with the human on roll, the race's ID gives another board.
    const std::optional<PastedIds> noMatch = ReadPastedIds(copied.substr(0, 14));
    ASSERT_TRUE(noMatch.has_value());
    EXPECT_NE(noMatch->board, race);

    for (const char* bad : {"", "hello world", "4HPwATDgc/ABM", "AAAAAAAAAAAAAA:cAkAAAAAAAAA", "cAkAAAAAAAAA"})
        EXPECT_FALSE(ReadPastedIds(bad).has_value()) << bad;
    EXPECT_FALSE(ReadPastedIds(std::string(1 << 20, 'A') + " 4HPwATDgc/ABMA").has_value())
        << "text past what a copied board holds is not looked through";
}

namespace {

// GNU Backgammon's board tuple: the opponent's 25 counts, then the side on
// roll's, each from its own 1-point to its bar.
std::string GnubgBoard(const BoardData& b, int onRoll)
{
    std::string text = "(";
    for (int side : {Opponent(onRoll), onRoll}) {
        text += "(";
        for (int own = 1; own <= 25; ++own) {
            const Spot& s = b[side == HUMAN ? 25 - own : own];
            text += std::to_string(s.owner == side ? s.count : 0) + ",";
        }
        text += "),";
    }
    return text + ")";
}

} // namespace

// 10,000 positions of seeded self-play, each with a Match ID of its own made
// of the turn's roll and varied cube and score: gnubg computes the same IDs,
// and reads ours back to the same board.
TEST(PositionId, AgreesWithGnubg)
{
    const char* gnubg = "/usr/games/gnubg";
    if (!std::filesystem::exists(gnubg)) GTEST_SKIP() << "gnubg is not installed";
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / ("tablor-ids-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path script = dir / "check.py";
    std::ofstream py(script);
    py << "import gnubg\n"
          "bad = 0\nn = 0\n"
          "for line in open('"
       << (dir / "cases.txt").string()
       << "'):\n"
          "    pid, board, roll, cube, mid = line.rstrip('\\n').split(';')\n"
          "    board = eval(board); cube = eval(cube); roll = eval(roll)\n"
          "    n += 1\n"
          "    if gnubg.positionid(board) != pid: bad += 1; print('pos', pid, gnubg.positionid(board))\n"
          "    elif gnubg.positionfromid(pid) != board: bad += 1; print('back', pid)\n"
          "    ci = gnubg.cubeinfo(*cube)\n"
          "    pi = gnubg.posinfo(roll[0], 0, 0, 1, (roll[1], roll[2]))\n"
          "    if gnubg.matchid(ci, pi) != mid: bad += 1; print('match', mid, gnubg.matchid(ci, pi))\n"
          "print('checked', n, 'bad', bad)\n";
    py.close();

    std::ofstream cases(dir / "cases.txt");
    Random random(7);
    int count = 0;
    SelfPlayOptions options;
    options.onTurn = [&](const SelfPlayTurn& turn) {
        if (count >= 10000) return;
        ++count;
        cases << PositionId(turn.before, turn.player) << ';' << GnubgBoard(turn.before, turn.player) << ';';
        MatchIdFields f;
        f.onRoll = f.toDecide = turn.player;
        f.first = turn.first;
        f.second = turn.second;
        f.cubeValue = 1 << (count % 7);
        f.cubeOwner = count % 3 == 0 ? NOBODY : count % 3 == 1 ? HUMAN : COMPUTER;
        if (f.cubeValue == 1) f.cubeOwner = NOBODY;
        f.matchLength = count % 2 == 0 ? 0 : 1 + count % 25;
        f.jacoby = f.matchLength == 0; // as gnubg's own money play
        if (f.matchLength > 0) f.score = {0, count % f.matchLength, (count / 3) % f.matchLength};
        const int side = turn.player == HUMAN ? 1 : 0;
        const int owner = f.cubeOwner == NOBODY ? -1 : f.cubeOwner == HUMAN ? 1 : 0;
        cases << '(' << side << ',' << turn.first << ',' << turn.second << ");(" << f.cubeValue << ',' << owner << ','
              << side << ',' << f.matchLength << ",(" << f.score[COMPUTER] << ',' << f.score[HUMAN] << "),0,0);"
              << MatchId(f) << '\n';
    };
    while (count < 10000) PlaySelfGame(random, options);
    cases.close();

    const std::string out = (dir / "out.txt").string();
    const std::string command =
        std::string(gnubg) + " -t -q -p '" + script.string() + "' > '" + out + "' 2>&1 < /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("checked 10000 bad 0"), std::string::npos) << text.str().substr(0, 4000);
    std::filesystem::remove_all(dir);
}
