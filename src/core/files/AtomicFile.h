// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a file whole or not at all. The new content goes into a temporary
// file in the same folder, is flushed and closed, and only then renamed over
// the old file, which the rename replaces in one step. A crash, a kill or a
// full disk therefore leaves either the old file or the new one, never one
// cut short; and whatever fails, the old file stays byte for byte as it was.
// Every writer of the game's files goes through here: the settings file,
// position files, the colour schemes and the statistics graph.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

class AtomicFile {
public:
    // Prepares to replace the file at `path`; through a link, the file the
    // link points to is replaced (or made, when it is not there) and the link
    // kept. Links are followed as FollowLinks (LinkRule.h) allows.
    explicit AtomicFile(const std::string& path);
    // Removes the temporary file unless it was committed.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file, in the file's folder under a name that
    // begins like the file's. False when something that is no regular file
    // stands at the path (a fifo, a device, a folder), when the links there
    // go round in a loop or one of them may not be followed, when the file
    // is there but may not be written, or when no file can be made in its
    // folder.
    bool Open();
    // Appends bytes to the new content; false once anything failed.
    bool Write(const void* data, std::size_t size);
    // Flushes and closes the new content and renames it over the old file,
    // with the old file's permissions. False, with the old file untouched
    // and the temporary file gone, when any step failed.
    bool Commit();

    // The file that is replaced (a link's target).
    const std::filesystem::path& Target() const { return target; }
    // The temporary file while it is open; empty before Open and after Commit.
    const std::filesystem::path& Temporary() const { return temp; }
    // The files in the target's folder named as this file's temporary files
    // are (other than its own): what writers of the same file left behind, or
    // another writer's at work. Whether one is still in use is the caller's
    // question.
    std::vector<std::filesystem::path> OtherTemporaries() const;

private:
    std::filesystem::path target;
    std::filesystem::path temp;
    std::FILE* out = nullptr;
    bool ok = false;
    bool existed = false;
    bool linkBroken = false; // the links at the path lead to no file, or may not be followed
};

// Whether `name` is a name AtomicFile gives a temporary file of the file named `fileName`.
bool IsTemporaryName(const std::string& fileName, const std::string& name);

// Writes `size` bytes as the whole new content of the file at `path`.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);
