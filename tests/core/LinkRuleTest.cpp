// SPDX-License-Identifier: GPL-3.0-or-later
// Links in shared folders (sticky and writable by all, as /tmp): followed
// only when they are the user's own or the folder owner's, as Linux does with
// protected_symlinks on. Setting a link's owner takes root; without it the
// tests that need one are skipped.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FileTestFolder.h"
#include "core/files/AtomicFile.h"
#include "core/files/KeptGameFile.h"
#include "core/files/LinkRule.h"
#include "core/files/RegularFile.h"
#include "core/files/WinGraph.h"
#include "core/settings/Profile.h"

namespace {

namespace fs = std::filesystem;

// Users other than the one running the tests.
constexpr std::uint32_t STRANGER = 12345;
constexpr std::uint32_t FOLDER_OWNER = 12346;

TEST(LinkRule, OnlySharedFoldersRestrictWhoseLinksAreFollowed)
{
    constexpr std::uint32_t user = 1000;
    // Outside a shared folder every link is followed.
    EXPECT_TRUE(MayFollowLink(STRANGER, FOLDER_OWNER, false, user));
    // In one, the user's own links and the folder owner's, no one else's.
    EXPECT_TRUE(MayFollowLink(user, FOLDER_OWNER, true, user));
    EXPECT_TRUE(MayFollowLink(FOLDER_OWNER, FOLDER_OWNER, true, user));
    EXPECT_FALSE(MayFollowLink(STRANGER, FOLDER_OWNER, true, user));
}

class SharedFolderLinks : public FileTestFolder {
protected:
    void SetUp() override
    {
        FileTestFolder::SetUp();
        if (::geteuid() != 0) GTEST_SKIP() << "giving a link another owner takes root";
        fs::create_directories(dir / "mine");
        precious = dir / "mine" / "precious";
        WriteBytes(precious.string(), {'k', 'e', 'e', 'p'});
    }

    // A folder of `owner` with the mode `mode` (1777 makes it shared).
    fs::path Folder(const std::string& name, mode_t mode, std::uint32_t owner) const
    {
        const fs::path folder = dir / name;
        fs::create_directory(folder);
        EXPECT_EQ(::chmod(folder.c_str(), mode), 0);
        EXPECT_EQ(::chown(folder.c_str(), owner, owner), 0);
        return folder;
    }
    // A link at `at` to `to`, owned by `owner`.
    static void Plant(const fs::path& to, const fs::path& at, std::uint32_t owner)
    {
        fs::create_symlink(to, at);
        EXPECT_EQ(::lchown(at.c_str(), owner, owner), 0);
    }
    // Whether the game takes the file at `path` for the precious file: reads
    // it and writes over it.
    bool Followed(const fs::path& path) const
    {
        const bool read = KindOf(path.string()) == FileKind::Regular && ReadRegularFile(path.string(), 16).has_value();
        const bool written = WriteFileAtomically(path.string(), "new", 3);
        EXPECT_EQ(read, written) << path;
        return read && written;
    }
    std::string Precious() const
    {
        const std::vector<std::uint8_t> b = Bytes(precious.string());
        return {b.begin(), b.end()};
    }

    fs::path precious;
};

TEST_F(SharedFolderLinks, LinksAreFollowedWhereTheKernelWouldFollowThem)
{
    // A folder that is not shared: anyone's link is followed.
    const fs::path plain = Folder("plain", 0777, FOLDER_OWNER);
    Plant(precious, plain / "stranger's", STRANGER);
    EXPECT_TRUE(Followed(plain / "stranger's"));
    EXPECT_EQ(Precious(), "new");

    // A shared folder: the user's own link and the folder owner's.
    const fs::path shared = Folder("shared", 01777, FOLDER_OWNER);
    Plant(precious, shared / "own", ::geteuid());
    Plant(precious, shared / "owner's", FOLDER_OWNER);
    WriteBytes(precious.string(), {'k', 'e', 'e', 'p'});
    EXPECT_TRUE(Followed(shared / "own"));
    EXPECT_EQ(Precious(), "new");
    WriteBytes(precious.string(), {'k', 'e', 'e', 'p'});
    EXPECT_TRUE(Followed(shared / "owner's"));
    EXPECT_EQ(Precious(), "new");

    // Sticky but not writable by all, or writable by all but not sticky.
    for (const mode_t mode : {01775, 0777}) {
        ASSERT_EQ(::chmod(shared.c_str(), mode), 0);
        fs::remove(shared / "stranger's");
        Plant(precious, shared / "stranger's", STRANGER);
        EXPECT_TRUE(Followed(shared / "stranger's")) << std::oct << mode;
    }
    EXPECT_TRUE(fs::is_symlink(shared / "own"));
    EXPECT_EQ(FollowLinks(shared / "own").path, precious);
}

// Another user's link in a shared folder: the name is missing to every
// reader and refused to every writer, and the file it points to stays as it
// was, with nothing new beside it.
TEST_F(SharedFolderLinks, AnotherUsersLinkInASharedFolderIsNeverFollowed)
{
    const fs::path shared = Folder("shared", 01777, FOLDER_OWNER);
    KeptRecord game;
    game.id = 7;
    const std::vector<std::uint8_t> keptBytes = EncodeKeptGame(game);
    WriteBytes(precious.string(), keptBytes);
    for (const char* name : {"tablorw.sav", "tablorw32.gph", "tablorw.ini"}) Plant(precious, shared / name, STRANGER);

    const std::string sav = (shared / "tablorw.sav").string();
    EXPECT_EQ(FollowLinks(sav).walk, LinkWalk::Refused);
    EXPECT_EQ(KindOf(sav), FileKind::Missing);
    EXPECT_EQ(OpenRegularFile(sav), nullptr);
    EXPECT_FALSE(ReadRegularFile(sav, 1000));
    KeptRecord read;
    EXPECT_EQ(ReadKeptGame(sav, read), KeptFileResult::Missing);
    EXPECT_FALSE(WriteFileAtomically(sav, "x", 1));
    AtomicFile atomic(sav);
    EXPECT_FALSE(atomic.Open());

    WinGraph graph;
    EXPECT_FALSE(UpdateWinGraph((shared / "tablorw32.gph").string(), graph, true));
    Profile profile((shared / "tablorw.ini").string());
    EXPECT_EQ(profile.GetString("Game", "Human", "none"), "none");
    EXPECT_FALSE(profile.WriteInt("Game", "Human", 1));

    EXPECT_EQ(Bytes(precious.string()), keptBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "mine"), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(shared), {}), 3);
}

// Each link of a chain is looked at in its own folder, a folder's link as
// well as the file's.
TEST_F(SharedFolderLinks, EveryHopIsCheckedInItsOwnFolder)
{
    const fs::path plain = Folder("plain", 0755, ::geteuid());
    const fs::path shared = Folder("shared", 01777, FOLDER_OWNER);
    // The user's link leads to a stranger's link in the shared folder.
    Plant(precious, shared / "stranger's", STRANGER);
    Plant(fs::path("..") / "shared" / "stranger's", plain / "first", ::geteuid());
    EXPECT_EQ(FollowLinks(plain / "first").walk, LinkWalk::Refused);
    EXPECT_FALSE(Followed(plain / "first"));
    // A stranger's link to the user's folder, on the way to a file.
    Plant(dir / "mine", shared / "folder", STRANGER);
    EXPECT_EQ(FollowLinks(shared / "folder" / "precious").walk, LinkWalk::Refused);
    EXPECT_FALSE(Followed(shared / "folder" / "precious"));
    EXPECT_FALSE(WriteFileAtomically((shared / "folder" / "new").string(), "x", 1));
    EXPECT_EQ(Precious(), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "mine"), {}), 1);

    // The same chain of links of the folder's owner is followed to the end,
    // a relative link counted from its own folder.
    fs::remove(shared / "stranger's");
    Plant(precious, shared / "stranger's", FOLDER_OWNER);
    const FollowedPath followed = FollowLinks(plain / "first");
    EXPECT_EQ(followed.walk, LinkWalk::Resolved);
    EXPECT_EQ(followed.path, precious);
    EXPECT_TRUE(Followed(plain / "first"));
    EXPECT_EQ(Precious(), "new");
}

} // namespace
