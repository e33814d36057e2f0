// SPDX-License-Identifier: GPL-3.0-or-later
// Reading only regular files, a bounded amount; writing whole files or none.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <filesystem>
#include <string>

#include "FileTestFolder.h"
#include "HostileFiles.h"
#include "core/files/AtomicFile.h"
#include "core/files/RegularFile.h"

namespace {

namespace fs = std::filesystem;

class SafeFiles : public FileTestFolder {
protected:
    std::string Text(const fs::path& p) const
    {
        const std::vector<std::uint8_t> b = Bytes(p.string());
        return {b.begin(), b.end()};
    }
    bool Write(const fs::path& p, const std::string& text) const
    {
        return WriteFileAtomically(p.string(), text.data(), text.size());
    }
    std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(SafeFiles, OnlyRegularFilesAreReadAndOnlyAsMuchAsAsked)
{
    const fs::path file = dir / "data";
    WriteBytes(file.string(), std::vector<std::uint8_t>(100000, 'x'));
    EXPECT_EQ(KindOf(file.string()), FileKind::Regular);
    EXPECT_EQ(ReadRegularFile(file.string(), 10)->size(), 10u);
    EXPECT_EQ(ReadRegularFile(file.string(), 1 << 20)->size(), 100000u);
    fs::create_symlink(file, dir / "link");
    EXPECT_EQ(ReadRegularFile((dir / "link").string(), 4)->size(), 4u);
    // A file kept open (the rolls file) is not handed on to programs the game starts.
    const FileHandle open = OpenRegularFile(file.string());
    ASSERT_NE(open, nullptr);
    EXPECT_NE(fcntl(fileno(open.get()), F_GETFD) & FD_CLOEXEC, 0);

    // A fifo someone keeps open, devices that never end, a folder: none is opened.
    const FilledFifo fifo((dir / "fifo").string(), "12345678");
    ASSERT_TRUE(fifo.Ready());
    for (const std::string& other :
         {fifo.Path(), std::string("/dev/zero"), std::string("/dev/urandom"), dir.string()}) {
        EXPECT_EQ(KindOf(other), FileKind::Other) << other;
        EXPECT_EQ(OpenRegularFile(other), nullptr) << other;
        EXPECT_FALSE(ReadRegularFile(other, 4)) << other;
    }
    EXPECT_EQ(KindOf((dir / "missing").string()), FileKind::Missing);
    EXPECT_FALSE(ReadRegularFile((dir / "missing").string(), 4));
}

TEST_F(SafeFiles, WritesReplaceTheWholeFileOrLeaveItAsItWas)
{
    const fs::path file = dir / "data";
    ASSERT_TRUE(Write(file, "old content"));
    // The new content is a new file renamed over the old one: a second name
    // of the old file keeps the old bytes.
    fs::create_hard_link(file, dir / "second name");
    ASSERT_TRUE(Write(file, "new"));
    EXPECT_EQ(Text(file), "new");
    EXPECT_EQ(Text(dir / "second name"), "old content");

    // A full disk: the old file stays byte for byte, no temporary file stays.
    {
        const DiskFullAfter full(8);
        ASSERT_TRUE(full.Active());
        EXPECT_FALSE(Write(file, "much longer content"));
        EXPECT_FALSE(Write(dir / "fresh", "much longer content"));
    }
    EXPECT_EQ(Text(file), "new");
    EXPECT_EQ(Entries(), 2u);

    // Through a link the file it points to is replaced and the link kept,
    // with the file's permissions.
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(file, dir / "link");
    ASSERT_TRUE(Write(dir / "link", "through the link"));
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
    EXPECT_EQ(Text(file), "through the link");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    // Something that is no regular file is never replaced; a missing folder
    // gets no file.
    const FilledFifo fifo((dir / "fifo").string(), "");
    ASSERT_TRUE(fifo.Ready());
    EXPECT_FALSE(Write(fifo.Path(), "x"));
    EXPECT_TRUE(fs::is_fifo(fifo.Path()));
    EXPECT_FALSE(Write("/dev/full", "x"));
    EXPECT_FALSE(Write(dir, "x"));
    EXPECT_FALSE(Write(dir / "missing" / "data", "x"));
    EXPECT_EQ(Entries(), 4u);
}

// A name as long as a name may be (255 bytes) is written like any other, new
// and over an old file: the temporary file has a name that fits.
TEST_F(SafeFiles, TheLongestNamesAreWritten)
{
    const fs::path longest = dir / (std::string(251, 'n') + ".pos");
    ASSERT_TRUE(Write(longest, "long"));
    ASSERT_TRUE(Write(longest, "longer"));
    EXPECT_EQ(Text(longest), "longer");
    EXPECT_EQ(Entries(), 1u);

    // Two writers of that file at once see each other's temporary file as
    // one of that file's, and not their own; the file's own name is none.
    AtomicFile first(longest.string());
    AtomicFile second(longest.string());
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    EXPECT_EQ(first.OtherTemporaries(), std::vector<fs::path>{second.Temporary()});
    EXPECT_EQ(second.OtherTemporaries(), std::vector<fs::path>{first.Temporary()});
    EXPECT_FALSE(IsTemporaryName(longest.filename().string(), longest.filename().string()));
    EXPECT_TRUE(IsTemporaryName("a.mat", "a.mat.tmp0"));
    EXPECT_FALSE(IsTemporaryName("a.mat", "a.mat.tmp123456789012345678901"));
    EXPECT_FALSE(IsTemporaryName("a.mat", "b.mat.tmp1"));
}

// A link to a file not there yet stays a link: the file is made where it
// points, a relative target counted from the link's folder, through a chain
// of links too. A loop of links is no file: nothing is written and the links stay.
TEST_F(SafeFiles, ALinkToAMissingFileStaysALink)
{
    fs::create_directories(dir / "links");
    fs::create_directories(dir / "files");
    fs::create_symlink(dir / "files" / "absolute", dir / "links" / "absolute");
    fs::create_symlink(fs::path("..") / "files" / "relative", dir / "links" / "relative");
    fs::create_symlink("relative", dir / "links" / "chain");
    for (const char* name : {"absolute", "relative", "chain"}) {
        ASSERT_TRUE(Write(dir / "links" / name, name)) << name;
        EXPECT_TRUE(fs::is_symlink(dir / "links" / name)) << name;
    }
    EXPECT_EQ(Text(dir / "files" / "absolute"), "absolute");
    EXPECT_EQ(Text(dir / "files" / "relative"), "chain");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "files"), {}), 2);

    fs::create_symlink("loop2", dir / "links" / "loop1");
    fs::create_symlink("loop1", dir / "links" / "loop2");
    EXPECT_FALSE(Write(dir / "links" / "loop1", "x"));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "loop1"));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "loop2"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "links"), {}), 5);
}

} // namespace
