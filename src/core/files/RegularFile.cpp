// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RegularFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/files/LinkRule.h"

namespace fs = std::filesystem;

namespace {

// What stands at a path that holds no link (or at a link put there since).
FileKind KindOfResolved(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return FileKind::Missing;
    return fs::is_regular_file(status) ? FileKind::Regular : FileKind::Other;
}

} // namespace

// A name whose links may not be followed is as good as missing.
FileKind KindOf(const std::string& path)
{
    const FollowedPath followed = FollowLinks(path);
    return followed.walk == LinkWalk::Resolved ? KindOfResolved(followed.path) : FileKind::Missing;
}

// The kind is looked at before the file is opened, since opening a fifo for
// reading already blocks until some other process opens it for writing. The
// standard library cannot open without blocking and look at what it opened,
// so a fifo put in the file's place in between is not caught; nothing the
// program does itself puts one there. "e" closes the file in programs the game
// starts: the rolls file stays open for a whole run. The file opened is the
// one the links were followed to, as far as they may be followed.
FileHandle OpenRegularFile(const std::string& path)
{
    const FollowedPath followed = FollowLinks(path);
    if (followed.walk != LinkWalk::Resolved || KindOfResolved(followed.path) != FileKind::Regular) return nullptr;
    return FileHandle(std::fopen(followed.path.c_str(), "rbe"));
}

std::optional<std::vector<std::uint8_t>> ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    const FileHandle file = OpenRegularFile(path);
    if (file == nullptr) return std::nullopt;
    // Read in pieces, so that a small file under a large limit takes little memory.
    constexpr std::size_t PIECE = 64 * 1024;
    std::vector<std::uint8_t> bytes;
    while (bytes.size() < maxBytes) {
        const std::size_t have = bytes.size();
        const std::size_t want = std::min(PIECE, maxBytes - have);
        bytes.resize(have + want);
        const std::size_t got = std::fread(bytes.data() + have, 1, want, file.get());
        bytes.resize(have + got);
        if (got < want) break;
    }
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}
