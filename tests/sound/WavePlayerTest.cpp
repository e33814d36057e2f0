// The wave player through SDL's disk and dummy audio drivers, which need no
// sound device: the disk driver writes what it plays into a file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "sound/WavePlayer.h"

namespace {

std::filesystem::path Sounds() { return std::filesystem::path(TABLOR_SOURCE_DIR) / "res" / "sounds"; }

class WavePlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() / ("tablor-sound-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        output = dir / "played.raw";
        std::filesystem::remove(output);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        ::setenv("SDL_DISKAUDIODELAY", "1", 1);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::uintmax_t Played() const { return std::filesystem::exists(output) ? std::filesystem::file_size(output) : 0; }

    std::filesystem::path dir;
    std::filesystem::path output;
};

} // namespace

TEST_F(WavePlayerTest, PlaysEveryDefaultSoundToItsEndThroughTheDevice)
{
    WavePlayer player;
    ASSERT_TRUE(player.Available());
    for (const char* name : {"dice.wav", "piece.wav", "hit.wav", "youwin.wav", "youlose.wav"}) {
        const std::uintmax_t before = Played();
        EXPECT_EQ(player.Play((Sounds() / name).string(), false), WavePlayer::Result::Played) << name;
        EXPECT_FALSE(player.Playing()) << name;
        EXPECT_GT(Played(), before) << name;
    }
}

TEST_F(WavePlayerTest, ANewRequestCutsOffTheSoundStillPlaying)
{
    WavePlayer player;
    ASSERT_EQ(player.Play((Sounds() / "youlose.wav").string(), true), WavePlayer::Result::Played);
    EXPECT_TRUE(player.Playing());
    ASSERT_EQ(player.Play((Sounds() / "piece.wav").string(), false), WavePlayer::Result::Played);
    EXPECT_FALSE(player.Playing());
    // The long sound was cut off: far fewer bytes went out than it holds.
    EXPECT_LT(Played(), std::filesystem::file_size(Sounds() / "youlose.wav"));
}

TEST_F(WavePlayerTest, MissingOrBrokenFilesAskForTheDefaultSound)
{
    WavePlayer player;
    EXPECT_EQ(player.Play((dir / "missing.wav").string(), true), WavePlayer::Result::BadFile);
    std::ofstream(dir / "text.wav") << "RIFF but not really a wave file at all";
    EXPECT_EQ(player.Play((dir / "text.wav").string(), false), WavePlayer::Result::BadFile);
    EXPECT_FALSE(player.Playing());
}

TEST_F(WavePlayerTest, WithoutADeviceNothingPlaysAndNothingFails)
{
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    WavePlayer player;
    EXPECT_FALSE(player.Available());
    EXPECT_EQ(player.Play((Sounds() / "piece.wav").string(), false), WavePlayer::Result::NoDevice);
    EXPECT_EQ(player.Play((dir / "missing.wav").string(), true), WavePlayer::Result::BadFile);
    EXPECT_FALSE(player.Playing());
}
