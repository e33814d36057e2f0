// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening files that come from outside the program. Only a regular file (or a
// link to one) is opened: a fifo would block the game for good, a device such
// as /dev/zero would never end, and a folder holds no data. A reader then
// takes no more bytes than it can use.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/files/FileHandle.h"

// Links are followed only as FollowLinks (LinkRule.h) allows: a name whose
// links may not be followed is missing.
enum class FileKind {
    Missing, // nothing there (or nothing that can be looked at)
    Regular, // a regular file, or a link to one
    Other    // a fifo, a device, a socket, a folder
};

// What stands at `path`, following links.
FileKind KindOf(const std::string& path);

// The file opened for reading in binary mode when it is a regular file;
// null when it is missing, something else, or cannot be opened.
FileHandle OpenRegularFile(const std::string& path);

// At most `maxBytes` bytes from the start of the regular file at `path`;
// nothing when it is no regular file or cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadRegularFile(const std::string& path, std::size_t maxBytes);
