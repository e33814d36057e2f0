// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ExportFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstring>
#include <ctime>

namespace {

// The signals that end the tool and can be caught: Ctrl+C, kill, the
// terminal going away, and a closed pipe on standard output.
constexpr std::array<int, 4> CAUGHT{SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// What the handler removes, prepared before the handler is armed: a handler
// may only call functions that are safe in a signal, and unlink is one.
std::array<char, 4096> pendingName{};
volatile std::sig_atomic_t namePending = 0;
std::array<struct sigaction, CAUGHT.size()> previous{};
std::array<bool, CAUGHT.size()> replaced{};

extern "C" void RemoveAndEnd(int signal)
{
    if (namePending != 0) ::unlink(pendingName.data());
    // The handler was reset on entry (SA_RESETHAND) and does not block its
    // own signal (SA_NODEFER): the tool ends of the signal as it would have.
    ::raise(signal);
}

// Holds the caught signals back while the name and the handlers change.
class Blocked {
public:
    Blocked()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int s : CAUGHT) sigaddset(&set, s);
        ::sigprocmask(SIG_BLOCK, &set, &old_);
    }
    ~Blocked() { ::sigprocmask(SIG_SETMASK, &old_, nullptr); }
    Blocked(const Blocked&) = delete;
    Blocked& operator=(const Blocked&) = delete;

private:
    sigset_t old_;
};

} // namespace

int RemoveStaleTemporaries(const AtomicFile& file)
{
    int removed = 0;
    for (const std::filesystem::path& path : file.OtherTemporaries()) {
        // Not through a link, and without waiting on a fifo.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat opened {};
        struct stat named {};
        const bool stale = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
                           std::time(nullptr) - opened.st_mtime >= STALE_TEMPORARY_SECONDS &&
                           ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        // Still the file looked at: the name was not given to another meanwhile.
        if (stale && ::lstat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino && ::unlink(path.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

ExportFile::~ExportFile()
{
    if (!armed_) return;
    const Blocked blocked;
    ::unlink(file_.Temporary().c_str());
    Disarm();
}

bool ExportFile::Open()
{
    RemoveStaleTemporaries(file_);
    const Blocked blocked;
    if (!file_.Open()) return false;
    const std::string& name = file_.Temporary().native();
    lockFd_ = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (lockFd_ >= 0) ::flock(lockFd_, LOCK_EX | LOCK_NB);
    // A name too long for the buffer is left to the next export to remove.
    if (name.size() < pendingName.size()) {
        std::memcpy(pendingName.data(), name.c_str(), name.size() + 1);
        namePending = 1;
    }
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < CAUGHT.size(); ++i) {
        // A signal the tool was started to ignore (nohup, a background job) stays ignored.
        replaced[i] = ::sigaction(CAUGHT[i], nullptr, &previous[i]) == 0 && previous[i].sa_handler != SIG_IGN &&
                      ::sigaction(CAUGHT[i], &action, nullptr) == 0;
    }
    armed_ = true;
    return true;
}

bool ExportFile::Commit()
{
    const Blocked blocked;
    const bool committed = file_.Commit();
    if (!committed) ::unlink(file_.Temporary().c_str());
    Disarm();
    return committed;
}

void ExportFile::Disarm()
{
    if (!armed_) return;
    namePending = 0;
    for (std::size_t i = 0; i < CAUGHT.size(); ++i)
        if (replaced[i]) ::sigaction(CAUGHT[i], &previous[i], nullptr);
    // Closing drops the lock, once the temporary file is renamed or removed.
    if (lockFd_ >= 0) ::close(lockFd_);
    lockFd_ = -1;
    armed_ = false;
}
