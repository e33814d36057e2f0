#pragma once
// Plays the program's wave files. Audio output is not built yet: for now a
// request is only remembered, so that the rest of the shell can call the
// finished interface.

#include <string>

class SoundPlayer {
public:
    // Plays a wave file: asynchronously (a new request cuts off one still
    // playing) or to its end.
    void Play(const std::string& path, bool async);

    // The last request, for looking at in tests.
    const std::string& LastPath() const { return lastPath; }
    int Requests() const { return requests; }

private:
    std::string lastPath;
    int requests = 0;
};
