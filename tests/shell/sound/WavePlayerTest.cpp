// SPDX-License-Identifier: GPL-3.0-or-later
// The wave player through SDL's disk and dummy audio drivers, which need no
// sound device: the disk driver writes what it plays into a file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "../../support/HostileFiles.h"
#include "shell/sound/WavePlayer.h"

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
    // A slow device, so that the long sound is still playing when the next comes.
    ::setenv("SDL_DISKAUDIODELAY", "50", 1);
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

TEST_F(WavePlayerTest, FilesThatAreNoWavesAreBadFilesWhateverTheirSize)
{
    // A header of 16-bit mono PCM at 22050 Hz, as far as the "data" chunk.
    const std::string pcm("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0", 36);
    const std::pair<const char*, std::string> files[] = {
        {"empty.wav", ""},
        {"riff.wav", "RIFF"},
        {"header.wav", pcm.substr(0, 14)},
        {"format.wav", pcm.substr(0, 28)},
        {"nodata.wav", pcm},
        {"datahead.wav", pcm + "da"},
        {"binary.wav", std::string("\0\xff\x7fRIFX\0\0WAVE", 13)},
    };
    for (const auto& [name, bytes] : files) std::ofstream(dir / name, std::ios::binary) << bytes;
    std::filesystem::create_directory(dir / "folder.wav");
    // A gigabyte that is no wave (sparse: it takes no room on the disk).
    std::ofstream(dir / "huge.wav") << "not a wave file at all";
    std::filesystem::resize_file(dir / "huge.wav", std::uintmax_t(1) << 30);

    WavePlayer player;
    ASSERT_TRUE(player.Available());
    std::vector<std::string> names{"folder.wav", "huge.wav"};
    for (const auto& file : files) names.push_back(file.first);
    for (const std::string& name : names) {
        for (const bool async : {true, false}) {
            EXPECT_EQ(player.Play((dir / name).string(), async), WavePlayer::Result::BadFile) << name;
            EXPECT_FALSE(player.Playing()) << name;
        }
    }
    EXPECT_EQ(Played(), 0u);
    // The device is still there for the next good file.
    EXPECT_EQ(player.Play((Sounds() / "piece.wav").string(), false), WavePlayer::Result::Played);
    EXPECT_GT(Played(), 0u);
}

// Only a regular file of a sound's size is read: a fifo another process
// keeps open (even with a good wave in it) would block the game, a device
// never ends, and a file of more than 64 MiB is no sound of the game.
TEST_F(WavePlayerTest, WhatIsNoFileOrTooLargeIsABadFile)
{
    const std::filesystem::path wave = Sounds() / "piece.wav";
    std::ifstream in(wave, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_LT(bytes.size(), 60000u) << "the fifo holds the whole wave";
    const FilledFifo fifo((dir / "fifo.wav").string(), bytes);
    ASSERT_TRUE(fifo.Ready());
    // Nobody writes to this one: opening it for reading the usual way blocks.
    const std::string lonely = (dir / "lonely.wav").string();
    ASSERT_EQ(::mkfifo(lonely.c_str(), 0644), 0);
    std::filesystem::copy_file(wave, dir / "long.wav");
    std::filesystem::resize_file(dir / "long.wav", WavePlayer::MAX_WAVE_FILE_BYTES + 1);

    WavePlayer player;
    ASSERT_TRUE(player.Available());
    for (const std::string& path : {fifo.Path(), lonely, std::string("/dev/zero"), (dir / "long.wav").string()})
        EXPECT_EQ(player.Play(path, false), WavePlayer::Result::BadFile) << path;
    EXPECT_EQ(Played(), 0u);
    std::filesystem::resize_file(dir / "long.wav", WavePlayer::MAX_WAVE_FILE_BYTES);
    EXPECT_EQ(player.Play((dir / "long.wav").string(), false), WavePlayer::Result::Played);
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
