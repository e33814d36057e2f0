// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file in the private-profile (INI) format: "[Section]" headers
// followed by "key=value" lines, read and written one key at a time.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "core/files/FileLock.h"

class Profile {
public:
    explicit Profile(std::string path) : path_(std::move(path)) {}
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    // The longest string value a read returns.
    static constexpr std::size_t MAX_VALUE_LENGTH = 4095;
    // Only this many bytes of the file are read; a larger file is never
    // rewritten, and no write makes the file larger than this (a settings
    // file is a few hundred bytes).
    static constexpr std::uint64_t MAX_FILE_SIZE = std::uint64_t(16) << 20;

    const std::string& Path() const { return path_; }

    // The key's value as a decimal integer; the default when the file, the
    // section or the key is missing or the value does not start with a number.
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;
    // The key's value, blanks trimmed and cut to MAX_VALUE_LENGTH characters.
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) const;

    // Writes the key, creating the section and the file when they are missing.
    // The file is never rewritten in place: the new file is written whole
    // beside it and renamed over it. Returns false, leaving the file byte for
    // byte as it was, when that cannot be done, or when the file would grow
    // past MAX_FILE_SIZE (and what the write adds could not be read back).
    bool WriteInt(const std::string& section, const std::string& key, int value);
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);

    // How to keep other copies of the program off the file (see Lock).
    void SetLocker(FileLocker locker) { locker_ = std::move(locker); }
    // Called when a write of the file has failed, once the file's lock is
    // released again: once for a lock held over several writes.
    void SetWriteFailed(std::function<void()> notice) { writeFailed_ = std::move(notice); }

    // Keeps other copies of the program off the file as long as it lives, so
    // that what is read meanwhile is still what is there when it is written
    // back. Every write takes the lock for itself too; held locks nest.
    class [[nodiscard]] Hold {
    public:
        explicit Hold(Profile& profile);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        Profile& profile_;
    };
    Hold Lock() { return Hold(*this); }

private:
    struct Lookup;
    Lookup Find(std::FILE* file, const std::string& section, const std::string& key) const;
    Lookup Find(const std::string& section, const std::string& key) const;
    bool Write(const std::string& section, const std::string& key, const std::string& value);
    bool Replace(std::FILE* original, std::uint64_t size, std::uint64_t start, std::uint64_t end,
                 const std::string& text);

    std::string path_;
    FileLocker locker_;
    std::function<void()> writeFailed_;
    bool failedUnderLock_ = false;
    int lockDepth_ = 0;
    std::unique_ptr<FileLock> held_;
};
