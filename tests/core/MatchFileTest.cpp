// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileTestFolder.h"
#include "core/files/MatchFile.h"

namespace {

using Kind = MatchAction::Kind;

std::vector<Kind> Kinds(const MatchGame& game)
{
    std::vector<Kind> kinds;
    for (const MatchAction& a : game.actions) kinds.push_back(a.kind);
    return kinds;
}

} // namespace

// A roll is held until the turn ends: the human's double, which comes after
// the human's roll, goes before it; the computer's double, before its roll,
// closes the human's turn first; a move taken back is gone; a roll not played
// when the game ends (a dropped double) is left out.
TEST(GameRecord, KeepsTheOrderOfRollsAndCubeActions)
{
    GameRecord record;
    record.Start(true);
    EXPECT_FALSE(record.HasMoves());
    record.Roll(COMPUTER, 6, 5);
    record.Move(24, 18, false);
    record.Move(18, 13, false);
    record.Roll(HUMAN, 4, 2);
    record.Double(HUMAN, 2);
    record.Take(COMPUTER);
    record.Move(17, 21, false);
    record.Move(21, 23, false);
    record.UndoMove();
    record.Move(19, 21, false);
    EXPECT_TRUE(record.HasMoves());
    EXPECT_EQ(Kinds(record.Game()), (std::vector<Kind>{Kind::Roll, Kind::Double, Kind::Take, Kind::Roll}));
    EXPECT_EQ(record.Game().actions[3].moves, (std::vector<MatchMove>{{17, 21, false}, {19, 21, false}}));

    record.Double(COMPUTER, 4);
    record.Drop(HUMAN);
    record.Roll(COMPUTER, 3, 3);
    record.End(COMPUTER, 2, false);
    const MatchGame game = record.Game();
    EXPECT_EQ(Kinds(game),
              (std::vector<Kind>{Kind::Roll, Kind::Double, Kind::Take, Kind::Roll, Kind::Double, Kind::Drop}));
    EXPECT_EQ(game.actions[4].player, COMPUTER);
    EXPECT_EQ(game.actions[4].cubeValue, 4);
    EXPECT_EQ(game.winner, COMPUTER);
    EXPECT_EQ(game.points, 2);
    EXPECT_TRUE(record.Ended());

    // A game that ends with its last roll played keeps it; a game put on the
    // board from elsewhere, or whose sides were switched, is no game from the start.
    record.Start(true);
    record.Roll(HUMAN, 6, 1);
    record.Move(24, 27, false);
    record.End(HUMAN, 1, true);
    EXPECT_EQ(record.Game().actions.size(), 1u);
    record.Interrupt();
    EXPECT_FALSE(record.FromStart());
    record.Start(false);
    EXPECT_FALSE(record.FromStart());
}

// The human's actions in the left column, the computer's in the right, each
// side's points counted from its own home: its bar is 25, its tray "off".
TEST(MatchFile, TextLaysOutColumnsPointsAndResults)
{
    GameRecord record;
    record.Start(true);
    record.Roll(COMPUTER, 5, 6);
    record.Move(24, 18, false);
    record.Move(18, 13, false);
    record.Roll(HUMAN, 1, 3);
    record.Move(17, 20, false);
    record.Move(19, 20, false);
    record.Double(COMPUTER, 2);
    record.Take(HUMAN);
    record.Roll(COMPUTER, 5, 2);
    record.Move(COMPUTER_BAR, 20, true);
    record.Move(13, 11, false);
    record.Roll(HUMAN, 6, 6);
    record.Move(HUMAN_BAR, 6, false);
    record.Move(19, HUMAN_TRAY, false);
    record.End(HUMAN, 2, true);
    MatchGame second;
    second.scoreBefore = {0, 0, 2};
    second.actions.push_back({Kind::Roll, HUMAN, 2, 1, {{6, COMPUTER_TRAY, false}}, 0});
    second.actions.push_back({Kind::Roll, COMPUTER, 4, 1, {{1, COMPUTER_TRAY, false}}, 0});
    second.winner = COMPUTER;
    second.points = 1;

    EXPECT_EQ(MatchFileText({record.Game(), second}, {"[Site \"Tablor\"]"}),
              "; [Site \"Tablor\"]\n"
              "\n"
              " 0 point match\n"
              "\n"
              " Game 1\n"
              " Human : 0                      Computer : 0\n"
              "  1)                             65: 24/18 18/13\n"
              "  2) 31: 8/5 6/5                  Doubles => 2\n"
              "  3)  Takes                      52: 25/20* 13/11\n"
              "  4) 66: 25/19 6/off\n"
              "      Wins 2 points\n"
              "\n"
              " Game 2\n"
              " Human : 2                      Computer : 0\n"
              "  1) 21: 19/off                  41: 1/off\n"
              "                                  Wins 1 point\n");
}

class MatchFileRead : public FileTestFolder {};

// A match file written is read back as written; other text, or a file past
// the limit, is not taken.
TEST_F(MatchFileRead, TakesOnlyAMatchFileAsWritten)
{
    const std::string text = MatchFileText({MatchGame{}}, {"[Site \"Tablor\"]"});
    const std::string path = (dir / "game.mat").string();
    ASSERT_TRUE(WriteMatchFile(path, text));
    EXPECT_EQ(ReadMatchFile(path), text);
    for (const std::string& content : {std::string("Tablor\n"), text + std::string(MAX_MATCH_FILE_BYTES, ' ')}) {
        WriteBytes(path, std::vector<std::uint8_t>(content.begin(), content.end()));
        EXPECT_FALSE(ReadMatchFile(path));
    }
}
