// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "HostileFiles.h"
#include "core/settings/Profile.h"

namespace fs = std::filesystem;

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("tablor-profile-" + std::string(info->name()) + "-" + std::to_string(std::random_device()()));
        ASSERT_TRUE(fs::create_directories(folder));
        path = (folder / "tablorw.ini").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    void Store(const std::string& text) const { std::ofstream(path, std::ios::binary) << text; }
    std::string Load() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
    std::string path;
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    const Profile profile(path);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 38), 38);
    EXPECT_EQ(profile.GetString("Options", "RollsList", ".\\rolls.txt"), ".\\rolls.txt");
    EXPECT_FALSE(fs::exists(path)); // reading never creates the file

    Store("[Options]\nUseCube=1\n");
    EXPECT_EQ(profile.GetInt("Game", "Human", -4), -4);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 7), 7);
    EXPECT_EQ(profile.GetInt("Options", "UseCube", 0), 1);
}

TEST_F(ProfileTest, ReadsIntegersLikeThePlatform)
{
    Store("[N]\n"
          "plain=12\n"
          "blanks=   -7   \n"
          "plus=+5\n"
          "junkAfter=42abc\n"
          "junk=abc\n"
          "empty=\n"
          "sign=-\n"
          "spaceInside=1 2\n"
          "max=2147483647\n"
          "tooBig=2147483648\n"
          "min=-2147483648\n"
          "tooSmall=-2147483649\n"
          "huge=99999999999999999999999999\n");
    const Profile profile(path);
    EXPECT_EQ(profile.GetInt("N", "plain", 99), 12);
    EXPECT_EQ(profile.GetInt("N", "blanks", 99), -7);
    EXPECT_EQ(profile.GetInt("N", "plus", 99), 5);
    EXPECT_EQ(profile.GetInt("N", "junkAfter", 99), 42);
    EXPECT_EQ(profile.GetInt("N", "junk", 99), 99);
    EXPECT_EQ(profile.GetInt("N", "empty", 99), 99);
    EXPECT_EQ(profile.GetInt("N", "sign", 99), 99);
    EXPECT_EQ(profile.GetInt("N", "spaceInside", 99), 1);
    EXPECT_EQ(profile.GetInt("N", "max", 99), 2147483647);
    EXPECT_EQ(profile.GetInt("N", "tooBig", 99), 99);
    EXPECT_EQ(profile.GetInt("N", "min", 99), -2147483647 - 1);
    EXPECT_EQ(profile.GetInt("N", "tooSmall", 99), 99);
    EXPECT_EQ(profile.GetInt("N", "huge", 99), 99);
}

TEST_F(ProfileTest, NamesIgnoreCaseAndBlanksAndTheFirstOccurrenceWins)
{
    Store("\xEF\xBB\xBF"
          "Speed=1\n" // before any section: belongs to none
          "[ options ]\n"
          "; Speed=2\n"
          "  sPEED =  3  \n"
          "Speed=4\n"
          "not a key\n"
          "[Other]\n"
          "Speed=5\n"
          "[OPTIONS]\n"
          "Speed=6\n"
          "RollsList =  C:\\My Rolls\\rolls.txt  \n");
    const Profile profile(path);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 3);
    EXPECT_EQ(profile.GetString("options", "SPEED", ""), "3");
    EXPECT_EQ(profile.GetInt("Other", "speed", 0), 5);
    // A key missing from the first occurrence of a section is found in a later one.
    EXPECT_EQ(profile.GetString("Options", "RollsList", ""), "C:\\My Rolls\\rolls.txt");
    EXPECT_EQ(profile.GetInt("Options", "not a key", -1), -1);

    Store("\xEF\xBB\xBF[Options]\r\nSpeed=9\r\n");
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 9);
    EXPECT_EQ(profile.GetString("Options", "Speed", ""), "9");
}

TEST_F(ProfileTest, StringValuesAreCutTo4095Characters)
{
    const std::string longValue(5000, 'x');
    Store("[Sounds]\nDiceSound=" + longValue + "\n");
    const Profile profile(path);
    EXPECT_EQ(profile.GetString("Sounds", "DiceSound", ""), longValue.substr(0, Profile::MAX_VALUE_LENGTH));
}

TEST_F(ProfileTest, HugeLinesAndBinaryJunkAreSkippedAndKept)
{
    std::string junk;
    for (unsigned i = 0; i < 1'000'000; ++i) {
        const char c = static_cast<char>(i * 7919u % 256u);
        junk.push_back(c == '\n' ? '\0' : c);
    }
    junk.back() = '=';
    const std::string original = junk + "\n[Options]\nSpeed=9\n" + junk + "\n[Game]\n" + junk;
    Store(original);
    Profile profile(path);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 9);
    EXPECT_EQ(profile.GetInt("Game", "Human", -1), -1);

    // Every byte of the junk survives rewriting a key and adding one.
    ASSERT_TRUE(profile.WriteInt("Options", "Speed", 10));
    ASSERT_TRUE(profile.WriteInt("Game", "Human", 3));
    EXPECT_TRUE(Load() == junk + "\n[Options]\nSpeed=10\n" + junk + "\n[Game]\n" + junk + "\nHuman=3\n");
}

TEST_F(ProfileTest, RewritesAKeyInPlaceKeepingEveryOtherLine)
{
    Store("; settings of the game\r\n"
          "[Options]\r\n"
          "UseCube=0\r\n"
          "  ; speed below\r\n"
          "  speed = 20 \r\n"
          "\r\n"
          "[Game]\r\n"
          "Human=3\r\n");
    Profile profile(path);
    ASSERT_TRUE(profile.WriteInt("OPTIONS", "Speed", 38));
    ASSERT_TRUE(profile.WriteString("Options", "RollsList", "  .\\rolls.txt  "));
    EXPECT_EQ(Load(), "; settings of the game\r\n"
                      "[Options]\r\n"
                      "UseCube=0\r\n"
                      "  ; speed below\r\n"
                      "speed=38\r\n"
                      "RollsList=.\\rolls.txt\r\n"
                      "\r\n"
                      "[Game]\r\n"
                      "Human=3\r\n");
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 38);
    EXPECT_EQ(profile.GetString("Options", "RollsList", ""), ".\\rolls.txt");
    // Only the file itself is left in the folder: no temporary files.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(ProfileTest, AddsAKeyAfterTheLastNonBlankLineOfItsSection)
{
    Store("[Options]\nUseCube=1\n; tail\n\n\n[Empty]\n\n[Game]\nHuman=1");
    Profile profile(path);
    ASSERT_TRUE(profile.WriteInt("Options", "Speed", 38));
    ASSERT_TRUE(profile.WriteInt("Empty", "A", 1));
    ASSERT_TRUE(profile.WriteInt("Game", "Computer", 2));
    EXPECT_EQ(Load(), "[Options]\nUseCube=1\n; tail\nSpeed=38\n\n\n[Empty]\nA=1\n\n[Game]\nHuman=1\nComputer=2\n");
}

TEST_F(ProfileTest, CreatesTheFileAndMissingSectionsAtTheEnd)
{
    Profile profile(path);
    ASSERT_TRUE(profile.WriteInt("Game", "Human", 5));
    ASSERT_TRUE(profile.WriteInt("Options", "UseCube", 1));
    EXPECT_EQ(Load(), "[Game]\nHuman=5\n[Options]\nUseCube=1\n");

    Store("[Game]\r\nHuman=5"); // CR LF, and no break at the end
    ASSERT_TRUE(profile.WriteString("Sounds", "DiceSound", "dice.wav"));
    EXPECT_EQ(Load(), "[Game]\r\nHuman=5\r\n[Sounds]\r\nDiceSound=dice.wav\r\n");
}

TEST_F(ProfileTest, DuplicateSectionsChangeWhereTheKeyIsRead)
{
    Store("[Options]\nA=1\n[Game]\nHuman=1\n[options]\nB=2\n");
    Profile profile(path);
    ASSERT_TRUE(profile.WriteInt("Options", "C", 3));
    ASSERT_TRUE(profile.WriteInt("Options", "B", 5));
    EXPECT_EQ(Load(), "[Options]\nA=1\nC=3\n[Game]\nHuman=1\n[options]\nB=5\n");
    EXPECT_EQ(profile.GetInt("Options", "B", 0), 5);
}

TEST_F(ProfileTest, UnwritableFilesAndBadNamesChangeNothing)
{
    Store("[Options]\nUseCube=1\n");
    // The parent of the path is a regular file, so nothing can be created there.
    Profile underFile((fs::path(path) / "tablorw.ini").string());
    EXPECT_FALSE(underFile.WriteInt("Options", "Speed", 38));
    EXPECT_EQ(underFile.GetInt("Options", "Speed", 7), 7);
    Profile missingFolder((folder / "none" / "tablorw.ini").string());
    EXPECT_FALSE(missingFolder.WriteInt("Options", "Speed", 38));
    EXPECT_FALSE(fs::exists(folder / "none"));
    Profile aFolder(folder.string());
    EXPECT_FALSE(aFolder.WriteInt("Options", "Speed", 38));

    Profile profile(path);
    EXPECT_FALSE(profile.WriteInt("Opt]ions", "Speed", 1));
    EXPECT_FALSE(profile.WriteInt("Options", "Spe=ed", 1));
    EXPECT_FALSE(profile.WriteInt("Options", "[Game]", 1));
    EXPECT_FALSE(profile.WriteInt("", "Speed", 1));
    EXPECT_EQ(Load(), "[Options]\nUseCube=1\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A value cannot smuggle in lines of its own.
    ASSERT_TRUE(profile.WriteString("Options", "RollsList", " a.txt\n[Game]\nHuman=99"));
    EXPECT_EQ(Load(), "[Options]\nUseCube=1\nRollsList=a.txt\n");
}

// The file is never rewritten where it stands: a write that cannot be done
// whole (here a disk that is full) leaves every byte as it was, where a
// rewrite in place once turned Computer=99 into Computer=9.
TEST_F(ProfileTest, AFailedWriteLeavesTheFileByteForByte)
{
    const std::string original = "[Options]\r\nSpeed=38\r\n[Game]\r\nHuman=7\r\nComputer=9\r\n";
    Store(original);
    Profile profile(path);
    {
        const DiskFullAfter full(original.size());
        ASSERT_TRUE(full.Active());
        EXPECT_FALSE(profile.WriteInt("Game", "Computer", 99));
        EXPECT_FALSE(profile.WriteInt("Game", "Human", 10));
        EXPECT_FALSE(profile.WriteInt("Sounds", "DiceSoundActive", 1));
    }
    EXPECT_EQ(Load(), original);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    // Written whole, the new file takes the old one's place.
    fs::create_hard_link(path, folder / "before.ini");
    ASSERT_TRUE(profile.WriteInt("Game", "Computer", 99));
    EXPECT_EQ(profile.GetInt("Game", "Computer", 0), 99);
    std::ifstream before(folder / "before.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(before), {}), original);
}

// Files from old Macintosh editors end their lines with a CR alone; a new
// key takes the file's own line end. A byte-order mark in front is skipped.
TEST_F(ProfileTest, LinesEndingInACarriageReturnAloneAreLines)
{
    Store("\xEF\xBB\xBF[Options]\rSpeed=9\rUseCube=1\r[Game]\rHuman=4");
    Profile profile(path);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 9);
    EXPECT_EQ(profile.GetInt("Options", "UseCube", 0), 1);
    EXPECT_EQ(profile.GetInt("Game", "Human", 0), 4);
    ASSERT_TRUE(profile.WriteInt("Options", "LevelOfPlay", 0));
    ASSERT_TRUE(profile.WriteInt("Game", "Human", 5));
    ASSERT_TRUE(profile.WriteInt("Sounds", "DiceSoundActive", 1));
    EXPECT_EQ(Load(), "\xEF\xBB\xBF[Options]\rSpeed=9\rUseCube=1\rLevelOfPlay=0\r[Game]\rHuman=5\r"
                      "[Sounds]\rDiceSoundActive=1\r");
    // A lone CR in a file of LF lines is a line end too, but new lines take the LF.
    Store("[Options]\rSpeed=8\n[Game]\n");
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 8);
    ASSERT_TRUE(profile.WriteInt("Game", "Human", 1));
    EXPECT_EQ(Load(), "[Options]\rSpeed=8\n[Game]\nHuman=1\n");
}

// A settings file is a few hundred bytes: of a huge one only the first
// 16 MiB are read, and it is never rewritten (which would copy it all).
TEST_F(ProfileTest, HugeFileIsReadInPartAndNeverRewritten)
{
    Store("[Options]\nSpeed=9\n");
    fs::resize_file(path, Profile::MAX_FILE_SIZE + 1);
    std::ofstream(path, std::ios::binary | std::ios::app) << "\n[Game]\nHuman=5\n";
    const auto size = fs::file_size(path);
    Profile profile(path);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 9);
    EXPECT_EQ(profile.GetInt("Game", "Human", -1), -1);
    EXPECT_FALSE(profile.WriteInt("Options", "Speed", 10));
    EXPECT_EQ(fs::file_size(path), size);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 9);
}

// A write never makes the file larger than what is read of it: the key it
// adds would be lost to every read, and every later write refused. A write
// that cannot be done is told once the lock is let go, once for a lock held
// over several writes.
TEST_F(ProfileTest, NoWritePushesTheFilePastWhatIsRead)
{
    const std::string head = "[Options]\nSpeed=9\n;";
    Store(head);
    const std::uint64_t start = Profile::MAX_FILE_SIZE - 10;
    fs::resize_file(path, start);
    std::ofstream(path, std::ios::binary | std::ios::app) << "\n";
    Profile profile(path);
    int told = 0;
    profile.SetWriteFailed([&told] { ++told; });
    // "[Game]\nHuman=5\n" is 15 bytes: it does not fit, and the file stays.
    EXPECT_FALSE(profile.WriteInt("Game", "Human", 5));
    EXPECT_EQ(told, 1);
    EXPECT_EQ(fs::file_size(path), start + 1);
    {
        const Profile::Hold held = profile.Lock();
        EXPECT_FALSE(profile.WriteInt("Game", "Human", 5));
        EXPECT_FALSE(profile.WriteInt("Game", "Computer", 3));
        EXPECT_EQ(told, 1);
    }
    EXPECT_EQ(told, 2);
    // A key rewritten a few bytes longer fits, up to the last byte read.
    ASSERT_TRUE(profile.WriteInt("Options", "Speed", 1234567890));
    EXPECT_EQ(fs::file_size(path), Profile::MAX_FILE_SIZE);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 1234567890);
    EXPECT_FALSE(profile.WriteString("Options", "Speed", "-1234567890"));
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 1234567890);
    ASSERT_TRUE(profile.WriteInt("Options", "Speed", 7));
    EXPECT_EQ(told, 3);
    EXPECT_EQ(profile.GetInt("Options", "Speed", 0), 7);
    EXPECT_EQ(Load().substr(0, head.size() - 1), "[Options]\nSpeed=7\n");
}

TEST_F(ProfileTest, WritingThroughALinkKeepsTheLink)
{
    Store("[Options]\nUseCube=0\n");
    const fs::path link = folder / "link.ini";
    fs::create_symlink(path, link);
    Profile profile(link.string());
    ASSERT_TRUE(profile.WriteInt("Options", "UseCube", 1));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Load(), "[Options]\nUseCube=1\n");
}

} // namespace
