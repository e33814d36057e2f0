// SPDX-License-Identifier: GPL-3.0-or-later
// The wave player through SDL's disk and dummy audio drivers, which need no
// sound device: the disk driver writes what it plays into a file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
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

namespace {

// A PCM wave of `data` sound bytes, with a LIST chunk before its data when
// `list` is set.
std::string PcmWave(int channels, int bits, const std::string& data, bool list = false)
{
    auto le = [](std::uint32_t v, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
        return out;
    };
    const int align = channels * bits / 8;
    std::string fmt = "fmt " + le(16, 4) + le(1, 2) + le(channels, 2) + le(22050, 4) + le(22050 * align, 4) +
                      le(align, 2) + le(bits, 2);
    const std::string extra = list ? "LIST" + le(6, 4) + "INFOab" : "";
    const std::string body = "WAVE" + fmt + extra + "data" + le(static_cast<std::uint32_t>(data.size()), 4) + data;
    return "RIFF" + le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

std::string Pattern(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
    return data;
}

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

// A long sound (here a minute of silence short of 64 MiB) is not loaded
// whole: what the player holds, at any moment of its play, stays far below
// the file's size.
TEST_F(WavePlayerTest, ALongSoundHoldsOnlyALittleOfItAtATime)
{
    ::setenv("SDL_DISKAUDIODELAY", "20", 1);
    const std::filesystem::path wave = dir / "long.wav";
    std::ofstream(wave, std::ios::binary) << PcmWave(2, 16, "");
    const std::uintmax_t header = std::filesystem::file_size(wave);
    const std::uint32_t data = 60u << 20;
    {
        // The header names the whole data chunk; the data is a hole in the file.
        std::fstream out(wave, std::ios::binary | std::ios::in | std::ios::out);
        const std::string size{static_cast<char>(data & 0xff), static_cast<char>((data >> 8) & 0xff),
                               static_cast<char>((data >> 16) & 0xff), static_cast<char>(data >> 24)};
        out.seekp(static_cast<std::streamoff>(header - 4));
        out.write(size.data(), 4);
    }
    std::filesystem::resize_file(wave, header + data);

    WavePlayer player;
    ASSERT_EQ(player.Play(wave.string(), true), WavePlayer::Result::Played);
    EXPECT_TRUE(player.Playing());
    const std::size_t bound = std::size_t(1) << 20;
    EXPECT_LE(player.PeakBytes(), bound);
    for (int i = 0; i < 5 && player.Playing(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_LE(player.HeldBytes(), bound);
        EXPECT_LE(player.PeakBytes(), bound);
    }
    EXPECT_TRUE(player.Playing()) << "a minute of sound goes on";
    player.Stop();
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(player.HeldBytes(), 0u);
}

// A sound played from its file a slice at a time reaches the device whole
// and in order, as a short one loaded whole does: every byte of its data,
// with nothing but the silence of its format (0x80 for 8-bit sound) around.
TEST_F(WavePlayerTest, ALongSoundPlaysWholeAndInOrder)
{
    struct Case {
        const char* name;
        int channels, bits;
        std::size_t bytes;
        bool list;
        char silence;
    };
    const Case cases[] = {
        {"short.wav", 2, 16, 40000, false, '\0'},
        {"stereo.wav", 2, 16, WavePlayer::STREAM_FROM_BYTES + 3 * WavePlayer::STREAM_SLICE_BYTES + 1236, false, '\0'},
        {"bytes.wav", 1, 8, WavePlayer::STREAM_FROM_BYTES + 777, true, '\x80'},
    };
    for (const Case& c : cases) {
        const std::string data = Pattern(c.bytes);
        std::ofstream(dir / c.name, std::ios::binary) << PcmWave(c.channels, c.bits, data, c.list);
        std::filesystem::remove(output);
        {
            WavePlayer player;
            ASSERT_EQ(player.Play((dir / c.name).string(), false), WavePlayer::Result::Played) << c.name;
            EXPECT_FALSE(player.Playing()) << c.name;
        }
        // The device sends silence while it waits for the sound to start.
        const std::string played = Contents(output);
        const std::size_t start = played.find(data);
        ASSERT_NE(start, std::string::npos) << c.name;
        EXPECT_GE(played.find_first_not_of(c.silence), start) << c.name;
        EXPECT_EQ(played.find_first_not_of(c.silence, start + data.size()), std::string::npos) << c.name;
    }
}
