// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Links in folders that every user may write to. In such a folder with the
// sticky bit (/tmp, say) anyone can make a name, and only its owner can take
// it away: another user can put a link there under the name of one of the
// game's files, pointing at a file of the player's, and a game that followed
// it would overwrite the player's file. Linux refuses to follow such a link
// when its protected_symlinks setting is on; the game keeps the same rule
// itself, setting or not, for every file it reads or writes, since it follows
// the links to its files one hop at a time.

#include <cstdint>
#include <filesystem>

// Whether the user `user` may follow a link owned by `linkOwner` in a folder
// owned by `folderOwner`: always outside a shared folder (one both sticky and
// writable by all), and in one only a link of the user's own or of the
// folder's owner.
constexpr bool MayFollowLink(std::uint32_t linkOwner, std::uint32_t folderOwner, bool sharedFolder, std::uint32_t user)
{
    return !sharedFolder || linkOwner == user || linkOwner == folderOwner;
}

enum class LinkWalk {
    Resolved, // the path holds no link any more (up to the first name on it that is not there)
    Refused,  // a link on the way may not be followed: the name is unusable
    Broken    // the links go round in a loop, or one cannot be read
};

struct FollowedPath {
    LinkWalk walk = LinkWalk::Resolved;
    // When resolved: the same file, named without links ("." and ".." taken
    // away as the links are). The names from the first that is not there on
    // are kept as given.
    std::filesystem::path path;
};

// Follows every link in `path`, a folder's or the file's own, each checked
// against the folder it stands in (as the effective user) before it is followed.
// A relative link counts from its own folder.
FollowedPath FollowLinks(const std::filesystem::path& path);
