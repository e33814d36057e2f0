// SPDX-License-Identifier: GPL-3.0-or-later
// Who opens a game: the FirstMoveBy setting in the first game, the opening
// roll and the previous winner after Again, and the same or swapped rolls.
#include "GameFixture.h"

#include "program/dialogs/GvUpDlg.h"

namespace {

// The statistics dialog answered with Again and a roll choice.
std::function<int(StatDlg&)> Again(int rollChoice)
{
    return [rollChoice](StatDlg& d) {
        d.rollChoice = rollChoice;
        return static_cast<int>(IDOK);
    };
}

int ResignAsOffered(GvUpDlg& d) { return d.OnOk(); }

} // namespace

// In the first game FirstMoveBy decides: 0 the higher die (the computer on
// equal dice, which it plays as a double of four moves), 1 the computer,
// 2 the human.
TEST_F(GameTest, FirstMoveBySettingDecidesTheFirstOpening)
{
    auto start = [this](int firstMoveBy, const std::string& opening) {
        // A new program on the same screen: the old window neither paints nor takes input.
        platform.onPaint = nullptr;
        platform.post = nullptr;
        window.reset();
        // Each start is a new game, not the one the last window kept.
        std::filesystem::remove(PathOf("tablorw.sav"));
        StartWithRolls(opening + " 52 61", "FirstMoveBy=" + std::to_string(firstMoveBy));
    };

    start(0, "13");
    EXPECT_EQ(window->Game().Starter, HUMAN);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Game().PipsRolled[HUMAN], 4);

    start(0, "31");
    EXPECT_EQ(window->Game().Starter, COMPUTER);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 167 - 4);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 4);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().die[0], 5);
    EXPECT_EQ(Dice().die[1], 2);

    start(0, "44");
    EXPECT_EQ(window->Game().Starter, COMPUTER);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 167 - 16);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 16);
    EXPECT_EQ(Game().DoublesRolled[COMPUTER], 1);
    EXPECT_EQ(CurrentPlayer(), HUMAN);

    start(1, "13");
    EXPECT_EQ(window->Game().Starter, COMPUTER);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 167 - 4);
    EXPECT_EQ(CurrentPlayer(), HUMAN);

    // The human opens with both dice, shown on the human's side.
    start(2, "31");
    EXPECT_EQ(window->Game().Starter, HUMAN);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().moves, 2);
    EXPECT_TRUE(platform.dice[4].visible);
    EXPECT_EQ(platform.dice[4].face, 3);
    EXPECT_TRUE(platform.dice[5].visible);
    EXPECT_EQ(platform.dice[5].face, 1);
    EXPECT_FALSE(platform.dice[0].visible);
    EXPECT_FALSE(platform.dice[1].visible);
}

// After Again the setting still counts until the computer has completed a
// turn; from then on the opening roll decides, equal dice going to the
// previous game's winner.
TEST_F(GameTest, PreviousWinnerStartsOnEqualOpeningDice)
{
    StartWithRolls("31 55 62 43 44 21 12 33 25 61", "FirstMoveBy=2\nUseCube=1");
    platform.AlwaysOnStatDlg(Again(0));

    // Game 1: resigned before the computer has played.
    ASSERT_EQ(window->Game().Starter, HUMAN);
    platform.OnResignDlg(ResignAsOffered);
    Key(VK_SPACE, ' ', true);
    ASSERT_EQ(Game().ScoreSinceStart[COMPUTER], 3);

    // Game 2: 5-5 and the computer won the last game, yet the human opens.
    EXPECT_EQ(window->Game().Starter, HUMAN);
    EXPECT_EQ(Dice().moves, 4);
    EXPECT_EQ(Dice().die[0], 5);
    PlayHumanTurn();
    Confirm();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    ASSERT_EQ(Dice().die[0], 4);
    platform.OnResignDlg(ResignAsOffered);
    Key(VK_SPACE, ' ', true);

    // Game 3: 4-4 goes to the computer, the last winner; it plays it.
    EXPECT_EQ(window->Game().Starter, COMPUTER);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 16);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().die[0], 2);
    // The human wins it: a double the computer refuses.
    Load(MakePosition(
        {{18, HUMAN, 5}, {19, HUMAN, 5}, {20, HUMAN, 5}, {7, COMPUTER, 5}, {8, COMPUTER, 5}, {9, COMPUTER, 5}}));
    platform.ExpectMessageBox("Computer does not accept", Buttons::OkCancel, Icon::Information, IDOK);
    Key('D', 0, true);
    platform.CheckAllScriptsUsed();
    ASSERT_EQ(Game().ScoreSinceStart[HUMAN], 1);

    // Game 4: 3-3 goes to the human.
    EXPECT_EQ(window->Game().Starter, HUMAN);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().moves, 4);
    EXPECT_EQ(Dice().die[0], 3);
    platform.OnResignDlg(ResignAsOffered);
    Key(VK_SPACE, ' ', true);

    // Game 5: unequal dice, the higher one opens whoever won before.
    EXPECT_EQ(window->Game().Starter, HUMAN);
    EXPECT_EQ(Dice().die[0], 2);
    EXPECT_EQ(Dice().die[1], 5);
}

// Same rolls replay the last game's rolls with the same side opening;
// swapped rolls give the first move to the other side. Fresh rolls follow
// when the recorded ones run out.
TEST_F(GameTest, SameAndSwappedRolls)
{
    StartWithRolls("31 62 54 43 21 65 11");
    auto humanDice = [this](int first, int second) {
        EXPECT_EQ(CurrentPlayer(), HUMAN);
        EXPECT_EQ(Dice().die[0], first);
        EXPECT_EQ(Dice().die[1], second);
    };
    auto playAndConfirm = [this] {
        PlayHumanTurn();
        if (window->Game().WaitingConfirm) Confirm();
    };

    // Game 1: 3-1 by the human, 6-2 by the computer, 5-4 by the human.
    humanDice(3, 1);
    playAndConfirm();
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 8);
    humanDice(5, 4);
    platform.OnResignDlg(ResignAsOffered);
    platform.OnStatDlg(Again(1));
    Key(VK_SPACE, ' ', true);

    // Game 2, same rolls: the human opens with 3-1 again.
    EXPECT_EQ(window->Game().Starter, HUMAN);
    humanDice(3, 1);
    playAndConfirm();
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 8);
    humanDice(5, 4);
    // The record is used up: the computer's roll is the file's next, 4-3.
    playAndConfirm();
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 8 + 7);
    humanDice(2, 1);
    platform.OnResignDlg(ResignAsOffered);
    platform.OnStatDlg(Again(2));
    Key(VK_SPACE, ' ', true);

    // Game 3, swapped: the computer opens with 3-1 and the human gets the
    // computer's rolls of game 2, then a fresh one.
    EXPECT_EQ(window->Game().Starter, COMPUTER);
    const auto& lines = platform.list.lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Dice: 3+1"), lines.end());
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 4);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 167 - 4);
    humanDice(6, 2);
    playAndConfirm();
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 4 + 9);
    humanDice(4, 3);
    playAndConfirm();
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 4 + 9 + 3);
    humanDice(6, 5);
}
