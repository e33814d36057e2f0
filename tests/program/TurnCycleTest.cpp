// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games and turns through the main window, as a player plays them.
#include "GameFixture.h"

#include "core/settings/Profile.h"
#include "program/app/StringTable.h"

#include <fstream>

namespace {

// Plays until the statistics dialog has been shown `games` times, the human's
// turns entered alternately by letters and by clicks.
int PlayGames(GameTest& t, BackgWnd& window, TestPlatform& platform, int games, const std::function<void()>& humanTurn)
{
    int shown = 0;
    for (int step = 0; step < 2000 && platform.dialogs.size() < static_cast<std::size_t>(games); ++step) {
        if (window.Game().WaitingConfirm) {
            platform.Input().Click(1, 1);
            window.PumpMessages();
        } else {
            humanTurn();
        }
        shown = static_cast<int>(platform.dialogs.size());
    }
    (void)t;
    return shown;
}

} // namespace

TEST_F(GameTest, StartsInTheStandardPositionWithTheHumanToMove)
{
    StartWithRolls("1362", "FirstMoveBy=0");
    EXPECT_EQ(Data(), WithFixedOwners(StandardSetup()));
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(platform.caption, "Tablor");
    EXPECT_EQ(platform.list.LineText(0), "Tablor");
    EXPECT_EQ(Pane(0), "Click on position to leave from...");
    // The opening roll 1-3: the computer's die first; the human's is higher,
    // so the human plays both.
    EXPECT_EQ(Dice().die[0], 1);
    EXPECT_EQ(Dice().die[1], 3);
    EXPECT_EQ(platform.list.LineText(platform.list.LineCount() - 2), "Dice: 1+3");
    EXPECT_EQ(LastLine(), "1st  from  ");
    // The opening dice are seen one on each side.
    EXPECT_TRUE(platform.dice[0].visible);
    EXPECT_EQ(platform.dice[0].face, 1);
    EXPECT_FALSE(platform.dice[4].visible);
    EXPECT_TRUE(platform.dice[5].visible);
    EXPECT_EQ(platform.dice[5].face, 3);
    EXPECT_EQ(Game().PipsRolled[HUMAN], 4);
}

TEST_F(GameTest, HumanMovesByLettersAndClicksThenTheComputerPlays)
{
    StartWithRolls("31"
                   "62"
                   "55",
                   "AutoChangeTurn=1");
    // 3-1: 8 to 5 by letters (H to E), 6 to 5 by clicks. Points of the human
    // are counted from its side: the human moves up from 1.
    Type("A");
    EXPECT_EQ(window->Game().CurrentMove().from, 1);
    EXPECT_EQ(Pane(0), "Click on position to move to...");
    Type("D");
    EXPECT_EQ(Data()[4].count, 1);
    EXPECT_EQ(Data()[4].owner, HUMAN);
    EXPECT_EQ(platform.list.LineText(platform.list.LineCount() - 2), "1st  from  A  to  D");
    EXPECT_EQ(LastLine(), "2nd from  ");
    ClickOn(12);
    ClickOn(13);
    // 12 + 1 = 13 is the computer's point with five pieces: refused, the pick restarts.
    EXPECT_EQ(LastLine(), "2nd from  ");
    EXPECT_EQ(window->Game().MovesMade, 1);
    ClickOn(19);
    ClickOn(20);
    EXPECT_EQ(Data()[20].count, 1);
    // The turn passed to the computer, which rolled 6-2 and played it.
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().die[0], 5);
    EXPECT_EQ(Dice().moves, 4);
    int computer = 0;
    for (int i = 0; i < LOCATIONS; ++i)
        if (Data()[i].owner == COMPUTER) computer += Data()[i].count;
    EXPECT_EQ(computer, 15);
    EXPECT_EQ(PipCount(Data(), COMPUTER), 167 - 8);
    EXPECT_TRUE(IsValid(Data()));
}

TEST_F(GameTest, WholeGamesByLettersAndClicksEndInTheStatisticsAndAgain)
{
    Start("AutoChangeTurn=1");
    int turn = 0;
    platform.AlwaysOnStatDlg([](StatDlg& d) {
        d.rollChoice = 0;
        return static_cast<int>(IDOK);
    });
    const int shown = PlayGames(*this, *window, platform, 2, [&] {
        PlayHumanTurn(++turn % 2 == 0);
        Pump();
        ASSERT_TRUE(IsValid(Data()));
    });
    EXPECT_EQ(shown, 2);
    // Scores were written after each game.
    Profile profile(PathOf("tablorw.ini"));
    EXPECT_EQ(profile.GetInt("Game", "Human", -1) + profile.GetInt("Game", "Computer", -1),
              Game().ScoreSinceStart[HUMAN] + Game().ScoreSinceStart[COMPUTER]);
    EXPECT_GE(Game().ScoreSinceStart[HUMAN] + Game().ScoreSinceStart[COMPUTER], 2);
    EXPECT_TRUE(std::filesystem::exists(PathOf("tablorw32.gph")));
    // Again started a third game in the standard position.
    EXPECT_EQ(window->Game().Winner, NOBODY);
}

TEST_F(GameTest, FinishGameQuickPlaysToTheEndAndWritesTheScores)
{
    Start("AutoFinish=0");
    platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
    Menu(ID_FINISH_GAME);
    EXPECT_TRUE(platform.quit);
    EXPECT_FALSE(Game().AutoPlay);
    EXPECT_EQ(Game().ScoreSinceStart[HUMAN] + Game().ScoreSinceStart[COMPUTER],
              settings.Score[HUMAN] + settings.Score[COMPUTER]);
    Profile profile(PathOf("tablorw.ini"));
    EXPECT_EQ(profile.GetInt("Game", "Human", -1), settings.Score[HUMAN]);
    EXPECT_EQ(profile.GetInt("Game", "Computer", -1), settings.Score[COMPUTER]);
    // Quick: no pause while the game is played; only the re-prompt after
    // the loop, when the game is over, waits its 200 ms.
    EXPECT_LE(platform.sleptTotal, 200);
}

// A game finished by the program, followed by a game the computer opens: the
// new game's move list begins as any game the computer opens does.
TEST_F(GameTest, FinishGameLeavesTheNextGamesMoveListWhole)
{
    StartWithRolls("21 43 55 61 32", "AutoFinish=0\nFirstMoveBy=1");
    auto linesBefore = [this](const std::string& diceLine) {
        const std::vector<std::string>& lines = platform.list.lines;
        return std::vector<std::string>(lines.begin(), std::find(lines.begin(), lines.end(), diceLine));
    };
    const std::vector<std::string> opened = linesBefore("Dice: 2+1");
    ASSERT_LT(opened.size(), platform.list.lines.size());

    Load(MakePosition({{24, HUMAN, 1}, {13, COMPUTER, 15}}));
    platform.OnStatDlg([](StatDlg& d) {
        d.rollChoice = 0;
        return static_cast<int>(IDOK);
    });
    Menu(ID_FINISH_GAME);
    platform.CheckAllScriptsUsed();
    ASSERT_EQ(Game().Starter, COMPUTER);
    EXPECT_EQ(linesBefore("Dice: 6+1"), opened);
    EXPECT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(LineFromEnd(1), "Dice: 3+2");
}

// Nothing of a game lives outside its window: two windows in one process,
// each in a folder of its own with its own settings, play side by side and
// finish their games into their own settings files.
TEST(TwoWindows, EachPlaysItsOwnGameWithItsOwnSettings)
{
    struct Side {
        explicit Side(const std::string& name, const std::string& options)
            : dir(std::filesystem::temp_directory_path() / (name + std::to_string(::getpid())))
        {
            std::filesystem::remove_all(dir);
            std::filesystem::create_directories(dir);
            std::ofstream(dir / "tablorw.ini") << "[Options]\nAutoFinish=0\n" << options << "\n";
            window = std::make_unique<BackgWnd>(platform, AppPaths(dir.string()), settings);
            platform.post = [this](const Message& m) { window->Post(m); };
            Pump();
        }
        ~Side()
        {
            window.reset();
            std::filesystem::remove_all(dir);
        }
        void Pump()
        {
            for (int guard = 0; guard < 1000 && window->HasMessages(); ++guard) window->PumpMessages();
        }
        std::filesystem::path dir;
        TestPlatform platform;
        Settings settings;
        std::unique_ptr<BackgWnd> window;
    };
    Side human("tablor-two-human-", "FirstMoveBy=2\nClockWise=1\nLevelOfPlay=0");
    Side computer("tablor-two-computer-", "FirstMoveBy=1");

    // Each window read its own file: the human starts one game, the computer
    // the other, and each board lies the way its own settings say.
    EXPECT_EQ(human.settings.LevelOfPlay, 0);
    EXPECT_EQ(computer.settings.LevelOfPlay, 2);
    EXPECT_EQ(human.window->Game().Starter, HUMAN);
    EXPECT_EQ(computer.window->Game().Starter, COMPUTER);
    EXPECT_EQ(human.window->Game().board[1].x, 0);
    EXPECT_EQ(computer.window->Game().board[12].x, 0);
    EXPECT_EQ(computer.window->Game().CurrentPlayer(), HUMAN) << "the computer's opening turn is played";
    EXPECT_NE(computer.window->Game().board.Data(), WithFixedOwners(StandardSetup()));
    EXPECT_EQ(human.window->Game().board.Data(), WithFixedOwners(StandardSetup()));

    // Both finish their games quick, one after the other, and quit.
    for (Side* side : {&human, &computer}) {
        side->platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
        side->platform.Input().Menu(ID_FINISH_GAME);
        side->Pump();
        EXPECT_TRUE(side->platform.quit);
    }
    for (const Side* side : {&human, &computer}) {
        const GameState& game = side->window->Game();
        const Profile profile((side->dir / "tablorw.ini").string());
        EXPECT_EQ(game.ScoreSinceStart[HUMAN] + game.ScoreSinceStart[COMPUTER], game.CubeValue);
        EXPECT_EQ(profile.GetInt("Game", "Human", -1), game.ScoreSinceStart[HUMAN]);
        EXPECT_EQ(profile.GetInt("Game", "Computer", -1), game.ScoreSinceStart[COMPUTER]);
        EXPECT_EQ(side->settings.Score, game.ScoreSinceStart);
    }
}
