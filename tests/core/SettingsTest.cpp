#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "core/board/BoardData.h"
#include "core/settings/Paths.h"
#include "core/settings/Profile.h"
#include "core/settings/Settings.h"

namespace fs = std::filesystem;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSettingsToDefaults();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("tablor-settings-" + std::string(info->name()) + "-" + std::to_string(std::random_device()()));
        ASSERT_TRUE(fs::create_directories(folder));
        path = (folder / PROFILE_FILE_NAME).string();
    }
    void TearDown() override
    {
        fs::remove_all(folder);
        ResetSettingsToDefaults();
    }

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
        LoadSettings(Profile(path));
    }

    fs::path folder;
    std::string path;
};

TEST_F(SettingsTest, FreshStartWithoutAFileGivesTheDefaults)
{
    // Values left over from elsewhere are put back first.
    UseCube = 1;
    SoundActive[SOUND_HIT] = 1;
    Score[HUMAN] = 9;
    ResetSettingsToDefaults();

    LoadSettings(Profile(path));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(UseCube, 0);
    EXPECT_EQ(LevelOfPlay, 2); // "Good"
    EXPECT_EQ(FirstMoveBy, 2); // the human starts
    EXPECT_EQ(SpeedSetting(), 38);
    EXPECT_EQ(Speed, 12);
    EXPECT_EQ(DiceAsIcons, 1);
    EXPECT_EQ(ShowProgress, 1);
    EXPECT_EQ(HitShake, 1);
    EXPECT_EQ(HighLight, 2);  // possible moves
    EXPECT_EQ(AutoFinish, 2); // ask
    EXPECT_EQ(DiceMode, 0);   // computer generated
    EXPECT_EQ(AutoChangeTurn, 0);
    EXPECT_EQ(AutoForcedMoves, 0);
    EXPECT_EQ(IntelMoves, 0);
    EXPECT_EQ(ClockWise, 0);
    EXPECT_EQ(RollsList, ".\\rolls.txt");
    EXPECT_EQ(CurScheme, 0);
    const char* files[] = {"dice.wav", "piece.wav", "hit.wav", "youwin.wav", "youlose.wav"};
    for (int event = 0; event < SOUND_EVENTS; ++event) {
        EXPECT_EQ(SoundFile[event], files[event]);
        EXPECT_EQ(SoundActive[event], 0);
    }
    EXPECT_EQ(Score[HUMAN], 0);
    EXPECT_EQ(Score[COMPUTER], 0);
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
    LoadSettings(Profile(path));
    EXPECT_EQ(UseCube, 1);
    EXPECT_EQ(AutoFinish, 0);
    EXPECT_EQ(DiceAsIcons, 0);
    EXPECT_EQ(SpeedSetting(), 10);
    EXPECT_EQ(Speed, 40);
    EXPECT_EQ(AutoChangeTurn, 1);
    EXPECT_EQ(LevelOfPlay, 0);
    EXPECT_EQ(FirstMoveBy, 1);
    EXPECT_EQ(ShowProgress, 0);
    EXPECT_EQ(AutoForcedMoves, 1);
    EXPECT_EQ(HitShake, 0);
    EXPECT_EQ(HighLight, 1);
    EXPECT_EQ(IntelMoves, 1);
    EXPECT_EQ(DiceMode, 2);
    EXPECT_EQ(ClockWise, 1);
    EXPECT_EQ(RollsList, "/home/me/my rolls.txt");
    EXPECT_EQ(CurScheme, 3);
    EXPECT_EQ(SoundFile, (std::array<std::string, SOUND_EVENTS>{"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"}));
    EXPECT_EQ(SoundActive, (std::array<int, SOUND_EVENTS>{1, 0, 1, 1, 1}));
    EXPECT_EQ(Score[HUMAN], 17);
    EXPECT_EQ(Score[COMPUTER], -3);
}

TEST_F(SettingsTest, SpeedAcceptsZeroToFifty)
{
    LoadOptions("Speed=0\n");
    EXPECT_EQ(Speed, 50); // the slowest animation
    LoadOptions("Speed=50\n");
    EXPECT_EQ(Speed, 0);
    LoadOptions("Speed=51\n");
    EXPECT_EQ(Speed, 12);
    LoadOptions("Speed=-1\n");
    EXPECT_EQ(Speed, 12);
    // Junk keeps the live speed, as a missing key does.
    Speed = 45;
    LoadOptions("Speed=fast\n");
    EXPECT_EQ(Speed, 45);
}

TEST_F(SettingsTest, MissingOrJunkKeysKeepTheLiveValues)
{
    LevelOfPlay = 1;
    UseCube = 1;
    RollsList = "mine.txt";
    SoundFile[SOUND_WIN] = "cheer.wav";
    Score[COMPUTER] = 4;
    LoadOptions("LevelOfPlay=good\nUseCube=\n");
    EXPECT_EQ(LevelOfPlay, 1);
    EXPECT_EQ(UseCube, 1);
    EXPECT_EQ(RollsList, "mine.txt");
    EXPECT_EQ(SoundFile[SOUND_WIN], "cheer.wav");
    EXPECT_EQ(Score[COMPUTER], 4);
}

TEST_F(SettingsTest, OutOfRangeValuesTakeTheBuiltInDefaults)
{
    // Live values differ from the built-in ones, to show which is taken.
    LevelOfPlay = 0;
    HighLight = 0;
    DiceMode = 1;
    HitShake = 0;
    AutoFinish = 1;
    FirstMoveBy = 0;
    UseCube = 1;
    ClockWise = 1;
    CurScheme = 2;
    Store("[Options]\nLevelOfPlay=7\nHighLight=-1\nDiceMode=5\nHitShake=3\nAutoFinish=3\nFirstMoveBy=-2\n"
          "UseCube=2\nClockWise=-1\nCurScheme=4\n"
          "[Sounds]\nDiceSoundActive=2\nLoseSoundActive=-1\n");
    LoadSettings(Profile(path));
    EXPECT_EQ(LevelOfPlay, 2);
    EXPECT_EQ(HighLight, 2);
    EXPECT_EQ(DiceMode, 0);
    EXPECT_EQ(HitShake, 1);
    EXPECT_EQ(AutoFinish, 2);
    EXPECT_EQ(FirstMoveBy, 2);
    EXPECT_EQ(UseCube, 0);
    EXPECT_EQ(ClockWise, 0);
    EXPECT_EQ(CurScheme, 0);
    EXPECT_EQ(SoundActive[SOUND_DICE], 0);
    EXPECT_EQ(SoundActive[SOUND_LOSE], 0);
    // The file keeps what it held.
    EXPECT_NE(Load().find("CurScheme=4\n"), std::string::npos);

    LoadOptions("CurScheme=-1\n");
    EXPECT_EQ(CurScheme, 0);
    LoadOptions("CurScheme=3\n");
    EXPECT_EQ(CurScheme, 3);
}

TEST_F(SettingsTest, WritersWriteTheirKeysInOrder)
{
    FirstMoveBy = 0;
    UseCube = 1;
    AutoChangeTurn = 1;
    AutoForcedMoves = 1;
    IntelMoves = 1;
    LevelOfPlay = 1;
    ShowProgress = 0;
    HitShake = 0;
    DiceAsIcons = 0;
    HighLight = 1;
    AutoFinish = 0;
    Speed = 50 - 20;
    ClockWise = 1;
    RollsList = "./r.txt";
    DiceMode = 2;
    SoundActive = {1, 0, 0, 0, 1};
    SoundFile = {"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"};
    Score[HUMAN] = 7;
    Score[COMPUTER] = 5;
    CurScheme = 2;

    Profile profile(path);
    WriteGamePage(profile);
    EXPECT_EQ(Load(), "[Options]\nFirstMoveBy=0\nUseCube=1\nAutoChangeTurn=1\nAutoForcedMoves=1\nIntelMoves=1\n"
                      "LevelOfPlay=1\n");

    fs::remove(path);
    WriteVisualPage(profile, false);
    EXPECT_EQ(Load(), "[Options]\nShowProgress=0\nHitShake=0\nDiceAsIcons=0\nHighLight=1\nAutoFinish=0\nSpeed=20\n");
    fs::remove(path);
    WriteVisualPage(profile, true);
    EXPECT_EQ(Load(), "[Options]\nShowProgress=0\nHitShake=0\nDiceAsIcons=0\nHighLight=1\nAutoFinish=0\nSpeed=20\n"
                      "ClockWise=1\n");

    fs::remove(path);
    WriteDicePage(profile);
    WriteCurScheme(profile);
    EXPECT_EQ(Load(), "[Options]\nRollsList=./r.txt\nDiceMode=2\nCurScheme=2\n");

    fs::remove(path);
    WriteSoundsPage(profile);
    WriteScores(profile);
    EXPECT_EQ(Load(), "[Sounds]\nDiceSoundActive=1\nDiceSound=a.wav\nMoveSoundActive=0\nMoveSound=b.wav\n"
                      "HitSoundActive=0\nHitSound=c.wav\nWinSoundActive=0\nWinSound=d.wav\n"
                      "LoseSoundActive=1\nLoseSound=e.wav\n"
                      "[Game]\nHuman=7\nComputer=5\n");
}

TEST_F(SettingsTest, WrittenSettingsSurviveARestart)
{
    Store("; kept\n[Options]\nSpeed=38\n");
    UseCube = 1;
    LevelOfPlay = 0;
    Speed = 50; // stored as 0
    ClockWise = 1;
    RollsList = "C:\\rolls\\my file.txt";
    DiceMode = 1;
    SoundActive[SOUND_MOVE] = 1;
    SoundFile[SOUND_MOVE] = "click.wav";
    Score = {0, 11, 13};
    CurScheme = 1;
    Profile profile(path);
    WriteGamePage(profile);
    WriteVisualPage(profile, true);
    WriteDicePage(profile);
    WriteSoundsPage(profile);
    WriteScores(profile);
    WriteCurScheme(profile);

    ResetSettingsToDefaults();
    LoadSettings(profile);
    EXPECT_EQ(UseCube, 1);
    EXPECT_EQ(LevelOfPlay, 0);
    EXPECT_EQ(Speed, 50);
    EXPECT_EQ(ClockWise, 1);
    EXPECT_EQ(RollsList, "C:\\rolls\\my file.txt");
    EXPECT_EQ(DiceMode, 1);
    EXPECT_EQ(SoundActive[SOUND_MOVE], 1);
    EXPECT_EQ(SoundFile[SOUND_MOVE], "click.wav");
    EXPECT_EQ(Score[COMPUTER], 11);
    EXPECT_EQ(Score[HUMAN], 13);
    EXPECT_EQ(CurScheme, 1);
    EXPECT_EQ(Load().rfind("; kept\n[Options]\nSpeed=0\n", 0), 0u); // rewritten in place
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
