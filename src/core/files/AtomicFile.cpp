// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/AtomicFile.h"

#include <algorithm>
#include <chrono>
#include <system_error>

#include "core/files/LinkRule.h"

namespace fs = std::filesystem;

namespace {

// Attempts at a free name for the temporary file.
constexpr int TEMP_NAME_ATTEMPTS = 50;

// Bytes of the file's name that begin the temporary file's name. With ".tmp"
// and a number of at most 20 digits the name stays well within the 255 bytes
// a name may have, however long the file's own name is.
constexpr std::size_t TEMP_PREFIX_BYTES = 32;

// The start of a file name, for the temporary file's name: cut before a byte
// that continues a UTF-8 character, so that a temporary file left by a crash
// lists readably.
std::string NamePrefix(const std::string& name)
{
    std::size_t length = std::min(name.size(), TEMP_PREFIX_BYTES);
    while (length > 0 && length < name.size() && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
    return name.substr(0, length);
}

// The digits that end a temporary file's name: a steady-clock count.
constexpr std::size_t MAX_STAMP_DIGITS = 20;
constexpr const char* TEMP_INFIX = ".tmp";

} // namespace

bool IsTemporaryName(const std::string& fileName, const std::string& name)
{
    const std::string start = NamePrefix(fileName) + TEMP_INFIX;
    if (name.size() <= start.size() || name.size() > start.size() + MAX_STAMP_DIGITS) return false;
    if (name.compare(0, start.size(), start) != 0) return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(start.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<fs::path> AtomicFile::OtherTemporaries() const
{
    std::vector<fs::path> found;
    if (linkBroken) return found;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string fileName = target.filename().string();
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& entry = it->path();
        if (entry.filename() != temp.filename() && IsTemporaryName(fileName, entry.filename().string()))
            found.push_back(entry);
    }
    return found;
}

// Follows the links one by one rather than asking for the canonical path,
// which only exists when the file does: a link to a file not made yet stays a
// link too, and the file is made where it points. A link another user put in
// a shared folder is not followed: the name cannot be written.
AtomicFile::AtomicFile(const std::string& path) : target(path)
{
    const FollowedPath followed = FollowLinks(target);
    if (followed.walk == LinkWalk::Resolved)
        target = followed.path;
    else
        linkBroken = true;
}

AtomicFile::~AtomicFile()
{
    if (out != nullptr) std::fclose(out);
    if (!temp.empty()) {
        std::error_code error;
        fs::remove(temp, error);
    }
}

bool AtomicFile::Open()
{
    // A loop of links leads to no file, nor does a link that may not be
    // followed; writing would replace a link.
    if (linkBroken) return false;
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    existed = fs::exists(status);
    if (existed) {
        // Only a regular file is replaced: a fifo, a device or a folder at the
        // path is left alone (and opening a fifo would block).
        if (!fs::is_regular_file(status)) return false;
        // A file that is there but may not be written stays as it is.
        std::FILE* probe = std::fopen(target.c_str(), "r+b");
        if (probe == nullptr) return false;
        std::fclose(probe);
    }
    // A name of its own in the same folder ("x" fails when the name is taken),
    // so that the rename stays within one file system.
    const fs::path folder = target.parent_path();
    const std::string prefix = NamePrefix(target.filename().string());
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < TEMP_NAME_ATTEMPTS && out == nullptr; ++attempt) {
        const fs::path name = folder / (prefix + TEMP_INFIX + std::to_string(stamp + attempt));
        out = std::fopen(name.c_str(), "wbx");
        if (out != nullptr) temp = name;
    }
    ok = out != nullptr;
    return ok;
}

bool AtomicFile::Write(const void* data, std::size_t size)
{
    if (!ok || out == nullptr) return false;
    if (size > 0 && std::fwrite(data, 1, size, out) != size) ok = false;
    return ok;
}

bool AtomicFile::Commit()
{
    if (out == nullptr) return false;
    // A full disk shows at the latest when the buffered bytes are written out.
    ok = std::fflush(out) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    out = nullptr;
    std::error_code error;
    if (ok && existed) {
        const fs::perms perms = fs::status(target, error).permissions();
        if (!error) fs::permissions(temp, perms, error);
    }
    if (ok) {
        fs::rename(temp, target, error);
        ok = !error;
    }
    if (ok) temp.clear();
    return ok;
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    AtomicFile file(path);
    return file.Open() && file.Write(data, size) && file.Commit();
}
