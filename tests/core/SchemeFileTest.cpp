// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "FileTestFolder.h"
#include "HostileFiles.h"
#include "core/files/SchemeFile.h"

namespace {

namespace fs = std::filesystem;

class SchemeFiles : public FileTestFolder {
protected:
    void SetUp() override
    {
        FileTestFolder::SetUp();
        path = (dir / "tablorw32.clr").string();
    }

    std::vector<std::uint8_t> Bytes() const { return FileTestFolder::Bytes(path); }
    void WriteBytes(const std::vector<std::uint8_t>& bytes) const { FileTestFolder::WriteBytes(path, bytes); }

    std::string path;
};

TEST_F(SchemeFiles, MissingFileGivesDefaults)
{
    EXPECT_EQ(ReadSchemes(path), DefaultSchemes);
    int cur = 2;
    EXPECT_EQ(ReadCurrentScheme(path, cur), DefaultSchemes[0]);
    EXPECT_EQ(cur, 0);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SchemeFiles, WriteAndReadBack)
{
    SchemeArray schemes = DefaultSchemes;
    schemes[1][COLOUR_HUMAN] = RGB(1, 2, 3);
    schemes[3][COLOUR_BAR] = RGB(250, 0, 128);
    ASSERT_TRUE(WriteSchemes(path, schemes));
    const std::vector<std::uint8_t> b = Bytes();
    ASSERT_EQ(b.size(), 96u);
    // Scheme B, colour 4: red, green, blue, 0.
    EXPECT_EQ(b[24 + 16], 1);
    EXPECT_EQ(b[24 + 17], 2);
    EXPECT_EQ(b[24 + 18], 3);
    EXPECT_EQ(b[24 + 19], 0);
    // Scheme A's background first.
    EXPECT_EQ(b[0], 200);
    EXPECT_EQ(b[1], 192);
    EXPECT_EQ(b[2], 200);
    EXPECT_EQ(ReadSchemes(path), schemes);

    int cur = 3;
    EXPECT_EQ(ReadCurrentScheme(path, cur), schemes[3]);
    EXPECT_EQ(cur, 3);
    cur = 4;
    EXPECT_EQ(ReadCurrentScheme(path, cur), DefaultSchemes[0]);
    EXPECT_EQ(cur, 0);
    cur = -1;
    EXPECT_EQ(ReadCurrentScheme(path, cur), DefaultSchemes[0]);
    EXPECT_EQ(cur, 0);

    EXPECT_FALSE(WriteSchemes((dir / "missing" / "x.clr").string(), schemes));
}

TEST_F(SchemeFiles, ShortAndEditedFiles)
{
    // Scheme A whole, scheme B cut short: B, C and D are the defaults.
    std::vector<std::uint8_t> bytes(24 + 23, 0);
    for (int c = 0; c < 6; ++c) {
        bytes[4 * c] = static_cast<std::uint8_t>(10 + c);
        bytes[4 * c + 3] = 0xFF; // bits 24..31 are dropped
    }
    WriteBytes(bytes);
    const SchemeArray schemes = ReadSchemes(path);
    for (int c = 0; c < 6; ++c) EXPECT_EQ(schemes[0][c], RGB(10 + c, 0, 0)) << c;
    EXPECT_EQ(schemes[1], DefaultSchemes[1]);
    EXPECT_EQ(schemes[3], DefaultSchemes[3]);

    int cur = 0;
    EXPECT_EQ(ReadCurrentScheme(path, cur)[COLOUR_BAR], RGB(15, 0, 0));
    cur = 1;
    EXPECT_EQ(ReadCurrentScheme(path, cur), DefaultSchemes[1]);
    EXPECT_EQ(cur, 1);
    cur = 3;
    EXPECT_EQ(ReadCurrentScheme(path, cur), DefaultSchemes[3]);
    EXPECT_EQ(cur, 3);
}

// A fifo in the file's place would block the start before any window
// appears: it counts as a missing file, as do devices and folders, and is
// never replaced. Writing replaces the whole file.
TEST_F(SchemeFiles, NoFileInItsPlaceGivesDefaultsAndWritesAreWhole)
{
    SchemeArray edited = DefaultSchemes;
    edited[2][COLOUR_BACKGROUND] = RGB(1, 2, 3);
    ASSERT_TRUE(WriteSchemes(path, edited));
    const std::vector<std::uint8_t> bytes = Bytes();
    fs::rename(path, dir / "edited.clr");
    const FilledFifo fifo(path, std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(fifo.Ready());
    for (const std::string& other : {path, std::string("/dev/zero"), dir.string()}) {
        EXPECT_EQ(ReadSchemes(other), DefaultSchemes) << other;
        int cur = 2;
        EXPECT_EQ(ReadCurrentScheme(other, cur), DefaultSchemes[0]) << other;
        EXPECT_EQ(cur, 0) << other;
    }
    EXPECT_FALSE(WriteSchemes(path, edited));
    EXPECT_TRUE(fs::is_fifo(path));

    // The new file replaces the old one: a second name keeps the old bytes.
    const std::string file = (dir / "edited.clr").string();
    fs::create_hard_link(file, dir / "second name");
    ASSERT_TRUE(WriteSchemes(file, DefaultSchemes));
    EXPECT_EQ(ReadSchemes(file), DefaultSchemes);
    EXPECT_EQ(FileTestFolder::Bytes((dir / "second name").string()), bytes);
}

} // namespace
