// SPDX-License-Identifier: GPL-3.0-or-later
// The doubling cube in play: the computer's offer and the human's answers,
// the human's double and the computer's answers, and when doubling is allowed.
#include "GameFixture.h"

#include "program/view/Metrics.h"

namespace {

constexpr const char* COMPUTER_DOUBLES = "Computer doubles. -Ok ?";
constexpr const char* NOT_ACCEPTED = "Computer does not accept";

// A race the computer leads by far: its pieces are all home (57 pips), the
// human's far back (241 pips), two of them already on 14..25.
BoardData ComputerFarAhead()
{
    return MakePosition({{7, HUMAN, 5},
                         {8, HUMAN, 5},
                         {9, HUMAN, 3},
                         {16, HUMAN, 2},
                         {6, COMPUTER, 3},
                         {5, COMPUTER, 3},
                         {4, COMPUTER, 3},
                         {3, COMPUTER, 2},
                         {2, COMPUTER, 2},
                         {1, COMPUTER, 2}});
}

// A race the human leads (90 pips against 120).
BoardData HumanAhead()
{
    return MakePosition(
        {{18, HUMAN, 5}, {19, HUMAN, 5}, {20, HUMAN, 5}, {7, COMPUTER, 5}, {8, COMPUTER, 5}, {9, COMPUTER, 5}});
}

// The statistics dialog closed with "&Quit".
int Quit(StatDlg&) { return IDCANCEL; }

} // namespace

// Yes to the computer's offer: the cube goes to the human at 2, placed two
// units below the middle; the pip comparison stood in pane 2 while asked.
// The computer does not offer again while the human owns the cube.
TEST_F(GameTest, ComputerOffersADoubleAndTheHumanTakes)
{
    StartWithRolls("21 21 31 42 53", "UseCube=1\nAutoChangeTurn=1");
    const Rect middle = platform.cube.geometry;
    EXPECT_EQ(platform.cube.text, "64");
    EXPECT_EQ(middle.top, window->Game().board[HUMAN_TRAY].y);
    Load(ComputerFarAhead());
    ASSERT_LE(Rules().DoublingBalance(), -37);
    platform.ExpectMessageBox(COMPUTER_DOUBLES, Buttons::YesNoCancel, Icon::Question, IDYES);
    PlayHumanTurn();
    platform.CheckAllScriptsUsed();
    EXPECT_TRUE(PaneEverShowed(2, "= Computer leads by 181 ="));
    EXPECT_EQ(window->Game().CubeValue, 2);
    EXPECT_EQ(window->Game().CubeOwner, HUMAN);
    EXPECT_EQ(platform.cube.text, "2");
    EXPECT_EQ(platform.cube.geometry.top, middle.top + 2 * Sizes().Unit);
    // The computer rolled 3-1 after the answer and played it.
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 4);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 57 - 4);
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_TRUE(platform.cube.enabled);
    EXPECT_TRUE(window->IsCommandEnabled(ID_DOUBLE));

    PlayHumanTurn();
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 4 + 8);
    EXPECT_EQ(window->Game().CubeValue, 2);
}

// No to the offer: the computer wins the cube as it stood, without a
// gammon; its roll for the turn is still shown before the statistics.
TEST_F(GameTest, ComputerOffersADoubleAndTheHumanRefuses)
{
    StartWithRolls("21 21 64", "UseCube=1\nAutoChangeTurn=1");
    LoadWith(ComputerFarAhead(), [](PositionFileData& d) {
        d.cubeValue = 2;
        d.cubeOwner = COMPUTER;
    });
    platform.ExpectMessageBox(COMPUTER_DOUBLES, Buttons::YesNoCancel, Icon::Question, IDNO);
    bool shown = false;
    platform.OnStatDlg([&](StatDlg&) {
        shown = true;
        EXPECT_EQ(LastLine(), "Dice: 6+4");
        EXPECT_TRUE(platform.dice[0].visible);
        EXPECT_EQ(platform.dice[0].face, 6);
        EXPECT_TRUE(platform.dice[1].visible);
        EXPECT_EQ(platform.dice[1].face, 4);
        EXPECT_EQ(Game().PipsRolled[COMPUTER], 10);
        return static_cast<int>(IDCANCEL);
    });
    PlayHumanTurn();
    platform.CheckAllScriptsUsed();
    EXPECT_TRUE(shown);
    EXPECT_EQ(window->Game().Winner, COMPUTER);
    EXPECT_EQ(Game().ScoreSinceStart[COMPUTER], 2);
    EXPECT_EQ(settings.Score[COMPUTER], 2);
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN], 0);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 57);
}

// Cancel: no answer, and no further offer until the human has doubled.
// The human's double is taken (cube 2 to the computer, two units above the
// middle) after a pause of 1.5 seconds; then the computer offers again.
TEST_F(GameTest, CancelledOfferIsNotRepeatedUntilTheHumanDoubles)
{
    StartWithRolls("21 21 31 42 53 61 43 62", "UseCube=1\nAutoChangeTurn=1");
    const Rect middle = platform.cube.geometry;
    Load(ComputerFarAhead());
    platform.ExpectMessageBox(COMPUTER_DOUBLES, Buttons::YesNoCancel, Icon::Question, IDCANCEL);
    PlayHumanTurn();
    platform.CheckAllScriptsUsed();
    EXPECT_FALSE(window->Game().ComputerMayDouble);
    EXPECT_EQ(window->Game().CubeValue, 1);
    EXPECT_EQ(window->Game().CubeOwner, NOBODY);
    ASSERT_EQ(Dice().die[0], 4);
    PlayHumanTurn();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    ASSERT_EQ(Dice().die[0], 6);
    ASSERT_EQ(window->Game().MovesMade, 0);

    // The cube button sends the Double command.
    const std::size_t sleeps = platform.sleeps.size();
    platform.post(Message::Cmd(ID_DOUBLE, CommandSource::Control));
    Pump();
    EXPECT_EQ(SleepsSince(sleeps), std::vector<int>{1500});
    EXPECT_EQ(window->Game().CubeValue, 2);
    EXPECT_EQ(window->Game().CubeOwner, COMPUTER);
    EXPECT_EQ(platform.cube.text, "2");
    EXPECT_EQ(platform.cube.geometry.top, middle.top - 2 * Sizes().Unit);
    EXPECT_TRUE(window->Game().ComputerMayDouble);
    EXPECT_FALSE(platform.cube.enabled);
    EXPECT_FALSE(window->IsCommandEnabled(ID_DOUBLE));

    // Owning the cube, the computer offers again at the next turn: 4 to the human.
    platform.ExpectMessageBox(COMPUTER_DOUBLES, Buttons::YesNoCancel, Icon::Question, IDYES);
    PlayHumanTurn();
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(window->Game().CubeValue, 4);
    EXPECT_EQ(window->Game().CubeOwner, HUMAN);
    EXPECT_EQ(platform.cube.text, "4");
    EXPECT_EQ(platform.cube.geometry.top, middle.top + 2 * Sizes().Unit);
}

// The computer refuses the human's double: Cancel withdraws the offer and
// the game goes on; OK wins the cube as it stood for the human, without a
// gammon.
TEST_F(GameTest, HumanDoublesAndTheComputerRefuses)
{
    StartWithRolls("21 21", "UseCube=1");
    const BoardData start = HumanAhead();
    LoadWith(start, [](PositionFileData& d) {
        d.cubeValue = 2;
        d.cubeOwner = HUMAN;
    });
    ASSERT_TRUE(Rules().race);
    std::size_t sleeps = platform.sleeps.size();
    platform.ExpectMessageBox(NOT_ACCEPTED, Buttons::OkCancel, Icon::Information, IDCANCEL);
    Key('D', 0, true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(SleepsSince(sleeps), std::vector<int>{1500});
    EXPECT_EQ(window->Game().CubeValue, 2);
    EXPECT_EQ(window->Game().CubeOwner, HUMAN);
    EXPECT_EQ(platform.cube.text, "2");
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(window->Game().MovesMade, 0);
    EXPECT_EQ(Dice().moves, 2);
    EXPECT_EQ(Data(), start);
    EXPECT_EQ(window->Game().Winner, NOBODY);

    sleeps = platform.sleeps.size();
    platform.ExpectMessageBox(NOT_ACCEPTED, Buttons::OkCancel, Icon::Information, IDOK);
    platform.OnStatDlg(Quit);
    Key('D', 0, true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(SleepsSince(sleeps).front(), 1500);
    EXPECT_EQ(window->Game().Winner, HUMAN);
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN], 2);
    EXPECT_EQ(settings.Score[HUMAN], 2);
    EXPECT_EQ(Game().ScoreSinceStart[COMPUTER], 0);
}

// Doubling needs the cube on, no move made in the turn, a cube that is not
// the computer's and a value below 64.
TEST_F(GameTest, WhenTheHumanMayDouble)
{
    StartWithRolls("31 31 31 31");
    EXPECT_FALSE(platform.cube.enabled);
    EXPECT_FALSE(window->IsCommandEnabled(ID_DOUBLE));
    std::size_t sleeps = platform.sleeps.size();
    Key('D', 0, true);
    EXPECT_TRUE(SleepsSince(sleeps).empty());
    EXPECT_EQ(window->Game().CubeValue, 1);

    settings.UseCube = 1;
    Load(StandardSetup());
    EXPECT_TRUE(platform.cube.enabled);
    EXPECT_TRUE(window->IsCommandEnabled(ID_DOUBLE));
    Type("Q");
    Type("T");
    EXPECT_FALSE(platform.cube.enabled);
    sleeps = platform.sleeps.size();
    Key('D', 0, true);
    EXPECT_TRUE(SleepsSince(sleeps).empty());
    EXPECT_EQ(window->Game().CubeValue, 1);

    LoadWith(StandardSetup(), [](PositionFileData& d) {
        d.cubeValue = 2;
        d.cubeOwner = COMPUTER;
    });
    EXPECT_FALSE(platform.cube.enabled);
    EXPECT_FALSE(window->IsCommandEnabled(ID_DOUBLE));

    LoadWith(StandardSetup(), [](PositionFileData& d) {
        d.cubeValue = 64;
        d.cubeOwner = HUMAN;
    });
    EXPECT_EQ(platform.cube.text, "64");
    EXPECT_FALSE(platform.cube.enabled);
    sleeps = platform.sleeps.size();
    Key('D', 0, true);
    EXPECT_TRUE(SleepsSince(sleeps).empty());
    EXPECT_EQ(window->Game().CubeValue, 64);
}
