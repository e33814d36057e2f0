// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lock that keeps other copies of the program off the files they share (the
// settings file with the scores, the statistics graph) while one copy reads,
// changes and writes them back. Held as long as the object lives.

#include <functional>
#include <memory>

class FileLock {
public:
    virtual ~FileLock() = default;
};

// Takes the lock; null when it cannot be had (the platform has no lock there,
// or another copy keeps it too long), and the caller goes on without it.
using FileLocker = std::function<std::unique_ptr<FileLock>()>;
