// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays wave files through the sound device: asynchronously, where a new
// request cuts off the sound still playing, or to the end. Without a sound
// device every request is silently dropped.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct WaveLayout;

class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    // A larger file is no sound the game plays (a minute of CD sound is 10 MB).
    static constexpr std::uint64_t MAX_WAVE_FILE_BYTES = std::uint64_t(64) << 20;

    // A file up to this size is loaded whole and queued on the device; a
    // longer one is played from the file a slice at a time, so that what the
    // player holds stays small however long the sound is.
    static constexpr std::uint64_t STREAM_FROM_BYTES = std::uint64_t(1) << 20;
    // The bytes of the file's sound data decoded at a time while streaming.
    static constexpr std::size_t STREAM_SLICE_BYTES = std::size_t(64) << 10;

    // Whether a sound device could be opened at all.
    bool Available() const { return available_; }

    enum class Result { Played, NoDevice, BadFile };
    // Starts the file (async) or plays it to its end. BadFile when the file is
    // missing, no regular file (a fifo, a device, a folder), larger than
    // MAX_WAVE_FILE_BYTES or not a wave file: the caller gives the default
    // sound then.
    Result Play(const std::string& path, bool async);
    // Stops what is playing.
    void Stop();
    // Whether a sound is still playing.
    bool Playing() const;
    // The bytes of sound the player holds now (queued on the device, or the
    // slice being played), and the most it held at once during the last Play
    // (the file read, the sound decoded from it, the device's queue).
    std::size_t HeldBytes() const;
    std::size_t PeakBytes() const { return peak_; }

    struct Stream;

private:
    // Plays the open file `fd` from the chunks found in it; takes the file.
    Result PlayStream(int fd, WaveLayout layout, bool async);
    // Opens the device for a sound of the given format, fed from the queue or
    // by the stream; keeps the open one when it already fits.
    bool OpenDevice(const void* format, bool streaming);
    void WaitForEnd() const;
    void CloseDevice();
    // The sound device asks for `length` more bytes of the stream.
    static void Feed(void* player, std::uint8_t* out, int length);

    bool available_ = false;
    unsigned device_ = 0;
    int frequency_ = 0;
    int format_ = 0;
    int channels_ = 0;
    bool streaming_ = false;
    // The sound streamed from its file; the device's thread reads it, under
    // the device's lock.
    std::unique_ptr<Stream> stream_;
    std::atomic<std::size_t> peak_{0};
};
