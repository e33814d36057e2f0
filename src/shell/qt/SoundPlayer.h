// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays the program's wave files through the sound device; a file that is
// missing or not a wave file gives the desktop's default sound (a beep).

#include <memory>
#include <string>

class WavePlayer;

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();

    // Plays a wave file: asynchronously (a new request cuts off one still
    // playing) or to its end.
    void Play(const std::string& path, bool async);
    // Whether a sound is still playing.
    bool Playing() const;

    // The last request, for looking at in tests.
    const std::string& LastPath() const { return lastPath; }
    int Requests() const { return requests; }
    int Beeps() const { return beeps; }

private:
    std::unique_ptr<WavePlayer> player;
    std::string lastPath;
    int requests = 0;
    int beeps = 0;
};
