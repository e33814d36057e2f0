// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sheet over a running game, and the sound events it controls.
#include "GameFixture.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <ostream>
#include <sstream>
#include <vector>

#include "program/app/StringTable.h"
#include "program/dialogs/GvUpDlg.h"
#include "program/dialogs/SettingSheet.h"

namespace {

using Lines = std::vector<std::string>;

FileDialogOptions BrowseOptions(const char* filter, const char* initialName)
{
    FileDialogOptions options;
    options.filter = filter;
    options.initialName = initialName;
    return options;
}

} // namespace

class SettingsSheetTest : public GameTest {
protected:
    std::string IniText() const
    {
        std::ifstream in(PathOf("tablorw.ini"), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The "key=value" lines of a section of the settings file, in file order.
    Lines Section(const std::string& name) const
    {
        std::istringstream in(IniText());
        Lines lines;
        std::string line;
        bool inside = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty() && line.front() == '[')
                inside = line == "[" + name + "]";
            else if (inside && line.find('=') != std::string::npos)
                lines.push_back(line);
        }
        return lines;
    }

    // Runs the sheet with `script`, which closes it as the view does.
    void RunSheet(std::function<int(SettingSheet&)> script)
    {
        platform.OnSettingSheet(std::move(script));
        Menu(ID_SETTINGS);
    }

    static int Ok(SettingSheet& sheet)
    {
        const PageCheck check = sheet.OnOk();
        EXPECT_TRUE(check.ok) << check.prompt;
        return check.ok ? IDOK : IDCANCEL;
    }

    int Count(const std::vector<int>& values, int value) const
    {
        return static_cast<int>(std::count(values.begin(), values.end(), value));
    }
    int SoundsNamed(const std::string& path) const
    {
        return static_cast<int>(std::count_if(platform.sounds.begin(), platform.sounds.end(),
                                              [&](const TestPlatform::SoundCall& s) { return s.path == path; }));
    }

    std::string rollsOptions(const std::string& file) const
    {
        return "DiceMode=2\nRollsList=" + PathOf(file) + "\nAutoChangeTurn=1";
    }
};

TEST_F(SettingsSheetTest, OkAppliesAndWritesOnlyThePagesShown)
{
    Start("", "[Game]\nHuman=7\nComputer=3\n");
    EXPECT_FALSE(platform.cube.enabled);
    EXPECT_TRUE(platform.dice[5].visible);
    RunSheet([&](SettingSheet& sheet) {
        EXPECT_EQ(SettingSheet::Caption(), "Settings");
        EXPECT_STREQ(SettingSheet::PageTitle(SettingSheet::PAGE_SOUNDS), "Sounds");
        EXPECT_EQ(sheet.ActivePage(), SettingSheet::PAGE_VISUAL);
        EXPECT_EQ(sheet.visual.speedText, "38");
        EXPECT_EQ(sheet.visual.highLight, 2);
        EXPECT_EQ(sheet.visual.autoFinish, 2);
        sheet.visual.showProgress = 0;
        sheet.visual.diceAsIcons = 0;
        sheet.visual.speedText = "20";
        EXPECT_TRUE(sheet.SetActivePage(SettingSheet::PAGE_GAME).ok);
        EXPECT_EQ(sheet.game.skillList, (Lines{"Poor", "Average", "Good", "Expert"}));
        EXPECT_EQ(sheet.game.levelOfPlay, 2);
        EXPECT_EQ(sheet.game.firstMoveBy, 2);
        EXPECT_EQ(sheet.game.humanScore, "7");
        EXPECT_EQ(sheet.game.computerScore, "3");
        sheet.game.useCube = 1;
        sheet.game.levelOfPlay = 0;
        sheet.game.humanScore = "99";
        // Nothing reaches the live settings before OK.
        EXPECT_EQ(settings.ShowProgress, 1);
        EXPECT_EQ(settings.UseCube, 0);
        return Ok(sheet);
    });
    EXPECT_EQ(Section("Options"), (Lines{"ShowProgress=0", "HitShake=1", "DiceAsIcons=0", "HighLight=2", "AutoFinish=2",
                                         "Speed=20", "FirstMoveBy=2", "UseCube=1", "AutoChangeTurn=0",
                                         "AutoForcedMoves=0", "IntelMoves=0", "LevelOfPlay=0"}));
    EXPECT_EQ(Section("Game"), (Lines{"Human=7", "Computer=3"}));
    EXPECT_TRUE(Section("Sounds").empty());
    EXPECT_EQ(settings.Speed, 30);
    EXPECT_EQ(settings.ShowProgress, 0);
    EXPECT_EQ(settings.LevelOfPlay, 0);
    EXPECT_EQ(settings.Score[HUMAN], 7);
    EXPECT_EQ(window->Commands().LastSettingsPage(), SettingSheet::PAGE_GAME);
    // The cube may be offered now, and the dice are no pictures any more.
    EXPECT_TRUE(platform.cube.enabled);
    EXPECT_FALSE(platform.dice[5].visible);

    // The next opening starts on "Game"; the dice source is the Dice page's.
    RunSheet([&](SettingSheet& sheet) {
        EXPECT_EQ(sheet.ActivePage(), SettingSheet::PAGE_GAME);
        EXPECT_FALSE(sheet.WasShown(SettingSheet::PAGE_VISUAL));
        sheet.SetActivePage(SettingSheet::PAGE_DICE);
        EXPECT_EQ(sheet.dice.mode, DICE_GENERATED);
        EXPECT_EQ(sheet.dice.path, ".\\rolls.txt");
        EXPECT_FALSE(sheet.dice.PathEnabled());
        sheet.dice.mode = DICE_MANUAL;
        EXPECT_FALSE(sheet.dice.PathEnabled());
        sheet.dice.mode = DICE_FROM_FILE;
        EXPECT_TRUE(sheet.dice.PathEnabled());
        sheet.dice.path = PathOf("rolls.txt");
        return Ok(sheet);
    });
    const Lines options = Section("Options");
    ASSERT_EQ(options.size(), 14u);
    EXPECT_EQ(options[12], "RollsList=" + PathOf("rolls.txt"));
    EXPECT_EQ(options[13], "DiceMode=2");
    EXPECT_EQ(settings.DiceMode, DICE_FROM_FILE);
    EXPECT_EQ(Dice().mode, DICE_FROM_FILE);
}

TEST_F(SettingsSheetTest, SpeedMustBeAnIntegerFrom1To50)
{
    Start();
    const std::string before = IniText();
    RunSheet([&](SettingSheet& sheet) {
        for (const char* bad : {"abc", "12x", ""}) {
            sheet.visual.speedText = bad;
            const PageCheck check = sheet.SetActivePage(SettingSheet::PAGE_SOUNDS);
            EXPECT_FALSE(check.ok) << bad;
            EXPECT_EQ(check.prompt, VisOpts::INTEGER_PROMPT);
            EXPECT_EQ(check.focusId, VisOpts::ID_SPEED);
        }
        for (const char* outside : {"0", "51", "-3"}) {
            sheet.visual.speedText = outside;
            const PageCheck check = sheet.SetActivePage(SettingSheet::PAGE_SOUNDS);
            EXPECT_FALSE(check.ok) << outside;
            EXPECT_EQ(check.prompt, VisOpts::RANGE_PROMPT);
        }
        // The sheet stayed on the page; OK is refused as well and applies nothing.
        EXPECT_EQ(sheet.ActivePage(), SettingSheet::PAGE_VISUAL);
        EXPECT_FALSE(sheet.WasShown(SettingSheet::PAGE_SOUNDS));
        sheet.visual.hitShake = 0;
        EXPECT_FALSE(sheet.OnOk().ok);
        EXPECT_EQ(IniText(), before);
        EXPECT_EQ(settings.HitShake, 1);

        sheet.visual.speedText = "50";
        EXPECT_TRUE(sheet.SetActivePage(SettingSheet::PAGE_SOUNDS).ok);
        EXPECT_TRUE(sheet.SetActivePage(SettingSheet::PAGE_VISUAL).ok);
        sheet.visual.speedText = "1";
        return Ok(sheet);
    });
    EXPECT_EQ(settings.Speed, 49);
    EXPECT_EQ(settings.HitShake, 0);
    const Lines options = Section("Options");
    EXPECT_NE(std::find(options.begin(), options.end(), "Speed=1"), options.end());
    EXPECT_EQ(window->Commands().LastSettingsPage(), SettingSheet::PAGE_VISUAL);
}

// The settings file may hold a speed of 0, which the field does not take:
// the page shows the nearest speed it takes, so that it can be left, and an
// untouched field keeps the 0; a speed typed in replaces it.
TEST_F(SettingsSheetTest, AStoredSpeedTheFieldRefusesIsShownAsOneItTakes)
{
    Start("Speed=0");
    ASSERT_EQ(settings.Speed, 50);
    RunSheet([&](SettingSheet& sheet) {
        EXPECT_EQ(sheet.visual.speedText, "1");
        EXPECT_TRUE(sheet.SetActivePage(SettingSheet::PAGE_GAME).ok);
        EXPECT_TRUE(sheet.SetActivePage(SettingSheet::PAGE_VISUAL).ok);
        sheet.visual.hitShake = 0;
        return Ok(sheet);
    });
    EXPECT_EQ(settings.Speed, 50);
    EXPECT_EQ(settings.HitShake, 0);
    Lines options = Section("Options");
    EXPECT_NE(std::find(options.begin(), options.end(), "Speed=0"), options.end());

    RunSheet([&](SettingSheet& sheet) {
        EXPECT_EQ(sheet.visual.speedText, "1");
        sheet.visual.speedText = "2";
        return Ok(sheet);
    });
    EXPECT_EQ(settings.Speed, 48);
    options = Section("Options");
    EXPECT_NE(std::find(options.begin(), options.end(), "Speed=2"), options.end());
}

TEST_F(SettingsSheetTest, ClockwiseChangedMidTurnKeepsThePositionAndTheRoll)
{
    StartWithRolls("31 62 55");
    Type("A");
    Type("D");
    ASSERT_EQ(window->Game().MovesMade, 1);
    const BoardData position = Data();
    const BoardData turnStart = BoardTable();
    const int movesLeft = Dice().moves;
    const auto dieLeft = Dice().die;
    const int pointOneX = window->Game().board[1].x;
    platform.ticks += 5;

    RunSheet([&](SettingSheet& sheet) {
        EXPECT_EQ(sheet.visual.clockWise, 0);
        sheet.visual.clockWise = 1;
        return Ok(sheet);
    });
    EXPECT_EQ(settings.ClockWise, 1);
    EXPECT_EQ(Data(), position);
    EXPECT_EQ(BoardTable(), turnStart);
    EXPECT_EQ(Dice().moves, movesLeft);
    EXPECT_EQ(Dice().die, dieLeft);
    EXPECT_EQ(window->Game().MovesMade, 1);
    EXPECT_NE(window->Game().board[1].x, pointOneX);
    // New rules over the same board and dice, timed by the platform's clock.
    EXPECT_EQ(Rules().board, &window->Game().board);
    EXPECT_EQ(Rules().dice, window->Game().dice.get());
    EXPECT_EQ(Rules().tickCount(), platform.ticks);
    EXPECT_EQ(Section("Options").back(), "ClockWise=1");

    // Play goes on in the new direction: a click plays the last die.
    ClickOn(19);
    EXPECT_EQ(window->Game().MovesMade, 2);
    EXPECT_TRUE(window->Game().WaitingConfirm);
    Confirm();
    ASSERT_TRUE(HumanToMove());
    EXPECT_EQ(Data()[20].count, 1);
    EXPECT_EQ(Data()[20].owner, HUMAN);

    // Back again: the points return to their places; unchanged, it is not rewritten.
    RunSheet([&](SettingSheet& sheet) {
        sheet.visual.clockWise = 0;
        return Ok(sheet);
    });
    EXPECT_EQ(window->Game().board[1].x, pointOneX);
    EXPECT_EQ(Section("Options").back(), "ClockWise=0");
    const std::string before = IniText();
    RunSheet([&](SettingSheet& sheet) { return Ok(sheet); });
    EXPECT_EQ(Section("Options").back(), "ClockWise=0");
    EXPECT_EQ(IniText(), before);
}

TEST_F(SettingsSheetTest, SameRollsFileAndSourceKeepTheFileOpen)
{
    WriteFile("rolls.txt", "31 62 55 44");
    Start(rollsOptions("rolls.txt"));
    ASSERT_TRUE(Dice().RollsFileOpen());
    // Closed on "Dice", the sheet opens there next time and shows no other page.
    RunSheet([&](SettingSheet& sheet) {
        sheet.SetActivePage(SettingSheet::PAGE_DICE);
        return static_cast<int>(IDCANCEL);
    });
    const std::string before = IniText();
    RunSheet([&](SettingSheet& sheet) {
        EXPECT_EQ(sheet.ActivePage(), SettingSheet::PAGE_DICE);
        EXPECT_EQ(sheet.dice.mode, DICE_FROM_FILE);
        EXPECT_EQ(sheet.dice.path, PathOf("rolls.txt"));
        // Away and back within one opening: compared only at OK.
        sheet.dice.mode = DICE_MANUAL;
        sheet.dice.path += "x";
        sheet.dice.mode = DICE_FROM_FILE;
        sheet.dice.path.pop_back();
        return Ok(sheet);
    });
    EXPECT_EQ(IniText(), before);
    EXPECT_TRUE(Dice().RollsFileOpen());
    // The next rolls continue in the file: the computer's 6-2, then the human's 5-5.
    PlayHumanTurn();
    Pump();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_EQ(Dice().die[0], 5);
    EXPECT_EQ(Dice().moves, 4);
}

TEST_F(SettingsSheetTest, ANewRollsFileIsReadFromItsBeginning)
{
    WriteFile("rolls.txt", "31 62 55");
    WriteFile("other.txt", "44 11 22");
    Start(rollsOptions("rolls.txt"));
    RunSheet([&](SettingSheet& sheet) {
        sheet.SetActivePage(SettingSheet::PAGE_DICE);
        platform.ExpectOpenFile(BrowseOptions(LoadString(IDS_TEXT_FILTER), "*.txt"), std::nullopt);
        EXPECT_FALSE(sheet.dice.Browse());
        EXPECT_EQ(sheet.dice.path, PathOf("rolls.txt"));
        platform.ExpectOpenFile(BrowseOptions(LoadString(IDS_TEXT_FILTER), "*.txt"), PathOf("other.txt"));
        EXPECT_TRUE(sheet.dice.Browse());
        EXPECT_EQ(sheet.dice.path, PathOf("other.txt"));
        return Ok(sheet);
    });
    EXPECT_EQ(settings.RollsList, PathOf("other.txt"));
    EXPECT_FALSE(Dice().RollsFileOpen());
    EXPECT_EQ(Profile(PathOf("tablorw.ini")).GetString("Options", "RollsList", ""), PathOf("other.txt"));
    // The computer rolls 4-4 from the new file's start, the human then 1-1.
    PlayHumanTurn();
    Pump();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    EXPECT_NE(std::find(platform.list.addedLog.begin(), platform.list.addedLog.end(), "Dice: 4+4+4+4"),
              platform.list.addedLog.end());
    EXPECT_EQ(Dice().die[0], 1);
    EXPECT_EQ(Dice().moves, 4);
}

TEST_F(SettingsSheetTest, TheSheetReopensOnThePageItWasClosedOn)
{
    Start();
    const std::string before = IniText();
    RunSheet([&](SettingSheet& sheet) {
        EXPECT_EQ(sheet.ActivePage(), SettingSheet::PAGE_VISUAL);
        sheet.SetActivePage(SettingSheet::PAGE_DICE);
        sheet.dice.mode = DICE_MANUAL;
        return static_cast<int>(IDCANCEL);
    });
    EXPECT_EQ(IniText(), before);
    EXPECT_EQ(settings.DiceMode, DICE_GENERATED);
    RunSheet([&](SettingSheet& sheet) {
        EXPECT_EQ(sheet.ActivePage(), SettingSheet::PAGE_DICE);
        EXPECT_TRUE(sheet.WasShown(SettingSheet::PAGE_DICE));
        EXPECT_FALSE(sheet.WasShown(SettingSheet::PAGE_VISUAL));
        // Loaded afresh: the cancelled choice is gone.
        EXPECT_EQ(sheet.dice.mode, DICE_GENERATED);
        sheet.SetActivePage(SettingSheet::PAGE_SOUNDS);
        return static_cast<int>(IDCANCEL);
    });
    EXPECT_EQ(window->Commands().LastSettingsPage(), SettingSheet::PAGE_SOUNDS);
    EXPECT_EQ(IniText(), before);
}

TEST_F(SettingsSheetTest, SoundsPageKeepsEachEventsEditsAndWritesAllTenKeys)
{
    Start();
    RunSheet([&](SettingSheet& sheet) {
        sheet.SetActivePage(SettingSheet::PAGE_SOUNDS);
        SndOpts& page = sheet.sounds;
        EXPECT_EQ(page.eventList,
                  (Lines{"Dice roll", "Piece moves", "Piece is hit", "User wins a game", "User loses a game"}));
        EXPECT_EQ(page.selected, SOUND_DICE);
        EXPECT_EQ(page.Path(), "dice.wav");
        EXPECT_FALSE(page.Active());
        page.SelectEvent(SOUND_MOVE);
        page.SetPath("moved.wav");
        page.SelectEvent(SOUND_DICE);
        EXPECT_EQ(page.Path(), "dice.wav");
        page.SelectEvent(SOUND_MOVE);
        EXPECT_EQ(page.Path(), "moved.wav");
        return static_cast<int>(IDCANCEL);
    });
    EXPECT_EQ(settings.SoundFile[SOUND_MOVE], "piece.wav");
    EXPECT_TRUE(Section("Sounds").empty());

    RunSheet([&](SettingSheet& sheet) {
        SndOpts& page = sheet.sounds;
        EXPECT_EQ(page.Path(), "dice.wav");
        page.SelectEvent(SOUND_HIT);
        page.SetActive(true);
        platform.ExpectOpenFile(BrowseOptions(LoadString(IDS_WAVE_FILTER), "*.wav"), "/sounds/boom.wav");
        EXPECT_TRUE(page.Browse());
        EXPECT_EQ(page.Path(), "/sounds/boom.wav");
        // The play button plays the page's path, whether the event is on or not.
        page.Play();
        page.SelectEvent(SOUND_LOSE);
        page.Play();
        EXPECT_EQ(platform.sounds.size(), 2u);
        EXPECT_EQ(platform.sounds[0].path, "/sounds/boom.wav");
        EXPECT_EQ(platform.sounds[1].path, "youlose.wav");
        EXPECT_TRUE(platform.sounds[0].async && platform.sounds[1].async);
        return Ok(sheet);
    });
    EXPECT_EQ(settings.SoundActive[SOUND_HIT], 1);
    EXPECT_EQ(settings.SoundFile[SOUND_HIT], "/sounds/boom.wav");
    EXPECT_EQ(Section("Sounds"),
              (Lines{"DiceSoundActive=0", "DiceSound=dice.wav", "MoveSoundActive=0", "MoveSound=piece.wav",
                     "HitSoundActive=1", "HitSound=/sounds/boom.wav", "WinSoundActive=0", "WinSound=youwin.wav",
                     "LoseSoundActive=0", "LoseSound=youlose.wav"}));
}

TEST_F(SettingsSheetTest, DiceSoundPlaysToItsEndAfterAPauseWithTheWaitCursor)
{
    WriteFile("rolls.txt", "31 62 55");
    Start(rollsOptions("rolls.txt"), "[Sounds]\nDiceSoundActive=1\nDiceSound=roll.wav\n");
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].path, "roll.wav");
    EXPECT_FALSE(platform.sounds[0].async);
    EXPECT_EQ(Count(platform.sleeps, 250), 1);
    ASSERT_GE(platform.cursorLog.size(), 2u);
    EXPECT_EQ(platform.cursorLog[platform.cursorLog.size() - 2], CursorKind::Wait);
    EXPECT_EQ(platform.cursorLog.back(), CursorKind::Arrow);

    // The computer's roll and the human's next one sound as well.
    PlayHumanTurn();
    Pump();
    EXPECT_EQ(SoundsNamed("roll.wav"), 3);
    EXPECT_EQ(Count(platform.sleeps, 250), 3);
}

TEST_F(SettingsSheetTest, WithEveryEventOffNothingSoundsAndRollsDoNotPause)
{
    WriteFile("rolls.txt", "31 62 55");
    Start(rollsOptions("rolls.txt"));
    PlayHumanTurn();
    Pump();
    ASSERT_EQ(CurrentPlayer(), HUMAN);
    ASSERT_EQ(Dice().die[0], 5);
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(Count(platform.sleeps, 250), 0);
}

TEST_F(SettingsSheetTest, MoveAndHitSoundsPlayAsynchronously)
{
    WriteFile("rolls.txt", "31 31");
    Start(rollsOptions("rolls.txt"), "[Sounds]\nMoveSoundActive=1\nHitSoundActive=1\n");
    Load(MakePosition({{1, HUMAN, 2}, {4, COMPUTER, 1}, {13, COMPUTER, 14}}));
    ASSERT_TRUE(platform.sounds.empty());
    Type("A");
    Type("D");
    ASSERT_EQ(Data()[COMPUTER_BAR].count, 1);
    // The hit piece sets off for the bar, arrives, then the hitting piece arrives.
    ASSERT_EQ(platform.sounds.size(), 3u);
    EXPECT_EQ(platform.sounds[0].path, "hit.wav");
    EXPECT_EQ(platform.sounds[1].path, "piece.wav");
    EXPECT_EQ(platform.sounds[2].path, "piece.wav");
    for (const auto& s : platform.sounds) EXPECT_TRUE(s.async);

    // Taking the move back brings the hit piece home without the hit sound.
    platform.sounds.clear();
    RightClickAt(1, 1);
    EXPECT_EQ(Data()[4].owner, COMPUTER);
    EXPECT_EQ(SoundsNamed("hit.wav"), 0);
}

TEST_F(SettingsSheetTest, FinishingQuickIsSilentUntilTheStatistics)
{
    Start("AutoFinish=0", "[Sounds]\nDiceSoundActive=1\nMoveSoundActive=1\nHitSoundActive=1\n"
                          "WinSoundActive=1\nLoseSoundActive=1\n");
    platform.sounds.clear();
    std::string expected;
    platform.OnStatDlg([&](StatDlg&) {
        expected = window->Game().Winner == HUMAN ? "youwin.wav" : "youlose.wav";
        // Played as the dialog opens.
        EXPECT_EQ(platform.sounds.size(), 1u);
        return static_cast<int>(IDCANCEL);
    });
    Menu(ID_FINISH_GAME);
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].path, expected);
    EXPECT_TRUE(platform.sounds[0].async);
}

TEST_F(SettingsSheetTest, FinishingSlowPlaysMovesButNoRolls)
{
    Start("AutoFinish=1", "[Sounds]\nDiceSoundActive=1\nMoveSoundActive=1\n");
    platform.sounds.clear();
    platform.OnStatDlg([](StatDlg&) { return static_cast<int>(IDCANCEL); });
    Menu(ID_FINISH_GAME);
    EXPECT_GE(SoundsNamed("piece.wav"), 15);
    EXPECT_EQ(SoundsNamed("dice.wav"), 0);
    EXPECT_EQ(SoundsNamed("piece.wav"), static_cast<int>(platform.sounds.size()));
}

TEST_F(SettingsSheetTest, TheWinnersEventAloneDecidesTheEndOfGameSound)
{
    Start("", "[Sounds]\nWinSoundActive=1\n");
    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg([&](StatDlg&) {
        EXPECT_TRUE(platform.sounds.empty());
        return static_cast<int>(IDOK);
    });
    Menu(ID_RESIGN);
    EXPECT_EQ(window->Game().Winner, NOBODY);
    EXPECT_TRUE(platform.sounds.empty());

    // "User loses a game" switched on in the sheet sounds at the next loss.
    RunSheet([&](SettingSheet& sheet) {
        sheet.SetActivePage(SettingSheet::PAGE_SOUNDS);
        sheet.sounds.SelectEvent(SOUND_LOSE);
        sheet.sounds.SetActive(true);
        return Ok(sheet);
    });
    platform.OnResignDlg([](GvUpDlg& d) { return d.OnOk(); });
    platform.OnStatDlg([&](StatDlg&) {
        EXPECT_EQ(platform.sounds.size(), 1u);
        return static_cast<int>(IDCANCEL);
    });
    Menu(ID_RESIGN);
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0].path, "youlose.wav");
    EXPECT_TRUE(platform.sounds[0].async);
}

// Where the side panel and the trays stand: the status panes, the eight dice
// pictures, the move list, the cube and the two tray labels.
struct PanelLayout {
    std::array<int, 2> paneWidths{};
    std::array<Rect, 8> dice{};
    Rect list{}, cube{};
    std::array<Rect, 2> trays{};
    bool operator==(const PanelLayout&) const = default;
};

void PrintTo(const PanelLayout& p, std::ostream* out)
{
    auto rect = [out](const Rect& r) {
        *out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
    };
    *out << "panes " << p.paneWidths[0] << "," << p.paneWidths[1] << " dice ";
    for (const Rect& r : p.dice) rect(r);
    *out << " list ";
    rect(p.list);
    *out << " cube ";
    rect(p.cube);
    *out << " trays ";
    rect(p.trays[0]);
    rect(p.trays[1]);
}

// A frame that arrives after the board was laid out (the window manager's),
// New game and changes of the playing direction in any order leave the panel
// exactly where a fresh start with that frame puts it: the dice row level with
// the human's tray and the cube's middle place.
TEST_F(SettingsSheetTest, PanelStaysWhereAFreshStartPutsIt)
{
    auto layout = [this] {
        PanelLayout p;
        p.paneWidths = {platform.status.widths[0], platform.status.widths[1]};
        for (int i = 0; i < 8; ++i) p.dice[i] = platform.dice[i].geometry;
        p.list = platform.list.geometry;
        p.cube = platform.cube.geometry;
        p.trays = {platform.trays[0].geometry, platform.trays[1].geometry};
        return p;
    };
    auto direction = [this](int clockWise) {
        RunSheet([clockWise](SettingSheet& sheet) {
            sheet.visual.clockWise = clockWise;
            return Ok(sheet);
        });
    };
    auto newGame = [this] {
        platform.ExpectMessageBox("Start new game ?", Buttons::YesNo, Icon::Question, IDYES);
        Menu(ID_FILE_NEW);
    };
    // Fresh starts with the frame the window manager gives, in both directions.
    constexpr int FRAMED = TestPlatform::FRAME_HEIGHT + 10;
    platform.frameHeight = FRAMED;
    StartWithRolls("31", "FirstMoveBy=2\nUseCube=1");
    const PanelLayout framed = layout();
    EXPECT_EQ(framed.dice[4].top, framed.trays[1].top);
    EXPECT_EQ(framed.cube.top, framed.trays[1].top);
    direction(1);
    const PanelLayout framedClockWise = layout();
    window.reset();
    platform.onPaint = nullptr;
    platform.post = nullptr;
    platform.frameHeight = TestPlatform::FRAME_HEIGHT;
    platform.ClearLogs();

    // The window laid out before its frame is known; the frame then arrives.
    StartWithRolls("31", "FirstMoveBy=2\nUseCube=1\nClockWise=0");
    const PanelLayout unframed = layout();
    ASSERT_NE(unframed, framed);
    platform.frameHeight = FRAMED;
    window->OnSize();
    EXPECT_EQ(layout(), framed);
    newGame();
    EXPECT_EQ(layout(), framed);
    direction(1);
    EXPECT_EQ(layout(), framedClockWise);
    newGame();
    EXPECT_EQ(layout(), framedClockWise);
    // The frame changes again (a new theme) and back, then the direction.
    platform.frameHeight = TestPlatform::FRAME_HEIGHT;
    window->OnSize();
    platform.frameHeight = FRAMED;
    window->OnSize();
    EXPECT_EQ(layout(), framedClockWise);
    direction(0);
    EXPECT_EQ(layout(), framed);
}
