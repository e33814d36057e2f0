// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a player, or someone else, may put where the game expects one of its
// files: a fifo that another process holds open, a device, a folder, a disk
// that is full. Header only, so that the core's tests can use it too.

#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

// A fifo at `path` whose writing end this process holds open and has filled
// with `bytes` (at most a pipe's 64 KiB). A reader that opens the fifo is not
// blocked by the open and reads those bytes, and then would wait for more for
// ever: a reader that refuses it passes, one that takes it reads `bytes`.
class FilledFifo {
public:
    FilledFifo(std::string path, const std::string& bytes) : path_(std::move(path))
    {
        if (::mkfifo(path_.c_str(), 0644) != 0) return;
        // Opening for reading and writing never blocks on Linux.
        fd_ = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd_ >= 0 && !bytes.empty())
            filled_ = ::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        else
            filled_ = fd_ >= 0;
    }
    ~FilledFifo()
    {
        if (fd_ >= 0) ::close(fd_);
        ::unlink(path_.c_str());
    }
    FilledFifo(const FilledFifo&) = delete;
    FilledFifo& operator=(const FilledFifo&) = delete;

    // Whether the fifo stands there, open and filled.
    bool Ready() const { return filled_; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
    bool filled_ = false;
};

// While it lives, no file this process writes may grow beyond `bytes`: a
// write past that fails as on a full disk (the file size limit, which stops
// root too; its signal is ignored so that the write only fails).
class DiskFullAfter {
public:
    explicit DiskFullAfter(std::uint64_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~DiskFullAfter()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, oldHandler_);
    }
    DiskFullAfter(const DiskFullAfter&) = delete;
    DiskFullAfter& operator=(const DiskFullAfter&) = delete;

    bool Active() const { return active_; }

private:
    rlimit saved_{};
    sighandler_t oldHandler_ = SIG_DFL;
    bool active_ = false;
};

// While it lives, the file at `path` may be neither written, nor replaced, nor
// removed, not even by root (the immutable attribute of ext2/3/4, xfs, btrfs
// and others). Active() is false where the attribute cannot be set: another
// file system, or no right to set it.
class ImmutableFile {
public:
    explicit ImmutableFile(std::string path) : path_(std::move(path)) { active_ = Set(true); }
    ~ImmutableFile()
    {
        if (active_) Set(false);
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool Active() const { return active_; }

private:
    bool Set(bool on) const
    {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    std::string path_;
    bool active_ = false;
};
