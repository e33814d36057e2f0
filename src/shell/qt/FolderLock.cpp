// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace {

class HeldFolder final : public FileLock {
public:
    explicit HeldFolder(int fd) : fd_(fd) {}
    ~HeldFolder() override { ::close(fd_); } // closing drops the lock
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

private:
    int fd_;
};

} // namespace

std::unique_ptr<FileLock> LockFolderOf(const std::string& folder, int waitMs)
{
    // A folder is opened for reading only, so a read-only folder can be
    // locked too, and nothing is created in it.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return std::make_unique<HeldFolder>(fd);
        // Another copy holds it: wait a little. Any other failure (a file
        // system without locks) means there is no lock to be had.
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= until) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(fd);
    return nullptr;
}

std::unique_ptr<FileLock> LockBeside(const std::string& path, bool& busy)
{
    busy = false;
    const std::string name = path + ".lock";
    const int fd = ::open(name.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return std::make_unique<HeldFolder>(fd);
    busy = errno == EWOULDBLOCK;
    ::close(fd);
    return nullptr;
}
