// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/LinkRule.h"

#include <sys/stat.h>
#include <unistd.h>

#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Links followed for one path; more are taken for a loop (the kernel gives
// up after as many).
constexpr int MAX_LINK_HOPS = 40;

// Whether the link that lstat described as `link` may be followed, in `folder`
// (empty for the current folder).
bool MayFollow(const struct stat& link, const fs::path& folder)
{
    struct stat owner {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &owner) != 0) return false;
    const bool shared = (owner.st_mode & S_ISVTX) != 0 && (owner.st_mode & S_IWOTH) != 0;
    return MayFollowLink(link.st_uid, owner.st_uid, shared, ::geteuid());
}

// Puts the names of `path` in front of those still to walk (which are kept
// last first).
void PushNames(const fs::path& path, std::vector<fs::path>& todo)
{
    const std::vector<fs::path> names(path.begin(), path.end());
    todo.insert(todo.end(), names.rbegin(), names.rend());
}

} // namespace

// The path is walked one name at a time, as the kernel walks it: `done` never holds
// a link, so ".." after it is its parent.
FollowedPath FollowLinks(const fs::path& path)
{
    std::vector<fs::path> todo;
    PushNames(path, todo);
    fs::path done;
    int hops = 0;
    while (!todo.empty()) {
        const fs::path name = std::move(todo.back());
        todo.pop_back();
        if (name.empty() || name == ".") continue;
        if (name.has_root_path()) {
            done = name;
            continue;
        }
        if (name == "..") {
            if (done.empty() || done.filename() == "..")
                done /= name;
            else if (done != done.root_path())
                done = done.parent_path();
            continue;
        }
        const fs::path next = done / name;
        struct stat entry {};
        if (::lstat(next.c_str(), &entry) != 0) {
            // Nothing there (or nothing to be looked at): no link is met on
            // the way, and what opens the path fails or makes the file.
            done = next;
            while (!todo.empty()) {
                done /= todo.back();
                todo.pop_back();
            }
            break;
        }
        if (!S_ISLNK(entry.st_mode)) {
            done = next;
            continue;
        }
        if (!MayFollow(entry, done)) return {LinkWalk::Refused, {}};
        std::error_code error;
        const fs::path target = fs::read_symlink(next, error);
        if (error || ++hops > MAX_LINK_HOPS) return {LinkWalk::Broken, {}};
        PushNames(target, todo);
    }
    return {LinkWalk::Resolved, done};
}
