// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The self-play export file: written whole or not at all (AtomicFile), and
// without leaving its temporary file behind. A run stopped by Ctrl+C, a
// `kill`, a hang-up or a closed pipe removes the temporary file on its way
// out; one killed outright (which no program can catch) leaves it, and the
// next export of the same file removes it.

#include <string>

#include "core/files/AtomicFile.h"

// A temporary file left behind is removed only when it is ours, unlocked and
// has not been written for this long: a writer at work holds a lock on its
// temporary file from just after making it until just before renaming it,
// and has written it within these seconds at both moments.
constexpr int STALE_TEMPORARY_SECONDS = 60;

class ExportFile {
public:
    explicit ExportFile(const std::string& path) : file_(path) {}
    // Disarms the signals; the temporary file goes with file_ unless committed.
    ~ExportFile();
    ExportFile(const ExportFile&) = delete;
    ExportFile& operator=(const ExportFile&) = delete;

    // Removes the stale temporary files of this file, creates its own, locks
    // it and arms SIGINT, SIGTERM, SIGHUP and SIGPIPE to remove it. False
    // when the temporary file cannot be made.
    bool Open();
    bool Write(const std::string& text) { return file_.Write(text.data(), text.size()); }
    // Renames the temporary file over the file; false when that failed.
    bool Commit();

private:
    void Disarm();

    AtomicFile file_;
    int lockFd_ = -1;
    bool armed_ = false;
};

// Removes each temporary file of `file` that is stale (see above); returns
// how many went.
int RemoveStaleTemporaries(const AtomicFile& file);
