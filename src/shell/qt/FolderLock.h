// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock that keeps two copies of the game in one folder from losing each
// other's points: an exclusive flock on the folder itself. The kernel drops
// it when the copy that holds it ends in any way (a crash, a kill), so no
// stale lock is ever left behind, and no lock file is left in the folder.

#include <memory>
#include <string>

#include "core/files/FileLock.h"

// How long a copy waits for another one that holds the lock before it goes
// on without it (a copy holds it for a few milliseconds only).
constexpr int FOLDER_LOCK_WAIT_MS = 2000;

// The folder locked, or null when it cannot be opened or locked in time.
std::unique_ptr<FileLock> LockFolderOf(const std::string& folder, int waitMs = FOLDER_LOCK_WAIT_MS);

// The lock on the file `path` + ".lock" (made when missing, a link never
// followed), taken at once or not at all: null with `busy` set when another
// open file holds it, null alone when it cannot be made or locked. The file
// stays; the lock goes with the copy that holds it.
std::unique_ptr<FileLock> LockBeside(const std::string& path, bool& busy);
