// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "HostileFiles.h"
#include "core/board/BoardData.h"
#include "core/settings/Paths.h"
#include "core/settings/Profile.h"
#include "core/settings/Saturating.h"
#include "core/settings/Settings.h"

namespace fs = std::filesystem;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("tablor-settings-" + std::string(info->name()) + "-" + std::to_string(std::random_device()()));
        ASSERT_TRUE(fs::create_directories(folder));
        path = (folder / PROFILE_FILE_NAME).string();
    }
    void TearDown() override { fs::remove_all(folder); }

    void Store(const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }
    std::string Load() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Loads the settings from a file holding `options` in section "Options".
    void LoadOptions(const std::string& options)
    {
        Store("[Options]\n" + options);
        LoadSettings(Profile(path), settings);
    }

    fs::path folder;
    std::string path;
    Settings settings;
};

TEST_F(SettingsTest, FreshStartWithoutAFileGivesTheDefaults)
{
    LoadSettings(Profile(path), settings);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(settings.UseCube, 0);
    EXPECT_EQ(settings.LevelOfPlay, 2); // "Good"
    EXPECT_EQ(settings.FirstMoveBy, 2); // the human starts
    EXPECT_EQ(settings.SpeedSetting(), 38);
    EXPECT_EQ(settings.Speed, 12);
    EXPECT_EQ(settings.DiceAsIcons, 1);
    EXPECT_EQ(settings.ShowProgress, 1);
    EXPECT_EQ(settings.HitShake, 1);
    EXPECT_EQ(settings.HighLight, 2);  // possible moves
    EXPECT_EQ(settings.AutoFinish, 2); // ask
    EXPECT_EQ(settings.DiceMode, 0);   // computer generated
    EXPECT_EQ(settings.AutoChangeTurn, 0);
    EXPECT_EQ(settings.AutoForcedMoves, 0);
    EXPECT_EQ(settings.IntelMoves, 0);
    EXPECT_EQ(settings.ClockWise, 0);
    EXPECT_EQ(settings.RollsList, ".\\rolls.txt");
    EXPECT_EQ(settings.CurScheme, 0);
    const char* files[] = {"dice.wav", "piece.wav", "hit.wav", "youwin.wav", "youlose.wav"};
    for (int event = 0; event < SOUND_EVENTS; ++event) {
        EXPECT_EQ(settings.SoundFile[event], files[event]);
        EXPECT_EQ(settings.SoundActive[event], 0);
    }
    EXPECT_EQ(settings.Score[HUMAN], 0);
    EXPECT_EQ(settings.Score[COMPUTER], 0);
}

TEST_F(SettingsTest, ReadsEveryKeyWhateverItsCase)
{
    Store("[OPTIONS]\n"
          "usecube=1\nautofinish=0\ndiceasicons=0\nspeed=10\nautochangeturn=1\nlevelofplay=0\n"
          "firstmoveby=1\nshowprogress=0\nautoforcedmoves=1\nhitshake=0\nhighlight=1\nintelmoves=1\n"
          "dicemode=2\nclockwise=1\nrollslist=  /home/me/my rolls.txt \ncurscheme=3\n"
          "[sounds]\n"
          "dicesound=a.wav\ndicesoundactive=1\nmovesound=b.wav\nmovesoundactive=0\nhitsound=c.wav\n"
          "hitsoundactive=1\nwinsound=d.wav\nwinsoundactive=1\nlosesound=e.wav\nlosesoundactive=1\n"
          "[GAME]\nhuman=17\ncomputer=-3\n");
    LoadSettings(Profile(path), settings);
    EXPECT_EQ(settings.UseCube, 1);
    EXPECT_EQ(settings.AutoFinish, 0);
    EXPECT_EQ(settings.DiceAsIcons, 0);
    EXPECT_EQ(settings.SpeedSetting(), 10);
    EXPECT_EQ(settings.Speed, 40);
    EXPECT_EQ(settings.AutoChangeTurn, 1);
    EXPECT_EQ(settings.LevelOfPlay, 0);
    EXPECT_EQ(settings.FirstMoveBy, 1);
    EXPECT_EQ(settings.ShowProgress, 0);
    EXPECT_EQ(settings.AutoForcedMoves, 1);
    EXPECT_EQ(settings.HitShake, 0);
    EXPECT_EQ(settings.HighLight, 1);
    EXPECT_EQ(settings.IntelMoves, 1);
    EXPECT_EQ(settings.DiceMode, 2);
    EXPECT_EQ(settings.ClockWise, 1);
    EXPECT_EQ(settings.RollsList, "/home/me/my rolls.txt");
    EXPECT_EQ(settings.CurScheme, 3);
    EXPECT_EQ(settings.SoundFile, (std::array<std::string, SOUND_EVENTS>{"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"}));
    EXPECT_EQ(settings.SoundActive, (std::array<int, SOUND_EVENTS>{1, 0, 1, 1, 1}));
    EXPECT_EQ(settings.Score[HUMAN], 17);
    EXPECT_EQ(settings.Score[COMPUTER], -3);
}

TEST_F(SettingsTest, SpeedAcceptsZeroToFifty)
{
    LoadOptions("Speed=0\n");
    EXPECT_EQ(settings.Speed, 50); // the slowest animation
    LoadOptions("Speed=50\n");
    EXPECT_EQ(settings.Speed, 0);
    LoadOptions("Speed=51\n");
    EXPECT_EQ(settings.Speed, 12);
    LoadOptions("Speed=-1\n");
    EXPECT_EQ(settings.Speed, 12);
    // Junk keeps the live speed, as a missing key does.
    settings.Speed = 45;
    LoadOptions("Speed=fast\n");
    EXPECT_EQ(settings.Speed, 45);
}

TEST_F(SettingsTest, MissingOrJunkKeysKeepTheLiveValues)
{
    settings.LevelOfPlay = 1;
    settings.UseCube = 1;
    settings.RollsList = "mine.txt";
    settings.SoundFile[SOUND_WIN] = "cheer.wav";
    settings.Score[COMPUTER] = 4;
    LoadOptions("LevelOfPlay=good\nUseCube=\n");
    EXPECT_EQ(settings.LevelOfPlay, 1);
    EXPECT_EQ(settings.UseCube, 1);
    EXPECT_EQ(settings.RollsList, "mine.txt");
    EXPECT_EQ(settings.SoundFile[SOUND_WIN], "cheer.wav");
    EXPECT_EQ(settings.Score[COMPUTER], 4);
}

TEST_F(SettingsTest, TheExpertLevelIsThreeAndOlderLevelsReadAsBefore)
{
    // Levels 0..2 of an older file read as they were; 3 is the Expert.
    for (int level : {0, 1, 2, 3}) {
        LoadOptions("LevelOfPlay=" + std::to_string(level) + "\n");
        EXPECT_EQ(settings.LevelOfPlay, level);
    }
    // The Expert written by the Game page reads back as the Expert.
    settings.LevelOfPlay = LEVEL_EXPERT;
    {
        Profile profile(path);
        WriteGamePage(profile, settings);
    }
    EXPECT_NE(Load().find("LevelOfPlay=3"), std::string::npos);
    settings.LevelOfPlay = 0;
    LoadSettings(Profile(path), settings);
    EXPECT_EQ(settings.LevelOfPlay, LEVEL_EXPERT);
    // Beyond the Expert: the default, "Good".
    settings.LevelOfPlay = 0;
    LoadOptions("LevelOfPlay=4\n");
    EXPECT_EQ(settings.LevelOfPlay, DEFAULT_LEVEL_OF_PLAY);
}

TEST_F(SettingsTest, OutOfRangeValuesTakeTheBuiltInDefaults)
{
    // Live values differ from the built-in ones, to show which is taken.
    settings.LevelOfPlay = 0;
    settings.HighLight = 0;
    settings.DiceMode = 1;
    settings.HitShake = 0;
    settings.AutoFinish = 1;
    settings.FirstMoveBy = 0;
    settings.UseCube = 1;
    settings.ClockWise = 1;
    settings.CurScheme = 2;
    Store("[Options]\nLevelOfPlay=7\nHighLight=-1\nDiceMode=5\nHitShake=3\nAutoFinish=3\nFirstMoveBy=-2\n"
          "UseCube=2\nClockWise=-1\nCurScheme=4\n"
          "[Sounds]\nDiceSoundActive=2\nLoseSoundActive=-1\n");
    LoadSettings(Profile(path), settings);
    EXPECT_EQ(settings.LevelOfPlay, 2);
    EXPECT_EQ(settings.HighLight, 2);
    EXPECT_EQ(settings.DiceMode, 0);
    EXPECT_EQ(settings.HitShake, 1);
    EXPECT_EQ(settings.AutoFinish, 2);
    EXPECT_EQ(settings.FirstMoveBy, 2);
    EXPECT_EQ(settings.UseCube, 0);
    EXPECT_EQ(settings.ClockWise, 0);
    EXPECT_EQ(settings.CurScheme, 0);
    EXPECT_EQ(settings.SoundActive[SOUND_DICE], 0);
    EXPECT_EQ(settings.SoundActive[SOUND_LOSE], 0);
    // The file keeps what it held.
    EXPECT_NE(Load().find("CurScheme=4\n"), std::string::npos);

    LoadOptions("CurScheme=-1\n");
    EXPECT_EQ(settings.CurScheme, 0);
    LoadOptions("CurScheme=3\n");
    EXPECT_EQ(settings.CurScheme, 3);
}

TEST_F(SettingsTest, WritersWriteTheirKeysInOrder)
{
    settings.FirstMoveBy = 0;
    settings.UseCube = 1;
    settings.AutoChangeTurn = 1;
    settings.AutoForcedMoves = 1;
    settings.IntelMoves = 1;
    settings.LevelOfPlay = 1;
    settings.ShowProgress = 0;
    settings.HitShake = 0;
    settings.DiceAsIcons = 0;
    settings.HighLight = 1;
    settings.AutoFinish = 0;
    settings.Speed = 50 - 20;
    settings.ClockWise = 1;
    settings.RollsList = "./r.txt";
    settings.DiceMode = 2;
    settings.SoundActive = {1, 0, 0, 0, 1};
    settings.SoundFile = {"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"};
    settings.Score[HUMAN] = 7;
    settings.Score[COMPUTER] = 5;
    settings.CurScheme = 2;

    Profile profile(path);
    WriteGamePage(profile, settings);
    EXPECT_EQ(Load(), "[Options]\nFirstMoveBy=0\nUseCube=1\nAutoChangeTurn=1\nAutoForcedMoves=1\nIntelMoves=1\n"
                      "LevelOfPlay=1\n");

    fs::remove(path);
    WriteVisualPage(profile, settings, false);
    EXPECT_EQ(Load(), "[Options]\nShowProgress=0\nHitShake=0\nDiceAsIcons=0\nHighLight=1\nAutoFinish=0\nSpeed=20\n");
    fs::remove(path);
    WriteVisualPage(profile, settings, true);
    EXPECT_EQ(Load(), "[Options]\nShowProgress=0\nHitShake=0\nDiceAsIcons=0\nHighLight=1\nAutoFinish=0\nSpeed=20\n"
                      "ClockWise=1\n");

    fs::remove(path);
    WriteDicePage(profile, settings);
    WriteCurScheme(profile, settings);
    EXPECT_EQ(Load(), "[Options]\nRollsList=./r.txt\nDiceMode=2\nCurScheme=2\n");

    fs::remove(path);
    WriteSoundsPage(profile, settings);
    WriteScores(profile, settings);
    EXPECT_EQ(Load(), "[Sounds]\nDiceSoundActive=1\nDiceSound=a.wav\nMoveSoundActive=0\nMoveSound=b.wav\n"
                      "HitSoundActive=0\nHitSound=c.wav\nWinSoundActive=0\nWinSound=d.wav\n"
                      "LoseSoundActive=1\nLoseSound=e.wav\n"
                      "[Game]\nHuman=7\nComputer=5\n");
}

TEST_F(SettingsTest, WrittenSettingsSurviveARestart)
{
    Store("; kept\n[Options]\nSpeed=38\n");
    settings.UseCube = 1;
    settings.LevelOfPlay = 0;
    settings.Speed = 50; // stored as 0
    settings.ClockWise = 1;
    settings.RollsList = "C:\\rolls\\my file.txt";
    settings.DiceMode = 1;
    settings.SoundActive[SOUND_MOVE] = 1;
    settings.SoundFile[SOUND_MOVE] = "click.wav";
    settings.Score = {0, 11, 13};
    settings.CurScheme = 1;
    Profile profile(path);
    WriteGamePage(profile, settings);
    WriteVisualPage(profile, settings, true);
    WriteDicePage(profile, settings);
    WriteSoundsPage(profile, settings);
    WriteScores(profile, settings);
    WriteCurScheme(profile, settings);

    settings = Settings{};
    LoadSettings(profile, settings);
    EXPECT_EQ(settings.UseCube, 1);
    EXPECT_EQ(settings.LevelOfPlay, 0);
    EXPECT_EQ(settings.Speed, 50);
    EXPECT_EQ(settings.ClockWise, 1);
    EXPECT_EQ(settings.RollsList, "C:\\rolls\\my file.txt");
    EXPECT_EQ(settings.DiceMode, 1);
    EXPECT_EQ(settings.SoundActive[SOUND_MOVE], 1);
    EXPECT_EQ(settings.SoundFile[SOUND_MOVE], "click.wav");
    EXPECT_EQ(settings.Score[COMPUTER], 11);
    EXPECT_EQ(settings.Score[HUMAN], 13);
    EXPECT_EQ(settings.CurScheme, 1);
    EXPECT_EQ(Load().rfind("; kept\n[Options]\nSpeed=0\n", 0), 0u); // the key rewritten where it stood
}

// Two copies of the game share the file: each adds what it won to what is
// stored now, under the lock, and a total stops at the int32 limit.
TEST_F(SettingsTest, ScoresAddToWhatIsStoredUnderTheLock)
{
    Store("[Game]\nHuman=2147483600\nComputer=5\n");
    Profile profile(path);
    int locks = 0;
    profile.SetLocker([&locks] {
        ++locks;
        return std::make_unique<FileLock>();
    });
    LoadSettings(profile, settings);
    // This copy wins 40; another copy adds 2 to the computer meanwhile.
    settings.Score[HUMAN] = SaturatingAdd(settings.Score[HUMAN], 40);
    Profile other(path);
    ASSERT_TRUE(other.WriteInt("Game", "Computer", 7));
    locks = 0;
    SaveScores(profile, settings);
    EXPECT_EQ(locks, 1) << "one lock over both reads and writes";
    EXPECT_EQ(settings.Score[HUMAN], 2147483640);
    EXPECT_EQ(settings.Score[COMPUTER], 7);
    EXPECT_EQ(Load(), "[Game]\nHuman=2147483640\nComputer=7\n");

    // Past the limit the score stays at it.
    settings.Score[HUMAN] = SaturatingAdd(settings.Score[HUMAN], 192);
    SaveScores(profile, settings);
    settings.Score[HUMAN] = SaturatingAdd(settings.Score[HUMAN], 1);
    SaveScores(profile, settings);
    EXPECT_EQ(profile.GetInt("Game", "Human", 0), 2147483647);

    // Points that cannot be written stay in memory and are added next time.
    settings.Score[COMPUTER] += 3;
    {
        const DiskFullAfter full(Load().size());
        SaveScores(profile, settings);
    }
    EXPECT_EQ(settings.Score[COMPUTER], 10);
    EXPECT_EQ(profile.GetInt("Game", "Computer", 0), 7);
    ASSERT_TRUE(other.WriteInt("Game", "Computer", 8));
    SaveScores(profile, settings);
    EXPECT_EQ(profile.GetInt("Game", "Computer", 0), 11);
    EXPECT_EQ(settings.Score[COMPUTER], 11);

    // Reset writes 0 whatever the other copy added.
    ASSERT_TRUE(other.WriteInt("Game", "Human", 5));
    ResetScores(profile, settings);
    EXPECT_EQ(Load(), "[Game]\nHuman=0\nComputer=0\n");
    EXPECT_EQ(settings.Score, (std::array<int, 3>{0, 0, 0}));
}

TEST(AppPaths, PathsAreFormedInTheGivenDirectoryWhenTheyFit)
{
    const AppPaths paths("/home/me/games");
    EXPECT_EQ(paths.profilePath, "/home/me/games/tablorw.ini");
    EXPECT_EQ(paths.helpPath, "/home/me/games/tablorw.chm");
    EXPECT_EQ(paths.graphPath, "/home/me/games/tablorw32.gph");
    EXPECT_EQ(paths.schemePath, "/home/me/games/tablorw32.clr");
    EXPECT_EQ(paths.documentationPath, "/home/me/games/Documentation.htm");
    EXPECT_EQ(AppPaths("/").profilePath, "/tablorw.ini");
    EXPECT_EQ(AppPaths("").profilePath, "tablorw.ini");
    EXPECT_EQ(AppPaths().profilePath, FormPath(fs::current_path().string(), "tablorw.ini"));

    // "tablorw.ini" is 11 characters: with the separator and the terminating
    // zero, a directory of 247 characters just fits and one of 248 does not.
    const std::string fits = "/" + std::string(246, 'd');
    EXPECT_EQ(AppPaths(fits).profilePath, fits + "/tablorw.ini");
    EXPECT_EQ(AppPaths(fits).profilePath.size() + 1, MAX_PATH_LENGTH);
    EXPECT_EQ(AppPaths(fits + "d").profilePath, "tablorw.ini");
    // The longer names stop fitting earlier.
    EXPECT_EQ(AppPaths(fits).documentationPath, "Documentation.htm");
    EXPECT_EQ(AppPaths(fits).graphPath, "tablorw32.gph");
    EXPECT_EQ(AppPaths(std::string(1000, 'x')).helpPath, "tablorw.chm");
}

TEST(AppPaths, NativePathTurnsBackslashesIntoSlashes)
{
    EXPECT_EQ(NativePath(".\\rolls.txt"), "./rolls.txt");
    EXPECT_EQ(NativePath("sounds\\win\\cheer.wav"), "sounds/win/cheer.wav");
    EXPECT_EQ(NativePath("/already/native.txt"), "/already/native.txt");
}

} // namespace
