// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and accelerator commands through the main window: Pass, Resign,
// Suggest move, Switch sides, Show progress, New game, Reset scores, Help,
// Documentation, Open and Save, and the statistics dialog's sound.
#include "GameFixture.h"

#include <fstream>
#include <iterator>

#include "core/settings/Profile.h"
#include "program/dialogs/AboutDlg.h"
#include "program/dialogs/BackgClr.h"
#include "program/dialogs/FinishDlg.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/SettingSheet.h"
#include "program/input/Menu.h"

namespace {

constexpr const char* BOTH_DICE =
    "If there is any way to use both dice, then you must do so.\n\nPlease undo your move and try again.";
constexpr const char* CANNOT_MOVE = "You cannot move. Press spacebar or click dice";
constexpr const char* POSITION_FILTER = "Position files (*.pos)|*.pos|All files (*.*)|*.*||";

FileDialogOptions SaveOptions() { return {POSITION_FILTER, "*.pos", "pos", true}; }
FileDialogOptions OpenOptions() { return {POSITION_FILTER, "*.pos", "", false}; }

std::vector<std::uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    std::uint32_t u = 0;
    for (std::size_t k = 0; k < 4; ++k) u |= static_cast<std::uint32_t>(bytes.at(at + k)) << (8 * k);
    return static_cast<std::int32_t>(u);
}

// The statistics dialog closed with "&Quit".
int Quit(StatDlg&) { return IDCANCEL; }

} // namespace

// Dice 6 and 5: the 5 is blocked everywhere but can be played after the 6
// from A. Pass is offered only while no die can be played, and then refused
// as long as both dice could have been used.
TEST_F(GameTest, PassIsRefusedWhileBothDiceCouldBeUsed)
{
    StartWithRolls("21 65");
    Load(MakePosition(
        {{1, HUMAN, 1}, {3, HUMAN, 1}, {6, COMPUTER, 2}, {8, COMPUTER, 2}, {14, COMPUTER, 2}, {24, COMPUTER, 9}}));
    EXPECT_FALSE(window->IsCommandEnabled(ID_PASS));
    const std::vector<std::string> lines = platform.list.lines;
    Key(VK_SPACE, ' ');
    EXPECT_EQ(platform.list.lines, lines);
    EXPECT_TRUE(platform.dialogs.empty());

    // The 6 from C leaves the 5 without a move.
    Type("C");
    Type("I");
    ASSERT_EQ(window->Game().MovesMade, 1);
    EXPECT_EQ(Pane(0), CANNOT_MOVE);
    EXPECT_TRUE(window->IsCommandEnabled(ID_PASS));
    platform.ExpectMessageBox(BOTH_DICE, Buttons::Ok, Icon::Exclamation, IDOK);
    Key(VK_SPACE, ' ');
    // A click beside the board is a Pass too.
    platform.ExpectMessageBox(BOTH_DICE, Buttons::Ok, Icon::Exclamation, IDOK);
    In().Click(1, 1);
    Pump();
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().moves, 1);
    EXPECT_EQ(LastLine(), "2nd from  ");
    EXPECT_EQ(PipCount(Data(), COMPUTER), 2 * 6 + 2 * 8 + 2 * 14 + 9 * 24);

    // Taken back, the 6 from A lets the 5 follow.
    Key(VK_ESCAPE);
    Type("A");
    Type("G");
    Type("G");
    EXPECT_EQ(Data()[12], (Spot{1, HUMAN}));
    EXPECT_TRUE(window->Game().WaitingConfirm);
}

// With no die playable the status says so, and a click beside the board
// passes: "No move" replaces the prompt and the computer plays.
TEST_F(GameTest, AClickBesideTheBoardPassesWhenNothingCanMove)
{
    StartWithRolls("21 56 31 42");
    Load(MakePosition({{1, HUMAN, 1}, {6, COMPUTER, 2}, {7, COMPUTER, 2}, {24, COMPUTER, 11}}));
    EXPECT_EQ(Pane(0), CANNOT_MOVE);
    EXPECT_TRUE(window->IsCommandEnabled(ID_PASS));
    In().Click(1, 1);
    Pump();
    const auto& lines = platform.list.lines;
    const auto noMove = std::find(lines.begin(), lines.end(), "No move");
    ASSERT_NE(noMove, lines.end());
    EXPECT_EQ(*(noMove - 1), "Dice: 5+6");
    EXPECT_EQ(*(noMove + 1), " ");
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().die[0], 4);
    EXPECT_EQ(Dice().die[1], 2);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 4);
}

// A side on its bar with all six entry points held twice or more sees no
// roll: nothing shown, listed or counted. The human must pass; the
// computer waits 100 ms and its turn ends.
TEST_F(GameTest, ClosedOutPlayersOnBothSides)
{
    StartWithRolls("21 35 42 53 61");
    Load(MakePosition({{0, HUMAN, 1},
                       {19, HUMAN, 2},
                       {20, HUMAN, 2},
                       {21, HUMAN, 2},
                       {22, HUMAN, 2},
                       {23, HUMAN, 2},
                       {24, HUMAN, 2},
                       {25, COMPUTER, 1},
                       {1, COMPUTER, 2},
                       {2, COMPUTER, 2},
                       {3, COMPUTER, 2},
                       {4, COMPUTER, 2},
                       {5, COMPUTER, 2},
                       {6, COMPUTER, 2}}));
    EXPECT_EQ(Pane(0), CANNOT_MOVE);
    const int humanPips = Game().PipsRolled[HUMAN];
    const std::size_t sleeps = platform.sleeps.size();
    const std::size_t statusCalls = platform.status.textLog.size();

    Key(VK_SPACE, ' ');
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(LineFromEnd(3), "No move");
    EXPECT_EQ(LineFromEnd(2), " ");
    EXPECT_EQ(LineFromEnd(1), " ");
    EXPECT_EQ(LastLine(), "1st  from  ");
    EXPECT_EQ(Pane(0), CANNOT_MOVE);
    EXPECT_EQ(Game().PipsRolled[HUMAN], humanPips);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 0);
    EXPECT_EQ(Game().DoublesRolled[COMPUTER], 0);
    for (const TestDicePicture& d : platform.dice) EXPECT_FALSE(d.visible);
    const std::vector<int> paused = SleepsSince(sleeps);
    EXPECT_NE(std::find(paused.begin(), paused.end(), 100), paused.end());
    EXPECT_EQ(std::find(paused.begin(), paused.end(), 1500), paused.end());
    for (std::size_t i = statusCalls; i < platform.status.textLog.size(); ++i)
        EXPECT_NE(platform.status.textLog[i].text, "Thinking...");
    EXPECT_TRUE(window->IsCommandEnabled(ID_PASS));

    // The click beside the board passes again, and so on.
    In().Click(1, 1);
    Pump();
    EXPECT_EQ(LineFromEnd(3), "No move");
    EXPECT_EQ(LastLine(), "1st  from  ");
    EXPECT_EQ(Game().PipsRolled[HUMAN], humanPips);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 0);
}

// Resign offers the stakes the position allows and scores the computer
// the cube value times 1, 2 or 3; Cancel changes nothing.
TEST_F(GameTest, ResignAtEachStake)
{
    StartWithRolls("21");
    auto again = [](StatDlg& d) {
        d.rollChoice = 0;
        return static_cast<int>(IDOK);
    };

    // Pieces back while contact remains: only Backgammon; at cube 2 it scores 6.
    LoadWith(StandardSetup(), [](PositionFileData& d) {
        d.cubeValue = 2;
        d.cubeOwner = HUMAN;
    });
    platform.OnResignDlg([](GvUpDlg& d) {
        EXPECT_FALSE(d.IsEnabled(GvUpDlg::ID_SINGLE));
        EXPECT_FALSE(d.IsEnabled(GvUpDlg::ID_GAMMON));
        EXPECT_TRUE(d.IsEnabled(GvUpDlg::ID_BACKGAMMON));
        EXPECT_EQ(d.Selected(), GvUpDlg::ID_BACKGAMMON);
        return d.OnOk();
    });
    platform.OnStatDlg(again);
    Key(VK_SPACE, ' ', true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Game().ScoreSinceStart[COMPUTER], 6);
    EXPECT_EQ(settings.Score[COMPUTER], 6);
    EXPECT_EQ(window->Game().CubeValue, 1);

    // Nothing borne off far behind, no piece back: Gammon at least.
    Load(MakePosition(
        {{7, HUMAN, 5}, {9, HUMAN, 5}, {11, HUMAN, 5}, {6, COMPUTER, 5}, {5, COMPUTER, 5}, {4, COMPUTER, 5}}));
    platform.OnResignDlg([](GvUpDlg& d) {
        EXPECT_FALSE(d.IsEnabled(GvUpDlg::ID_SINGLE));
        EXPECT_TRUE(d.IsEnabled(GvUpDlg::ID_GAMMON));
        EXPECT_TRUE(d.IsEnabled(GvUpDlg::ID_BACKGAMMON));
        EXPECT_EQ(d.Selected(), GvUpDlg::ID_GAMMON);
        return d.OnOk();
    });
    platform.OnStatDlg(again);
    Key(VK_SPACE, ' ', true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Game().ScoreSinceStart[COMPUTER], 8);

    // Pieces borne off: every stake, Single stakes chosen first. Cancel
    // first leaves the game as it was.
    const BoardData safe = MakePosition({{19, HUMAN, 5}, {6, COMPUTER, 5}, {5, COMPUTER, 5}, {4, COMPUTER, 5}});
    LoadWith(safe, [](PositionFileData& d) {
        d.cubeValue = 4;
        d.cubeOwner = COMPUTER;
    });
    platform.OnResignDlg([](GvUpDlg& d) {
        EXPECT_TRUE(d.IsEnabled(GvUpDlg::ID_SINGLE));
        EXPECT_TRUE(d.IsEnabled(GvUpDlg::ID_GAMMON));
        EXPECT_TRUE(d.IsEnabled(GvUpDlg::ID_BACKGAMMON));
        EXPECT_EQ(d.Selected(), GvUpDlg::ID_SINGLE);
        return static_cast<int>(IDCANCEL);
    });
    Key(VK_SPACE, ' ', true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(window->Game().CubeValue, 4);
    EXPECT_EQ(window->Game().Winner, NOBODY);
    EXPECT_EQ(Data(), safe);
    EXPECT_EQ(Game().ScoreSinceStart[COMPUTER], 8);

    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg(Quit);
    Key(VK_SPACE, ' ', true);
    EXPECT_EQ(Game().ScoreSinceStart[COMPUTER], 12);
    EXPECT_EQ(settings.Score[COMPUTER], 12);
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN], 0);
    EXPECT_TRUE(platform.quit);
    Profile profile(PathOf("tablorw.ini"));
    EXPECT_EQ(profile.GetInt("Game", "Computer", -1), 12);
    EXPECT_EQ(profile.GetInt("Game", "Human", -1), 0);
}

// Suggest move after one move of the player's own plays only the die left,
// and holds the turn for confirmation even with AutoChangeTurn on.
TEST_F(GameTest, SuggestMoveAfterOneMovePlaysOnlyTheRemainingDie)
{
    StartWithRolls("31", "AutoChangeTurn=1");
    Type("Q");
    Type("T");
    ASSERT_EQ(window->Game().MovesMade, 1);
    const int humanPips = PipCount(Data(), HUMAN);
    Key('M', 0, true);
    EXPECT_EQ(window->Game().MovesMade, 2);
    EXPECT_EQ(Dice().moves, 0);
    EXPECT_EQ(window->Game().TurnMoves[0].from, 17);
    EXPECT_EQ(window->Game().TurnMoves[0].to, 20);
    const MovePair second = window->Game().TurnMoves[1];
    EXPECT_EQ(second.to - second.from, 1);
    EXPECT_EQ(PipCount(Data(), HUMAN), humanPips - 1);
    EXPECT_EQ(LineFromEnd(1), "1st  from  Q  to  T");
    EXPECT_EQ(LastLine(),
              std::string("2nd from  ") + LocationLetter(second.from) + "  to  " + LocationLetter(second.to));
    EXPECT_TRUE(window->Game().WaitingConfirm);
    EXPECT_EQ(Pane(0), "<Esc> or right mouse to undo");
    EXPECT_EQ(PipCount(Data(), COMPUTER), 167);
}

// The hold of a suggestion is for the turn it was made in. With nothing to
// play, followed by a position opened or by Pass, or when it bears off the
// last piece and the game ends, the next turn (in the next game too) changes
// automatically once its dice are played.
TEST_F(GameTest, SuggestMoveHoldsOnlyItsOwnTurn)
{
    StartWithRolls("21 35 31 43 11 35 11 21 43 11 11 11", "AutoChangeTurn=1");
    // On the bar against 3 and 5, both held: nothing to suggest.
    const BoardData shutOut =
        MakePosition({{0, HUMAN, 1}, {12, HUMAN, 2}, {3, COMPUTER, 2}, {5, COMPUTER, 2}, {24, COMPUTER, 11}});
    PositionFileData file = CurrentPositionData(Game());
    file.board = ToImage(StandardSetup());
    ASSERT_TRUE(WritePositionFile(PathOf("start.pos"), file));
    auto expectPassedAtOnce = [this](const char* how) {
        SCOPED_TRACE(how);
        EXPECT_FALSE(Game().WaitingConfirm);
        EXPECT_EQ(CurrentPlayer(), HUMAN);
        EXPECT_EQ(LineFromEnd(1), "Dice: 1+1+1+1");
    };

    Load(shutOut);
    ASSERT_TRUE(Rules().CannotMove());
    Key('M', 0, true);
    EXPECT_EQ(Game().MovesMade, 0);
    platform.ExpectOpenFile(OpenOptions(), PathOf("start.pos"));
    Key('O', 0, true);
    ASSERT_EQ(Dice().die[0] * 10 + Dice().die[1], 31);
    Type("Q");
    Type("T");
    Type("S");
    expectPassedAtOnce("a position opened");

    Load(shutOut);
    Key('M', 0, true);
    Key(VK_SPACE, ' ');
    ASSERT_EQ(Dice().die[0] * 10 + Dice().die[1], 21);
    Type("0");
    Type("B");
    Type("L");
    expectPassedAtOnce("passed");

    // The suggestion bears off the last piece; the next game's human opening
    // (1-1, the winner starts) passes without waiting.
    Load(MakePosition({{24, HUMAN, 1}, {13, COMPUTER, 15}}));
    platform.OnStatDlg([](StatDlg& d) {
        d.rollChoice = 0;
        return static_cast<int>(IDOK);
    });
    Key('M', 0, true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN], 2);
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    ASSERT_TRUE(Game().OpeningTurn);
    PlayHumanTurn();
    EXPECT_FALSE(Game().WaitingConfirm);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_FALSE(Game().OpeningTurn);
}

// Copy position ID puts the IDs of the board with the roll in hand on the
// clipboard and shows them; in a turn under way they stay those of the turn's
// start. A pasted ID is set up as an opened file is, with its cube; text
// without one changes nothing.
TEST_F(GameTest, PositionIdsAreCopiedAndPasted)
{
    StartWithRolls("21 35 64 52");
    const BoardData race = MakePosition({{20, HUMAN, 3}, {22, HUMAN, 2}, {3, COMPUTER, 4}, {10, COMPUTER, 1}});
    Load(race);
    auto idsOf = [](const BoardData& b, int first, int second, int cube, int owner) {
        MatchIdFields f;
        f.onRoll = f.toDecide = HUMAN;
        f.first = first;
        f.second = second;
        f.cubeValue = cube;
        f.cubeOwner = owner;
        return PositionId(b, HUMAN) + ":" + MatchId(f);
    };
    // From the menu: a key would confirm a turn that waits for it.
    auto expectCopied = [this](const std::string& ids) {
        platform.ExpectMessageBox("Position ID: " + ids.substr(0, 14) + "\nMatch ID: " + ids.substr(15) +
                                      "\n\nBoth are on the clipboard.",
                                  Buttons::Ok, Icon::Information, IDOK);
        Menu(ID_COPY_POSITION_ID);
        platform.CheckAllScriptsUsed();
        EXPECT_EQ(platform.clipboard, ids);
    };
    const int first = Dice().die[0], second = Dice().die[1];
    expectCopied(idsOf(race, first, second, 1, NOBODY));
    platform.clipboard.reset();
    platform.ExpectMessageBox("Position ID: " + PositionId(race, HUMAN) + "\nMatch ID: " +
                                  idsOf(race, first, second, 1, NOBODY).substr(15) + "\n\nBoth are on the clipboard.",
                              Buttons::Ok, Icon::Information, IDOK);
    Key('I', 0, true);
    EXPECT_TRUE(platform.clipboard.has_value()) << "Ctrl+I copies";

    platform.clipboard = "no position here 4HPwATDgc/ABM";
    platform.ExpectMessageBox("The clipboard holds no Position ID of a position that can be played.", Buttons::Ok,
                              Icon::Exclamation, IDOK);
    Key('V', 0, true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Data(), race);

    // As another program copies it: the board, then the Match ID of a
    // 4-cube the computer owns.
    const BoardData other = MakePosition({{19, HUMAN, 6}, {13, HUMAN, 2}, {6, COMPUTER, 8}, {1, COMPUTER, 2}});
    MatchIdFields cube;
    cube.cubeValue = 4;
    cube.cubeOwner = COMPUTER;
    platform.clipboard = " Position ID: " + PositionId(other, HUMAN) + "\n Match ID   : " + MatchId(cube) + "\n";
    const int scoreBefore = Game().ScoreSinceStart[HUMAN];
    Key('V', 0, true);
    EXPECT_EQ(Data(), other);
    EXPECT_EQ(Game().CubeValue, 4);
    EXPECT_EQ(Game().CubeOwner, COMPUTER);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN], scoreBefore);
    EXPECT_EQ(platform.caption, "Tablor - " + PositionId(other, HUMAN));
    const int rolledFirst = Dice().die[0], rolledSecond = Dice().die[1];
    EXPECT_EQ(LineFromEnd(1), "Dice: " + std::to_string(rolledFirst) + "+" + std::to_string(rolledSecond));

    // A piece moved: the IDs are still those of the decision.
    Type("M");
    Type(std::string(1, LocationLetter(13 + rolledFirst)));
    ASSERT_EQ(Game().MovesMade, 1);
    ASSERT_NE(Data(), other);
    expectCopied(idsOf(other, rolledFirst, rolledSecond, 4, COMPUTER));
}

// Switch sides mirrors the board (bars, trays and owners exchanged) and
// makes it the start of the turn; Save right after stores it.
TEST_F(GameTest, SwitchSidesMirrorsTheBoardAndSaveStoresIt)
{
    StartWithRolls("21 35");
    Load(MakePosition({{0, HUMAN, 1},
                       {25, COMPUTER, 1},
                       {3, HUMAN, 2},
                       {5, COMPUTER, 2},
                       {12, HUMAN, 4},
                       {13, COMPUTER, 5},
                       {20, COMPUTER, 3},
                       {24, HUMAN, 5}}));
    const BoardData switched = MakePosition({{25, COMPUTER, 1},
                                             {0, HUMAN, 1},
                                             {22, COMPUTER, 2},
                                             {20, HUMAN, 2},
                                             {13, COMPUTER, 4},
                                             {12, HUMAN, 5},
                                             {5, HUMAN, 3},
                                             {1, COMPUTER, 5}});
    ASSERT_EQ(switched[HUMAN_TRAY].count, 4);
    ASSERT_EQ(switched[COMPUTER_TRAY].count, 3);
    Key('W', 0, true);
    EXPECT_EQ(Data(), switched);
    EXPECT_EQ(BoardTable(), switched);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().die[0], 3);
    EXPECT_EQ(Dice().die[1], 5);
    EXPECT_EQ(LastLine(), "1st  from  ");

    platform.ExpectSaveFile(SaveOptions(), PathOf("switched.pos"));
    Key('S', 0, true);
    platform.CheckAllScriptsUsed();
    const std::vector<std::uint8_t> bytes = ReadBytes(PathOf("switched.pos"));
    ASSERT_EQ(bytes.size(), 286u);
    EXPECT_EQ(Int32At(bytes, 0), 32);
    BoardImage image{};
    std::copy(bytes.begin() + 4, bytes.begin() + 228, image.begin());
    EXPECT_EQ(FromImage(image), switched);
    // Point A holds five of the computer's pieces, its bar one.
    EXPECT_EQ(bytes[4 + 8 * 1], 5);
    EXPECT_EQ(Int32At(bytes, 4 + 8 * 1 + 4), COMPUTER);
    EXPECT_EQ(bytes[4 + 8 * 25], 1);
    EXPECT_EQ(Int32At(bytes, 4 + 8 * 25 + 4), COMPUTER);
    EXPECT_EQ(bytes[4 + 8 * 27], 4);
}

// The pip comparison in pane 2, by "?", "/" and the menu.
TEST_F(GameTest, ShowProgressTexts)
{
    StartWithRolls("31 35");
    Key(VK_OEM_2, '?');
    EXPECT_EQ(Pane(2), "Even");
    Type("Q");
    Type("T");
    Key(VK_OEM_2, '/');
    EXPECT_EQ(Pane(2), "= You lead by 3 =");
    Load(MakePosition({{1, HUMAN, 2}, {6, COMPUTER, 2}}));
    EXPECT_EQ(Pane(2), "");
    Menu(ID_SHOW_PROGRESS);
    EXPECT_EQ(Pane(2), "= Computer leads by 36 =");
}

// New game asks first; No keeps the game, Yes starts a new one with a new
// opening roll.
TEST_F(GameTest, NewGameAsksFirst)
{
    StartWithRolls("31 42");
    Type("Q");
    Type("T");
    const BoardData played = Data();
    const std::vector<std::string> lines = platform.list.lines;
    platform.ExpectMessageBox("Start new game ?", Buttons::YesNo, Icon::Question, IDNO);
    Key('N', 0, true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Data(), played);
    EXPECT_EQ(platform.list.lines, lines);
    EXPECT_EQ(window->Game().MovesMade, 1);

    platform.ExpectMessageBox("Start new game ?", Buttons::YesNo, Icon::Question, IDYES);
    Key(VK_F2);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Data(), WithFixedOwners(StandardSetup()));
    EXPECT_EQ(window->Game().MovesMade, 0);
    EXPECT_EQ(Dice().die[0], 4);
    EXPECT_EQ(Dice().die[1], 2);
    EXPECT_EQ(LineFromEnd(1), "Dice: 4+2");
}

// Reset scores asks first; Yes writes both running totals as 0, the scores
// since start-up stay.
TEST_F(GameTest, ResetScoresClearsTheRunningTotalsOnly)
{
    Start("", "[Game]\nHuman=5\nComputer=7\n");
    ASSERT_EQ(settings.Score[HUMAN], 5);
    ASSERT_EQ(settings.Score[COMPUTER], 7);
    Game().ScoreSinceStart[HUMAN] = 2;
    Game().ScoreSinceStart[COMPUTER] = 3;

    platform.ExpectMessageBox("Reset all scores to 0 ?", Buttons::YesNo, Icon::Question, IDNO);
    Menu(ID_RESET_SCORES);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(settings.Score[HUMAN], 5);
    EXPECT_EQ(settings.Score[COMPUTER], 7);
    EXPECT_EQ(Profile(PathOf("tablorw.ini")).GetInt("Game", "Human", -1), 5);

    platform.ExpectMessageBox("Reset all scores to 0 ?", Buttons::YesNo, Icon::Question, IDYES);
    Menu(ID_RESET_SCORES);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(settings.Score[HUMAN], 0);
    EXPECT_EQ(settings.Score[COMPUTER], 0);
    Profile profile(PathOf("tablorw.ini"));
    EXPECT_EQ(profile.GetInt("Game", "Human", -1), 0);
    EXPECT_EQ(profile.GetInt("Game", "Computer", -1), 0);
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN], 2);
    EXPECT_EQ(Game().ScoreSinceStart[COMPUTER], 3);
}

// A missing documentation file is reported by its path; a present one is
// opened without a word, by the desktop or else in the help window.
TEST_F(GameTest, DocumentationMissingOrPresent)
{
    Start();
    platform.ExpectMessageBox(PathOf("Documentation.htm") + " not found", Buttons::Ok, Icon::Exclamation, IDOK);
    Menu(ID_DOCUMENTATION);
    platform.CheckAllScriptsUsed();
    WriteFile("Documentation.htm", "<html></html>");
    Menu(ID_DOCUMENTATION);
    ASSERT_EQ(platform.documents.size(), 2u);
    EXPECT_EQ(platform.documents[1], PathOf("Documentation.htm"));
    EXPECT_EQ(platform.dialogs.size(), 1u);
    EXPECT_TRUE(platform.shownDocuments.empty());

    // A desktop with no program for web pages: the help window shows the
    // manual, without a word.
    platform.desktopAnswer = OpenResult::Failed;
    Menu(ID_DOCUMENTATION);
    EXPECT_EQ(platform.shownDocuments, std::vector<std::string>{PathOf("Documentation.htm")});
    EXPECT_EQ(platform.dialogs.size(), 1u);
    // When the help window cannot show it either, the player is told.
    platform.helpWindowShows = false;
    platform.ExpectMessageBox(PathOf("Documentation.htm") + " cannot be shown", Buttons::Ok, Icon::Exclamation, IDOK);
    Menu(ID_DOCUMENTATION);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(platform.shownDocuments.size(), 2u);
}

// Help opens the topic of the window that is active when it is asked for.
TEST_F(GameTest, HelpContextsFollowTheActiveWindow)
{
    Start("AutoFinish=2");
    Key(VK_F1);
    EXPECT_EQ(platform.helpContexts, std::vector<int>{0});

    // The "&Help" buttons of the Resign and Auto finish dialogs.
    platform.OnResignDlg([this](GvUpDlg&) {
        window->Dispatch(Message::Cmd(ID_HELP, CommandSource::Control));
        return static_cast<int>(IDCANCEL);
    });
    Key(VK_SPACE, ' ', true);
    platform.OnFinishDlg([this](FinishDlg&) {
        window->Dispatch(Message::Cmd(ID_HELP, CommandSource::Control));
        return static_cast<int>(IDCANCEL);
    });
    Key('F', 0, true);
    EXPECT_EQ(platform.helpContexts, (std::vector<int>{0, 115, 120}));
    EXPECT_FALSE(Game().AutoPlay);

    // Help asked for while the settings sheet or the colours dialog is open.
    platform.OnSettingSheet([this](SettingSheet&) {
        window->Dispatch(Message::Cmd(ID_HELP, CommandSource::Control));
        return static_cast<int>(IDCANCEL);
    });
    Key(VK_F9);
    platform.OnColourDlg([this](BackgClr&) {
        window->Dispatch(Message::Cmd(ID_HELP, CommandSource::Control));
        return static_cast<int>(IDCANCEL);
    });
    Key('C', 0, true);
    // The About box and the statistics dialog have no topic of their own.
    platform.OnAboutDlg([this](AboutDlg&) {
        window->Dispatch(Message::Cmd(ID_HELP, CommandSource::Control));
        return static_cast<int>(IDCANCEL);
    });
    Menu(ID_APP_ABOUT);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(platform.helpContexts, (std::vector<int>{0, 115, 120, 155, 105, 0}));
}

// The statistics dialog plays the win or lose sound only when that event is
// on, with the file the settings name.
TEST_F(GameTest, StatisticsSoundOnlyWhenTheEventIsOn)
{
    WriteFile("rolls.txt", "21 21");
    Start("DiceMode=2\nRollsList=" + PathOf("rolls.txt"),
          "[Sounds]\nWinSound=cheer.wav\nWinSoundActive=1\nLoseSound=sigh.wav\nLoseSoundActive=0\n");
    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg([](StatDlg& d) {
        d.rollChoice = 0;
        return static_cast<int>(IDOK);
    });
    Key(VK_SPACE, ' ', true);
    platform.CheckAllScriptsUsed();
    for (const auto& s : platform.sounds) {
        EXPECT_NE(s.path, "sigh.wav");
        EXPECT_NE(s.path, "cheer.wav");
    }

    // The human bears off the last piece: a gammon won.
    Load(MakePosition({{24, HUMAN, 1}, {6, COMPUTER, 15}}));
    platform.OnStatDlg(Quit);
    Type("X");
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN], 2);
    int wins = 0;
    for (const auto& s : platform.sounds) {
        EXPECT_NE(s.path, "sigh.wav");
        if (s.path == "cheer.wav") {
            ++wins;
            EXPECT_TRUE(s.async);
        }
    }
    EXPECT_EQ(wins, 1);
}

// Save at the start of a turn and Open later: the same board, cube and
// statistics, a new roll counted on top, the file's name in the caption.
TEST_F(GameTest, SaveAndOpenAPosition)
{
    StartWithRolls("21 31 42 53 64", "UseCube=1");
    const BoardData saved = MakePosition({{1, HUMAN, 2},
                                          {12, HUMAN, 5},
                                          {17, HUMAN, 3},
                                          {19, HUMAN, 4},
                                          {6, COMPUTER, 5},
                                          {8, COMPUTER, 3},
                                          {13, COMPUTER, 5},
                                          {24, COMPUTER, 1}});
    LoadWith(saved, [](PositionFileData& d) {
        d.cubeValue = 2;
        d.cubeOwner = HUMAN;
        d.hitsMadeHuman = 2;
        d.hitsMadeComputer = 1;
        d.doublesRolledHuman = 1;
        d.doublesRolledComputer = 3;
        d.pipsRolledHuman = 40;
        d.pipsRolledComputer = 50;
        d.thinkingTimeHuman = 5000;
        d.thinkingTimeComputer = 7000;
    });
    ASSERT_EQ(Game().PipsRolled[HUMAN], 44);
    platform.Advance(1234);
    platform.ExpectSaveFile(SaveOptions(), PathOf("game.pos"));
    Key('S', 0, true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(platform.caption, "Tablor");
    const std::vector<std::uint8_t> bytes = ReadBytes(PathOf("game.pos"));
    ASSERT_EQ(bytes.size(), 286u);
    EXPECT_EQ(Int32At(bytes, 245), 5000 + 1234);
    EXPECT_EQ(Int32At(bytes, 257), 2);

    // The human's clock runs on after the save, up to the move. Save is
    // unavailable once a piece has moved.
    platform.Advance(2000);
    Type("A");
    Type("D");
    ASSERT_EQ(window->Game().MovesMade, 1);
    EXPECT_EQ(Game().ThinkingTime[HUMAN], 5000 + 1234 + 2000);
    EXPECT_FALSE(window->IsCommandEnabled(ID_FILE_SAVE));
    Key('S', 0, true);
    EXPECT_EQ(platform.dialogs.size(), 1u);
    Type("Q");
    ASSERT_TRUE(window->Game().WaitingConfirm);
    Confirm();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    ASSERT_NE(Data(), saved);

    platform.ExpectOpenFile(OpenOptions(), PathOf("game.pos"));
    Key('O', 0, true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Data(), saved);
    EXPECT_EQ(BoardTable(), saved);
    EXPECT_EQ(window->Game().CubeValue, 2);
    EXPECT_EQ(window->Game().CubeOwner, HUMAN);
    EXPECT_EQ(platform.cube.text, "2");
    EXPECT_EQ(Game().HitsMade[HUMAN], 2);
    EXPECT_EQ(Game().HitsMade[COMPUTER], 1);
    EXPECT_EQ(Game().DoublesRolled[COMPUTER], 3);
    EXPECT_EQ(Game().PipsRolled[COMPUTER], 50);
    // The fresh roll 6-4 is the human's and counted on top of the file's.
    EXPECT_EQ(Dice().die[0], 6);
    EXPECT_EQ(Dice().die[1], 4);
    EXPECT_EQ(Game().PipsRolled[HUMAN], 44 + 10);
    EXPECT_EQ(Game().DoublesRolled[HUMAN], 1);
    EXPECT_EQ(Game().ThinkingTime[HUMAN], 5000 + 1234);
    EXPECT_TRUE(Game().ClockRunning[HUMAN]) << "the human's clock runs again from the prompt";
    EXPECT_EQ(window->Game().MovesMade, 0);
    EXPECT_EQ(LineFromEnd(1), "Dice: 6+4");
    EXPECT_EQ(LastLine(), "1st  from  ");
    EXPECT_EQ(platform.caption, "Tablor - game.pos");
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    // The race bar shows the opened position, not the one before it.
    const int c = PipCount(saved, COMPUTER), h = PipCount(saved, HUMAN);
    const Rect pane = platform.status.PaneRect(1);
    const int w = pane.right - pane.left;
    EXPECT_TRUE(platform.status.progressShown);
    EXPECT_EQ(platform.status.progressFirst.left, pane.right - h * w / (c + h));
    EXPECT_EQ(platform.status.progressSecond.right, pane.left + c * w / (c + h));
}

// A file that does not begin with 32 is refused and the game goes on untouched.
TEST_F(GameTest, AnInvalidPositionFileLeavesTheGameUntouched)
{
    StartWithRolls("31");
    WriteFile("notes.pos", "These are not the pieces you are looking for.");
    Type("Q");
    const BoardData before = Data();
    const std::vector<std::string> lines = platform.list.lines;
    platform.ExpectOpenFile(OpenOptions(), PathOf("notes.pos"));
    platform.ExpectMessageBox("Invalid position file !", Buttons::Ok, Icon::Exclamation, IDOK);
    Key('O', 0, true);
    platform.CheckAllScriptsUsed();
    EXPECT_EQ(Data(), before);
    EXPECT_EQ(platform.list.lines, lines);
    EXPECT_EQ(platform.caption, "Tablor");
    EXPECT_EQ(window->Game().CurrentMove().from, 17);
    EXPECT_EQ(Dice().moves, 2);
    EXPECT_EQ(Game().PipsRolled[HUMAN], 4);
}

// Every item of the menu bar, every accelerator and both commands the program
// posts to itself are in the command table; nothing else is.
TEST(CommandTable, HandlesEveryMenuItemAndAccelerator)
{
    for (const MenuPopup& popup : MenuBar())
        for (const MenuItem& item : popup.items) EXPECT_TRUE(CommandTable::Handles(item.id)) << item.text;
    for (const Accelerator& accelerator : AcceleratorTable())
        EXPECT_TRUE(CommandTable::Handles(accelerator.command)) << accelerator.command;
    EXPECT_TRUE(CommandTable::Handles(ID_COMPUTER_TURN));
    EXPECT_TRUE(CommandTable::Handles(ID_PLAY_FORCED));
    EXPECT_TRUE(CommandTable::Handles(ID_DOUBLE)) << "the cube button";
    EXPECT_FALSE(CommandTable::Handles(0));
    EXPECT_FALSE(CommandTable::Handles(BLINK_TIMER));
}
