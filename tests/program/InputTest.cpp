// SPDX-License-Identifier: GPL-3.0-or-later
// The human's moves by letters and clicks: forced moves, the bar, bearing
// off, automatic targets, undo, the end-of-turn confirmation and the hover
// highlight, checked as the player sees them.
#include "GameFixture.h"

namespace {

constexpr Colour YELLOW = RGB(255, 255, 0);
constexpr Colour BLACK = RGB(0, 0, 0);

// The points 1..24 whose letter is drawn in yellow.
std::vector<int> MarkedPoints(BackgWnd& window)
{
    std::vector<int> marked;
    for (int i = 1; i <= 24; ++i)
        if (window.Game().board[i].MarkColour() == 1) marked.push_back(i);
    return marked;
}

} // namespace

// Dice 5 and 3: only the piece on J can move 3 (D is blocked by G), so the 3
// is played at once; the 5 had two sources (D and J) and is looked at again
// after the new prompt, when only D can move it.
TEST_F(GameTest, ForcedMovesArePlayedAndTheOtherDieIsLookedAtAgain)
{
    StartWithRolls("21 53 53", "AutoForcedMoves=1");
    const BoardData position = MakePosition(
        {{10, HUMAN, 1}, {4, HUMAN, 1}, {7, COMPUTER, 2}, {18, COMPUTER, 2}, {6, COMPUTER, 5}, {5, COMPUTER, 6}});
    Load(position);
    EXPECT_EQ(Data()[10].count, 0);
    EXPECT_EQ(Data()[13], (Spot{1, HUMAN}));
    EXPECT_EQ(Data()[4].count, 0);
    EXPECT_EQ(Data()[9], (Spot{1, HUMAN}));
    EXPECT_EQ(LineFromEnd(2), "Dice: 5+3");
    EXPECT_EQ(LineFromEnd(1), "1st  from  J  to  M");
    EXPECT_EQ(LineFromEnd(0), "2nd from  D  to  I");
    EXPECT_EQ(window->Game().MovesMade, 2);
    EXPECT_TRUE(window->Game().WaitingConfirm);
    EXPECT_EQ(Pane(0), "<Esc> or right mouse to undo");

    // A move taken back is not forced on the player again in this turn.
    Key(VK_ESCAPE);
    EXPECT_EQ(window->Game().MovesMade, 1);
    EXPECT_EQ(Data()[4], (Spot{1, HUMAN}));
    EXPECT_EQ(Dice().moves, 1);
    EXPECT_EQ(Dice().die[0], 5);
    EXPECT_EQ(LastLine(), "2nd from  ");
    // A position opened from a file is a new turn: its forced moves are played.
    Load(position);
    EXPECT_EQ(window->Game().MovesMade, 2);
    EXPECT_TRUE(window->Game().WaitingConfirm);
}

// An entry from the bar is not forced while the other die could enter
// instead, unless the bar holds as many pieces as there are dice.
TEST_F(GameTest, BarEntryIsForcedOnlyWhenTheOtherDieCannotEnter)
{
    StartWithRolls("21 35 35 35", "AutoForcedMoves=1");

    // One piece on the bar, 3 and 5 both open: the player chooses.
    Load(MakePosition({{0, HUMAN, 1}, {12, HUMAN, 2}, {20, COMPUTER, 5}, {21, COMPUTER, 5}, {22, COMPUTER, 5}}));
    EXPECT_EQ(window->Game().MovesMade, 0);
    EXPECT_EQ(Data()[0].count, 1);
    EXPECT_EQ(Pane(0), "Click on position to leave from...");
    EXPECT_EQ(LastLine(), "1st  from  ");

    // Point 5 held by the computer: the 3 is the only way in and is played;
    // the 5 then has two sources and waits.
    Load(MakePosition({{0, HUMAN, 1}, {12, HUMAN, 2}, {5, COMPUTER, 2}, {21, COMPUTER, 8}, {22, COMPUTER, 5}}));
    EXPECT_EQ(Data()[0].count, 0);
    EXPECT_EQ(Data()[3], (Spot{1, HUMAN}));
    EXPECT_EQ(LineFromEnd(1), "1st  from  0  to  C");
    EXPECT_EQ(LastLine(), "2nd from  ");
    EXPECT_EQ(window->Game().MovesMade, 1);

    // Two pieces on the bar and two dice: both must enter, one after the other.
    Load(MakePosition({{0, HUMAN, 2}, {12, HUMAN, 2}, {20, COMPUTER, 5}, {21, COMPUTER, 5}, {22, COMPUTER, 5}}));
    EXPECT_EQ(Data()[0].count, 0);
    EXPECT_EQ(Data()[3], (Spot{1, HUMAN}));
    EXPECT_EQ(Data()[5], (Spot{1, HUMAN}));
    EXPECT_EQ(LineFromEnd(1), "1st  from  0  to  C");
    EXPECT_EQ(LineFromEnd(0), "2nd from  0  to  E");
    EXPECT_TRUE(window->Game().WaitingConfirm);
}

// Undo of a move that hit: the computer's piece returns from its bar to its
// point, the hit is no longer counted, the die goes back after the die left
// and the lines of the move and of the next prompt disappear.
TEST_F(GameTest, UndoAfterAHitPutsTheComputerPieceBack)
{
    StartWithRolls("21 35");
    const BoardData start = MakePosition(
        {{10, HUMAN, 1}, {1, HUMAN, 2}, {13, COMPUTER, 1}, {6, COMPUTER, 5}, {8, COMPUTER, 3}, {24, COMPUTER, 2}});
    Load(start);
    ASSERT_EQ(LastLine(), "1st  from  ");
    Type("J");
    EXPECT_EQ(Pane(0), "Click on position to move to...");
    Type("M");
    EXPECT_EQ(Data()[13], (Spot{1, HUMAN}));
    EXPECT_EQ(Data()[COMPUTER_BAR].count, 1);
    EXPECT_EQ(Game().HitsMade[HUMAN], 1);
    EXPECT_EQ(Dice().moves, 1);
    EXPECT_EQ(Dice().die[0], 5);
    EXPECT_EQ(LineFromEnd(1), "1st  from  J  to  M");
    EXPECT_EQ(LastLine(), "2nd from  ");

    Key(VK_ESCAPE);
    EXPECT_EQ(Data(), start);
    EXPECT_EQ(Game().HitsMade[HUMAN], 0);
    EXPECT_EQ(window->Game().MovesMade, 0);
    EXPECT_EQ(Dice().moves, 2);
    EXPECT_EQ(Dice().die[0], 5);
    EXPECT_EQ(Dice().die[1], 3);
    EXPECT_TRUE(platform.dice[4].visible);
    EXPECT_EQ(platform.dice[4].face, 5);
    EXPECT_TRUE(platform.dice[5].visible);
    EXPECT_EQ(platform.dice[5].face, 3);
    EXPECT_EQ(LineFromEnd(1), "Dice: 3+5");
    EXPECT_EQ(LastLine(), "1st  from  ");
    EXPECT_EQ(Pane(0), "Click on position to leave from...");
}

// Only the move that hit brings the computer's piece back. With 2-2 the human
// hits on F, goes on to H, and a second piece comes to the now empty F: taking
// that last move back leaves the hit piece on the bar, the hit counted and the
// game record at the two moves left; taking back the hit itself returns it.
TEST_F(GameTest, UndoPutsBackOnlyAPieceTheUndoneMoveHit)
{
    StartWithRolls("21 22");
    const BoardData start = MakePosition({{4, HUMAN, 2}, {6, COMPUTER, 1}, {24, COMPUTER, 14}});
    Load(start);
    Type("D");
    Type("F");
    Type("D");
    ASSERT_EQ(Game().MovesMade, 3);
    ASSERT_EQ(Data()[6], (Spot{1, HUMAN}));
    ASSERT_EQ(Data()[COMPUTER_BAR].count, 1);
    ASSERT_EQ(Game().HitsMade[HUMAN], 1);

    Key(VK_ESCAPE);
    EXPECT_EQ(Game().MovesMade, 2);
    EXPECT_EQ(Data()[4], (Spot{1, HUMAN}));
    EXPECT_EQ(Data()[6].count, 0);
    EXPECT_EQ(Data()[8], (Spot{1, HUMAN}));
    EXPECT_EQ(Data()[COMPUTER_BAR].count, 1);
    EXPECT_EQ(Game().HitsMade[HUMAN], 1);
    const MatchGame record = Game().record.Game();
    ASSERT_FALSE(record.actions.empty());
    EXPECT_EQ(record.actions.back().moves, (std::vector<MatchMove>{{4, 6, true}, {6, 8, false}}));

    Key(VK_ESCAPE);
    Key(VK_ESCAPE);
    EXPECT_EQ(Data(), start);
    EXPECT_EQ(Game().HitsMade[HUMAN], 0);
    EXPECT_EQ(Dice().moves, 4);
}

// A borne-off piece taken back returns from the tray to its point. In a
// race with every piece home the exact die bears off on the pick alone.
TEST_F(GameTest, UndoOfABearingOffPutsThePieceBackOnItsPoint)
{
    StartWithRolls("21 31");
    const BoardData start = MakePosition({{22, HUMAN, 2}, {20, HUMAN, 3}, {6, COMPUTER, 15}});
    Load(start);
    ASSERT_TRUE(Rules().race);
    Type("V");
    EXPECT_EQ(Data()[22].count, 1);
    EXPECT_EQ(Data()[HUMAN_TRAY].count, 11);
    EXPECT_EQ(LineFromEnd(1), "1st  from  V  to  0");
    Key(VK_ESCAPE);
    EXPECT_EQ(Data(), start);
    EXPECT_EQ(Dice().moves, 2);
    EXPECT_EQ(Dice().die[0], 1);
    EXPECT_EQ(Dice().die[1], 3);
}

// Before the first move Undo is greyed: the menu and Esc do nothing, even
// with a pick pending; the right button drops the pick, and with nothing
// pending opens the "&Action" menu at the pointer.
TEST_F(GameTest, UndoBeforeTheFirstMoveAndTheRightButton)
{
    StartWithRolls("35");
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_FALSE(window->IsCommandEnabled(ID_UNDO));
    const std::vector<std::string> linesBefore = platform.list.lines;
    const BoardData before = Data();
    Menu(ID_UNDO);
    EXPECT_EQ(platform.list.lines, linesBefore);
    EXPECT_EQ(Data(), before);

    Type("L");
    ASSERT_EQ(window->Game().CurrentMove().from, 12);
    EXPECT_EQ(LastLine(), "1st  from  L  to  ");
    EXPECT_EQ(Pane(0), "Click on position to move to...");
    const std::size_t sleeps = platform.sleeps.size();
    Key(VK_ESCAPE);
    Menu(ID_UNDO);
    EXPECT_EQ(window->Game().CurrentMove().from, 12);
    EXPECT_EQ(LastLine(), "1st  from  L  to  ");
    EXPECT_EQ(Pane(0), "Click on position to move to...");
    EXPECT_TRUE(SleepsSince(sleeps).empty());

    const Point l = PointOn(12);
    RightClickAt(l.x, l.y);
    EXPECT_EQ(window->Game().CurrentMove().from, 255);
    EXPECT_EQ(LastLine(), "1st  from  ");
    EXPECT_EQ(platform.list.lines, linesBefore);
    EXPECT_EQ(Pane(0), "Click on position to leave from...");
    EXPECT_EQ(SleepsSince(sleeps), std::vector<int>{200});
    EXPECT_TRUE(platform.menuCalls.empty());
    EXPECT_EQ(Data(), before);

    platform.menuChoices.push_back(ID_SHOW_PROGRESS);
    RightClickAt(l.x, l.y);
    ASSERT_EQ(platform.menuCalls.size(), 1u);
    EXPECT_EQ(platform.menuCalls[0].x, l.x);
    EXPECT_EQ(platform.menuCalls[0].y, l.y);
    EXPECT_EQ(Pane(2), "Even");
    EXPECT_EQ(Data(), before);
}

// With AutoChangeTurn off the last move waits for a confirmation. Esc, the
// right button and Undo take that move back; a left click ends the wait
// and the computer plays, the click itself picking nothing.
TEST_F(GameTest, EndOfTurnConfirmation)
{
    StartWithRolls("31 42 53");
    // With one die left the pick of S moves at once.
    auto playTheOne = [this] { Type("S"); };
    Type("Q");
    Type("T");
    playTheOne();
    ASSERT_TRUE(window->Game().WaitingConfirm);
    EXPECT_EQ(platform.cursor, CursorKind::Confirm);
    EXPECT_EQ(Pane(0), "<Esc> or right mouse to undo");
    EXPECT_EQ(Pane(2), "");
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_TRUE(window->Queue().Empty());

    auto expectTakenBack = [this](const char* how) {
        SCOPED_TRACE(how);
        EXPECT_FALSE(window->Game().WaitingConfirm);
        EXPECT_EQ(platform.cursor, CursorKind::Arrow);
        EXPECT_EQ(window->Game().MovesMade, 1);
        EXPECT_EQ(Data()[19], (Spot{5, HUMAN}));
        EXPECT_EQ(Data()[20], (Spot{1, HUMAN}));
        EXPECT_EQ(Dice().moves, 1);
        EXPECT_EQ(Dice().die[0], 1);
        EXPECT_EQ(LineFromEnd(1), "1st  from  Q  to  T");
        EXPECT_EQ(LastLine(), "2nd from  ");
        EXPECT_EQ(Pane(0), "Click on position to leave from...");
        EXPECT_EQ(CurrentPlayer(), HUMAN);
    };
    Key(VK_ESCAPE);
    expectTakenBack("Esc");
    playTheOne();
    ASSERT_TRUE(window->Game().WaitingConfirm);
    RightClickAt(1, 1);
    expectTakenBack("right button");
    playTheOne();
    ASSERT_TRUE(window->Game().WaitingConfirm);
    Menu(ID_UNDO);
    expectTakenBack("Undo");
    playTheOne();
    ASSERT_TRUE(window->Game().WaitingConfirm);

    // A click on the human's own point L ends the wait only.
    ClickOn(12);
    EXPECT_FALSE(window->Game().WaitingConfirm);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(PipCount(Data(), HUMAN), 167 - 4);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 167 - 6);
    EXPECT_EQ(Dice().die[0], 5);
    EXPECT_EQ(Dice().die[1], 3);
    EXPECT_EQ(window->Game().CurrentMove().from, 255);
    EXPECT_EQ(LastLine(), "1st  from  ");
    EXPECT_EQ(LineFromEnd(1), "Dice: 5+3");
    EXPECT_EQ(Data()[12], (Spot{5, HUMAN}));
}

// While the turn waits for confirmation a letter or a menu command only
// confirms: the letter picks nothing and the command is not carried out.
TEST_F(GameTest, KeysAndCommandsOnlyConfirm)
{
    StartWithRolls("31 42 53 64 21");
    Type("Q");
    Type("T");
    Type("S");
    ASSERT_TRUE(window->Game().WaitingConfirm);
    Type("A");
    EXPECT_FALSE(window->Game().WaitingConfirm);
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().die[0], 5);
    EXPECT_EQ(window->Game().CurrentMove().from, 255);
    EXPECT_EQ(LastLine(), "1st  from  ");

    PlayHumanTurn();
    ASSERT_TRUE(window->Game().WaitingConfirm);
    const std::size_t dialogs = platform.dialogs.size();
    Menu(ID_FILE_NEW);
    EXPECT_EQ(platform.dialogs.size(), dialogs);
    EXPECT_FALSE(window->Game().WaitingConfirm);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().die[0], 2);
    EXPECT_EQ(Dice().die[1], 1);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 6 + 10);
}

// In a race the turn changes without confirmation, unless Suggest move
// played the last move; the confirmation then clears that hold.
TEST_F(GameTest, RaceChangesTurnUnlessTheLastMoveWasSuggested)
{
    StartWithRolls("21 31 21 43 21 21");
    const BoardData race = MakePosition({{15, HUMAN, 3},
                                         {16, HUMAN, 2},
                                         {6, COMPUTER, 3},
                                         {5, COMPUTER, 3},
                                         {4, COMPUTER, 3},
                                         {3, COMPUTER, 2},
                                         {2, COMPUTER, 2},
                                         {1, COMPUTER, 2}});
    Load(race);
    ASSERT_TRUE(Rules().race);
    Type("O");
    Type("R");
    // The last die moves P at once.
    Type("P");
    EXPECT_EQ(Data()[17], (Spot{1, HUMAN}));
    // The computer has played 2-1 and the human has 4-3.
    EXPECT_FALSE(window->Game().WaitingConfirm);
    EXPECT_EQ(std::count(platform.cursorLog.begin(), platform.cursorLog.end(), CursorKind::Confirm), 0);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 57 - 3);
    ASSERT_EQ(Dice().die[0], 4);
    ASSERT_EQ(Dice().die[1], 3);

    // One die by hand, the other by Suggest move (Ctrl+M).
    Type("O");
    Type("R");
    ASSERT_EQ(window->Game().MovesMade, 1);
    Key('M', 0, true);
    EXPECT_EQ(window->Game().MovesMade, 2);
    EXPECT_EQ(Dice().moves, 0);
    EXPECT_TRUE(window->Game().WaitingConfirm);
    EXPECT_EQ(Pane(0), "<Esc> or right mouse to undo");
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 57 - 3);

    // Confirmed: the computer plays 2-1; the next turn played by hand
    // changes without waiting again.
    Confirm();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 57 - 6);
    EXPECT_FALSE(window->Game().HoldTurn);
    PlayHumanTurn();
    EXPECT_FALSE(window->Game().WaitingConfirm);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 57 - 9);
}

// A piece on the bar must enter first: another pick shows the warning,
// lifts the bar piece and restarts the pick without a trace in the move
// list. "0" or a click on a bar or tray picks the bar.
TEST_F(GameTest, BarPieceFirstAndEnteringByZeroOrByClick)
{
    StartWithRolls("21 35 42");
    const BoardData onBar = MakePosition({{0, HUMAN, 1},
                                          {12, HUMAN, 2},
                                          {1, HUMAN, 2},
                                          {6, COMPUTER, 5},
                                          {8, COMPUTER, 3},
                                          {13, COMPUTER, 5},
                                          {24, COMPUTER, 2}});
    Load(onBar);
    const int lines = platform.list.LineCount();
    const std::size_t sleeps = platform.sleeps.size();
    ClickOn(12);
    EXPECT_TRUE(PaneEverShowed(2, "Play the BAR piece first"));
    EXPECT_EQ(Pane(2), "");
    EXPECT_EQ(Pane(0), "Click on position to leave from...");
    EXPECT_EQ(Data(), onBar);
    EXPECT_EQ(window->Game().CurrentMove().from, 255);
    EXPECT_EQ(LastLine(), "1st  from  ");
    EXPECT_EQ(platform.list.LineCount(), lines);
    const std::vector<int> paused = SleepsSince(sleeps);
    EXPECT_NE(std::find(paused.begin(), paused.end(), 200), paused.end());

    Type("0");
    EXPECT_EQ(window->Game().CurrentMove().from, 0);
    EXPECT_EQ(Pane(0), "Click on position to move to...");
    Type("C");
    EXPECT_EQ(Data()[0].count, 0);
    EXPECT_EQ(Data()[3], (Spot{1, HUMAN}));
    EXPECT_EQ(LineFromEnd(1), "1st  from  0  to  C");
    // The bar is empty now: a click on the computer's bar picks it and is refused.
    ClickOn(COMPUTER_BAR);
    EXPECT_EQ(window->Game().MovesMade, 1);
    EXPECT_EQ(window->Game().CurrentMove().from, 255);
    EXPECT_EQ(LastLine(), "2nd from  ");

    // A click on the computer's tray picks the human's bar; 4 enters on D.
    Load(onBar);
    ClickOn(COMPUTER_TRAY);
    EXPECT_EQ(window->Game().CurrentMove().from, 0);
    EXPECT_EQ(LastLine(), "1st  from  0  to  ");
    ClickOn(4);
    EXPECT_EQ(Data()[4], (Spot{1, HUMAN}));
    EXPECT_EQ(Data()[0].count, 0);
    EXPECT_EQ(LineFromEnd(1), "1st  from  0  to  D");
    EXPECT_EQ(Dice().moves, 1);
    EXPECT_EQ(Dice().die[0], 2);
}

// Bearing off by "0" or a click on the tray: the exact die when there is
// one, else the last higher die; with neither the pick restarts.
TEST_F(GameTest, BearingOffByZeroAndByTheTray)
{
    StartWithRolls("21 35 56 21");
    // A computer piece on its bar keeps contact, so no target is chosen
    // automatically.
    const BoardData home = MakePosition(
        {{20, HUMAN, 2}, {22, HUMAN, 2}, {23, HUMAN, 1}, {24, HUMAN, 2}, {25, COMPUTER, 1}, {6, COMPUTER, 14}});
    Load(home);
    ASSERT_FALSE(Rules().race);
    Type("V");
    EXPECT_EQ(Pane(0), "Click on position to move to...");
    Type("0");
    EXPECT_EQ(Data()[22].count, 1);
    EXPECT_EQ(Data()[HUMAN_TRAY].count, 9);
    EXPECT_EQ(LineFromEnd(1), "1st  from  V  to  0");
    EXPECT_EQ(Dice().moves, 1);
    EXPECT_EQ(Dice().die[0], 5);

    Load(MakePosition({{23, HUMAN, 2}, {24, HUMAN, 3}, {25, COMPUTER, 1}, {6, COMPUTER, 14}}));
    ClickOn(23);
    ClickOn(HUMAN_TRAY);
    EXPECT_EQ(Data()[23].count, 1);
    EXPECT_EQ(Data()[HUMAN_TRAY].count, 11);
    EXPECT_EQ(LineFromEnd(1), "1st  from  W  to  0");
    EXPECT_EQ(Dice().moves, 1);
    EXPECT_EQ(Dice().die[0], 5);

    Load(home);
    Type("T");
    Type("0");
    EXPECT_EQ(Data(), home);
    EXPECT_EQ(window->Game().MovesMade, 0);
    EXPECT_EQ(LastLine(), "1st  from  ");
}

// With IntelMoves a piece that can move by one die only goes at once; with
// one die left, or doubles, every accepted pick moves.
TEST_F(GameTest, AutomaticTargetsWithIntelligentMoves)
{
    StartWithRolls("21 22 35", "IntelMoves=1");
    const BoardData start =
        MakePosition({{6, HUMAN, 2}, {2, HUMAN, 2}, {12, HUMAN, 2}, {9, COMPUTER, 2}, {24, COMPUTER, 13}});
    // Doubles: each pick moves by the die.
    Load(start);
    ClickOn(12);
    ClickOn(12);
    ClickOn(14);
    EXPECT_EQ(Data()[12].count, 0);
    EXPECT_EQ(Data()[14], (Spot{1, HUMAN}));
    EXPECT_EQ(Data()[16], (Spot{1, HUMAN}));
    EXPECT_EQ(LineFromEnd(3), "1st  from  L  to  N");
    EXPECT_EQ(LineFromEnd(2), "2nd from  L  to  N");
    EXPECT_EQ(LineFromEnd(1), "3rd  from  N  to  P");
    EXPECT_EQ(LastLine(), "4th  from  ");
    EXPECT_EQ(Dice().moves, 1);

    Load(start);
    // From L both dice are open: the target is the player's.
    ClickOn(12);
    EXPECT_EQ(Pane(0), "Click on position to move to...");
    EXPECT_EQ(window->Game().MovesMade, 0);
    RightClickAt(1, 1);
    ASSERT_EQ(window->Game().CurrentMove().from, 255);
    // From F the 3 is blocked by I: one click moves to K.
    ClickOn(6);
    EXPECT_EQ(Data()[11], (Spot{1, HUMAN}));
    EXPECT_EQ(Data()[6], (Spot{1, HUMAN}));
    EXPECT_EQ(LineFromEnd(1), "1st  from  F  to  K");
    // One die left: B moves 3 at once.
    ClickOn(2);
    EXPECT_EQ(Data()[5], (Spot{1, HUMAN}));
    EXPECT_EQ(LineFromEnd(0), "2nd from  B  to  E");
    EXPECT_TRUE(window->Game().WaitingConfirm);
}

// "Possible moves": the hovered point and where its piece can go are
// lettered in yellow; the highlight stays on a picked piece. The bars are
// not marked themselves, the computer's tray lights its label, the human's
// tray only as a destination.
TEST_F(GameTest, HoverHighlightInPossibleMovesMode)
{
    StartWithRolls("21 35 35 35", "HighLight=2");
    Load(MakePosition({{12, HUMAN, 2}, {1, HUMAN, 2}, {6, COMPUTER, 5}, {24, COMPUTER, 10}}));
    HoverOn(12);
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{12, 15, 17, 20}));
    HoverAt(1, 1);
    EXPECT_TRUE(MarkedPoints(*window).empty());
    HoverOn(1);
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{1, 4, 9}));

    // Picked by its letter, the highlight moves to L and stays there.
    Type("L");
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{12, 15, 17, 20}));
    HoverOn(1);
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{12, 15, 17, 20}));
    RightClickAt(1, 1);

    HoverOn(COMPUTER_TRAY);
    EXPECT_TRUE(window->Input().TrayHighlighted());
    EXPECT_EQ(platform.trays[0].textColour, YELLOW);
    EXPECT_EQ(platform.trays[1].textColour, BLACK);
    EXPECT_TRUE(MarkedPoints(*window).empty());
    HoverOn(HUMAN_TRAY);
    EXPECT_FALSE(window->Input().TrayHighlighted());
    EXPECT_EQ(platform.trays[0].textColour, BLACK);
    EXPECT_EQ(platform.trays[1].textColour, BLACK);

    // A move by the mouse: afterwards the marks are drawn anew under the
    // pointer for the die left, and those of the old dice are gone.
    HoverOn(12);
    ClickOn(12);
    HoverOn(15);
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{12, 15, 17, 20}));
    ClickOn(15);
    ASSERT_EQ(Data()[15], (Spot{1, HUMAN}));
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{15, 20}));
    HoverAt(1, 1);
    EXPECT_TRUE(MarkedPoints(*window).empty());

    // Bearing off: the human's tray is marked as the destination, the
    // computer's count stays black.
    Load(MakePosition({{22, HUMAN, 1}, {19, HUMAN, 2}, {25, COMPUTER, 1}, {6, COMPUTER, 14}}));
    HoverOn(22);
    EXPECT_TRUE(window->Input().TrayHighlighted());
    EXPECT_EQ(platform.trays[1].textColour, YELLOW);
    EXPECT_EQ(platform.trays[0].textColour, BLACK);
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{22}));
    HoverAt(1, 1);
    EXPECT_FALSE(window->Input().TrayHighlighted());
    EXPECT_EQ(platform.trays[1].textColour, BLACK);

    // Two pieces on the bar: only the entry points of single dice.
    Load(MakePosition({{0, HUMAN, 2}, {12, HUMAN, 2}, {24, COMPUTER, 15}}));
    HoverOn(HUMAN_BAR);
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{3, 5}));
}

// The highlight drawn anew (after a position is opened, after Undo) is that
// of where the pointer is now, not of where the board last saw it: it may
// have moved over a dialog or out of the window, or never over the board.
TEST_F(GameTest, TheHighlightFollowsWhereThePointerIs)
{
    StartWithRolls("21 35 35 35", "HighLight=2");
    const BoardData position = MakePosition({{12, HUMAN, 2}, {1, HUMAN, 2}, {6, COMPUTER, 5}, {24, COMPUTER, 10}});
    Load(position);
    HoverOn(12);
    ASSERT_EQ(MarkedPoints(*window), (std::vector<int>{12, 15, 17, 20}));
    // Over a dialog to point A, unseen by the board, then a position opened.
    platform.pointer = PointOn(1);
    Load(position);
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{1, 4, 9}));
    // Out of the window.
    platform.pointer.reset();
    Load(position);
    EXPECT_TRUE(MarkedPoints(*window).empty());

    // A move typed, the pointer resting on L all along: Undo marks L.
    Type("AD");
    ASSERT_EQ(Game().MovesMade, 1);
    platform.pointer = PointOn(12);
    Key(VK_ESCAPE);
    ASSERT_EQ(Game().MovesMade, 0);
    EXPECT_EQ(MarkedPoints(*window), (std::vector<int>{12, 15, 17, 20}));
}

// A tray lit as a destination goes back to black with a new game, also for
// the computer's tray.
TEST_F(GameTest, NewGameClearsTheTrayHighlight)
{
    StartWithRolls("21 35 42");
    Load(MakePosition({{22, HUMAN, 1}, {19, HUMAN, 2}, {25, COMPUTER, 1}, {6, COMPUTER, 14}}));
    HoverOn(22);
    ASSERT_EQ(platform.trays[1].textColour, YELLOW);
    platform.ExpectMessageBox("Start new game ?", Buttons::YesNo, Icon::Question, IDYES);
    Key('N', 0, true);
    EXPECT_FALSE(window->Input().TrayHighlighted());
    EXPECT_EQ(platform.trays[0].textColour, BLACK);
    EXPECT_EQ(platform.trays[1].textColour, BLACK);

    HoverOn(COMPUTER_TRAY);
    ASSERT_EQ(platform.trays[0].textColour, YELLOW);
    platform.ExpectMessageBox("Start new game ?", Buttons::YesNo, Icon::Question, IDYES);
    Key('N', 0, true);
    EXPECT_EQ(platform.trays[0].textColour, BLACK);
    EXPECT_EQ(platform.trays[1].textColour, BLACK);
}

// "Selected position": only the point under the pointer is marked, and the
// mark follows the pointer also after a pick.
TEST_F(GameTest, HoverHighlightInSelectedPositionMode)
{
    StartWithRolls("21 35", "HighLight=1");
    Load(MakePosition({{12, HUMAN, 2}, {1, HUMAN, 2}, {6, COMPUTER, 5}, {24, COMPUTER, 10}}));
    HoverOn(12);
    EXPECT_EQ(MarkedPoints(*window), std::vector<int>{12});
    HoverOn(6);
    EXPECT_EQ(MarkedPoints(*window), std::vector<int>{6});
    Type("L");
    EXPECT_EQ(MarkedPoints(*window), std::vector<int>{12});
    HoverOn(1);
    EXPECT_EQ(MarkedPoints(*window), std::vector<int>{1});
    HoverOn(HUMAN_TRAY);
    EXPECT_TRUE(MarkedPoints(*window).empty());
    EXPECT_FALSE(window->Input().TrayHighlighted());
}
