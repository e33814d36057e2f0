// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays wave files through the sound device: asynchronously, where a new
// request cuts off the sound still playing, or to the end. Without a sound
// device every request is silently dropped.

#include <cstdint>
#include <string>

class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    // A larger file is no sound the game plays (a minute of CD sound is 10 MB).
    static constexpr std::uint64_t MAX_WAVE_FILE_BYTES = std::uint64_t(64) << 20;

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

private:
    void CloseDevice();

    bool available_ = false;
    unsigned device_ = 0;
    int frequency_ = 0;
    int format_ = 0;
    int channels_ = 0;
};
