// SPDX-License-Identifier: GPL-3.0-or-later
// The lock two copies of the game in one folder take before they read and
// write back the scores and the graph.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "shell/qt/FolderLock.h"

TEST(FolderLock, OneHolderAtATimeAndNoneLeftBehind)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tablor-folder-lock-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    {
        std::unique_ptr<FileLock> first = LockFolderOf(folder.string());
        ASSERT_NE(first, nullptr);
        // A second holder (another copy of the game) waits, then goes without.
        EXPECT_EQ(LockFolderOf(folder.string(), 50), nullptr);
        // So does another process.
        const pid_t child = ::fork();
        if (child == 0) ::_exit(LockFolderOf(folder.string(), 50) == nullptr ? 0 : 1);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        first.reset();
        EXPECT_NE(LockFolderOf(folder.string(), 0), nullptr);
    }
    // The folder itself is locked: nothing is created in it.
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    EXPECT_EQ(LockFolderOf((folder / "missing").string(), 0), nullptr);
    std::filesystem::remove_all(folder);
}
