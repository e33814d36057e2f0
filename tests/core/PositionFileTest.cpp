// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "FileTestFolder.h"
#include "HostileFiles.h"
#include "core/files/PositionFile.h"

namespace {

namespace fs = std::filesystem;
namespace Off = PositionFileOffset;

class PositionFiles : public FileTestFolder {
protected:
    void SetUp() override
    {
        FileTestFolder::SetUp();
        path = (dir / "game.pos").string();
    }

    std::vector<std::uint8_t> Bytes() const { return FileTestFolder::Bytes(path); }
    void WriteBytes(const std::vector<std::uint8_t>& bytes) const { FileTestFolder::WriteBytes(path, bytes); }
    // A whole file of `data`, cut to `size` bytes.
    void WriteData(const PositionFileData& data, std::size_t size = POSITION_FILE_SIZE) const
    {
        const PositionFileBytes b = EncodePositionFile(data);
        WriteBytes({b.begin(), b.begin() + static_cast<std::ptrdiff_t>(size)});
    }

    std::string path;
};

// A game in progress with a value in every field.
PositionFileData SampleGame()
{
    BoardData board = WithFixedOwners(StandardSetup());
    board[1].count = 1;
    board[HUMAN_TRAY].count = 1;
    PositionFileData d;
    d.board = ToImage(board);
    d.die = {3, 5, 255, 255};
    d.reserved = 0xAB;
    d.moves = 2;
    d.movesMade = 0;
    d.race = 1;
    d.raceRest = {7, 8, 9};
    d.thinkingTimeHuman = 75400;
    d.thinkingTimeComputer = 1234;
    d.cubeOwner = HUMAN;
    d.cubeValue = 4;
    d.pipsRolledHuman = 101;
    d.pipsRolledComputer = 97;
    d.computerMayDouble = 0;
    d.doublesRolledHuman = 3;
    d.doublesRolledComputer = 2;
    d.hitsMadeHuman = 2147483647; // the largest count is written as it is
    d.hitsMadeComputer = 5;
    return d;
}

// An old game with other values everywhere, to see what a short file keeps.
PositionFileData OldGame()
{
    PositionFileData d;
    d.board = ToImage(WithFixedOwners(StandardSetup()));
    d.die = {1, 1, 1, 1};
    d.moves = 4;
    d.movesMade = 2;
    d.thinkingTimeHuman = 0x11223344;
    d.thinkingTimeComputer = 999;
    d.cubeValue = 2;
    d.cubeOwner = COMPUTER;
    d.hitsMadeComputer = 42;
    return d;
}

TEST_F(PositionFiles, LayoutFieldByField)
{
    const PositionFileData d = SampleGame();
    ASSERT_TRUE(WritePositionFile(path, d));
    const std::vector<std::uint8_t> b = Bytes();
    ASSERT_EQ(b.size(), 286u);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 4), (std::vector<std::uint8_t>{0x20, 0, 0, 0}));
    // Board entry 1: count, three zero bytes, owner.
    EXPECT_EQ(b[4 + 8 * 1], 1);
    EXPECT_EQ(b[4 + 8 * 1 + 1], 0);
    EXPECT_EQ(Int32At(b, 4 + 8 * 1 + 4), HUMAN);
    EXPECT_EQ(Int32At(b, 4 + 8 * HUMAN_TRAY + 4), HUMAN);
    EXPECT_EQ(b[228], 3);
    EXPECT_EQ(b[229], 5);
    EXPECT_EQ(b[230], 255);
    EXPECT_EQ(b[231], 255);
    EXPECT_EQ(b[232], 0xAB);
    EXPECT_EQ(Int32At(b, 233), 2);
    EXPECT_EQ(Int32At(b, 237), 0);
    EXPECT_EQ(b[241], 1);
    EXPECT_EQ(b[242], 7);
    EXPECT_EQ(b[244], 9);
    EXPECT_EQ(Int32At(b, 245), 75400);
    EXPECT_EQ(Int32At(b, 249), 1234);
    EXPECT_EQ(Int32At(b, 253), HUMAN);
    EXPECT_EQ(Int32At(b, 257), 4);
    EXPECT_EQ(Int32At(b, 261), 101);
    EXPECT_EQ(Int32At(b, 265), 97);
    EXPECT_EQ(b[269], 0);
    EXPECT_EQ(Int32At(b, 270), 3);
    EXPECT_EQ(Int32At(b, 274), 2);
    EXPECT_EQ(Int32At(b, 278), 2147483647);
    EXPECT_EQ(Int32At(b, 282), 5);

    PositionFileData back = OldGame();
    ASSERT_EQ(ReadPositionFile(path, back), PositionFileResult::Ok);
    EXPECT_EQ(back, d);
}

TEST_F(PositionFiles, ShortFilesKeepWhatTheyDoNotHold)
{
    const PositionFileData d = SampleGame();
    const PositionFileData old = OldGame();

    // Magic and board only: the board changes, every other field stays, but
    // moves made always restarts at 0.
    WriteData(d, 228);
    PositionFileData got = old;
    ASSERT_EQ(ReadPositionFile(path, got), PositionFileResult::Ok);
    EXPECT_EQ(got.board, d.board);
    EXPECT_EQ(got.die, old.die);
    EXPECT_EQ(got.moves, old.moves);
    EXPECT_EQ(got.movesMade, 0);
    EXPECT_EQ(got.cubeValue, old.cubeValue);
    EXPECT_EQ(got.hitsMadeComputer, old.hitsMadeComputer);

    // A file ending two bytes into the human's thinking time takes those two
    // bytes and keeps the two high bytes of the old value.
    WriteData(d, Off::ThinkingTimeHuman + 2);
    got = old;
    ASSERT_EQ(ReadPositionFile(path, got), PositionFileResult::Ok);
    EXPECT_EQ(got.die, d.die);
    EXPECT_EQ(got.race, d.race);
    EXPECT_EQ(got.thinkingTimeHuman, (0x11223344 & ~0xFFFF) | (75400 & 0xFFFF));
    EXPECT_EQ(got.thinkingTimeComputer, old.thinkingTimeComputer);
    EXPECT_EQ(got.cubeOwner, old.cubeOwner);

    // A file ending inside the board image keeps the rest of the old table.
    PositionFileData moved = old;
    BoardData b = FromImage(old.board);
    b[1].count = 1;
    b[2] = Spot{1, HUMAN};
    moved.board = ToImage(b);
    WriteData(moved, 4 + 8 * 3);
    PositionFileData start = old;
    BoardData other = FromImage(old.board);
    other[24].count = 1;
    other[23] = Spot{1, COMPUTER};
    start.board = ToImage(other);
    ASSERT_EQ(ReadPositionFile(path, start), PositionFileResult::Ok);
    const BoardData mixed = FromImage(start.board);
    EXPECT_EQ(mixed[1], (Spot{1, HUMAN}));
    EXPECT_EQ(mixed[2], (Spot{1, HUMAN}));
    EXPECT_EQ(mixed[23], (Spot{1, COMPUTER}));
    EXPECT_EQ(mixed[24], (Spot{1, COMPUTER}));
    EXPECT_EQ(start.cubeValue, old.cubeValue);

    // A moves-made field other than 0 is taken as 0.
    PositionFileData made = d;
    made.movesMade = 3;
    WriteData(made);
    got = old;
    ASSERT_EQ(ReadPositionFile(path, got), PositionFileResult::Ok);
    EXPECT_EQ(got.movesMade, 0);
}

TEST_F(PositionFiles, RefusedFilesLeaveTheGameUntouched)
{
    const PositionFileData old = OldGame();
    auto expectRefused = [&](const std::vector<std::uint8_t>& bytes, const char* what) {
        WriteBytes(bytes);
        PositionFileData got = old;
        EXPECT_EQ(ReadPositionFile(path, got), PositionFileResult::Invalid) << what;
        EXPECT_EQ(got, old) << what;
    };
    auto fileWith = [](const BoardData& board) {
        PositionFileData d = SampleGame();
        d.board = ToImage(board);
        const PositionFileBytes b = EncodePositionFile(d);
        return std::vector<std::uint8_t>(b.begin(), b.end());
    };
    const BoardData standard = WithFixedOwners(StandardSetup());

    expectRefused({}, "empty");
    expectRefused({0x20, 0, 0}, "three bytes");
    expectRefused({' ', 'a', 'b', 'c', 'd'}, "text");
    std::vector<std::uint8_t> wrongMagic = fileWith(standard);
    wrongMagic[0] = 33;
    expectRefused(wrongMagic, "magic 33");

    BoardData b = standard;
    b[6].count = 16;
    expectRefused(fileWith(b), "count 16");
    b = standard;
    b[6].count = -1;
    expectRefused(fileWith(b), "negative count");
    b = standard;
    b[6].owner = 3;
    expectRefused(fileWith(b), "owner 3");
    b = standard;
    b[HUMAN_BAR].owner = COMPUTER;
    expectRefused(fileWith(b), "bar of the other side");
    b = standard;
    b[COMPUTER_TRAY].owner = HUMAN;
    expectRefused(fileWith(b), "tray of the other side");
    b = standard;
    b[3] = Spot{2, NOBODY};
    expectRefused(fileWith(b), "pieces owned by nobody");
    b = standard;
    b[2] = Spot{1, HUMAN};
    expectRefused(fileWith(b), "16 human pieces");
    b = standard;
    b[COMPUTER_TRAY].count = 1;
    expectRefused(fileWith(b), "16 computer pieces");

    for (std::int32_t value : {0, 3, 128, -2}) {
        PositionFileData d = SampleGame();
        d.cubeValue = value;
        const PositionFileBytes bytes = EncodePositionFile(d);
        expectRefused({bytes.begin(), bytes.end()}, "cube value");
    }
    for (std::int32_t owner : {-1, 3}) {
        PositionFileData d = SampleGame();
        d.cubeOwner = owner;
        const PositionFileBytes bytes = EncodePositionFile(d);
        expectRefused({bytes.begin(), bytes.end()}, "cube owner");
    }

    PositionFileData got = old;
    EXPECT_EQ(ReadPositionFile((dir / "none.pos").string(), got), PositionFileResult::CannotOpen);
    EXPECT_EQ(got, old);
}

// A game already over, statistics no game counts, and things that are no
// files: each is refused like a damaged file, with the game untouched.
TEST_F(PositionFiles, OverGamesNegativeCountsAndNoFilesAreInvalid)
{
    const PositionFileData old = OldGame();
    auto read = [&](const std::string& from) {
        PositionFileData got = old;
        const PositionFileResult result = ReadPositionFile(from, got);
        EXPECT_EQ(got, old) << from;
        return result;
    };
    auto board = [](int humanOff, int computerOff) {
        BoardData b{};
        b[HUMAN_TRAY].count = static_cast<std::int8_t>(humanOff);
        b[COMPUTER_TRAY].count = static_cast<std::int8_t>(computerOff);
        b[20] = Spot{static_cast<std::int8_t>(PIECES_PER_SIDE - humanOff), HUMAN};
        b[5] = Spot{static_cast<std::int8_t>(PIECES_PER_SIDE - computerOff), COMPUTER};
        return WithFixedOwners(b);
    };
    for (const auto& [humanOff, computerOff] : std::initializer_list<std::pair<int, int>>{{15, 0}, {0, 15}, {15, 15}}) {
        PositionFileData d = SampleGame();
        d.board = ToImage(board(humanOff, computerOff));
        WriteData(d);
        EXPECT_EQ(read(path), PositionFileResult::Invalid) << humanOff << " and " << computerOff << " borne off";
    }
    PositionFileData d = SampleGame();
    d.board = ToImage(board(14, 14));
    WriteData(d);
    PositionFileData got = old;
    EXPECT_EQ(ReadPositionFile(path, got), PositionFileResult::Ok) << "14 borne off a side";

    for (int field : {Off::ThinkingTimeHuman, Off::ThinkingTimeComputer, Off::PipsRolledHuman, Off::PipsRolledComputer,
                      Off::DoublesRolledHuman, Off::DoublesRolledComputer, Off::HitsMadeHuman, Off::HitsMadeComputer}) {
        PositionFileBytes bytes = EncodePositionFile(SampleGame());
        bytes[field + 3] = 0x80; // the sign bit of a little-endian int32
        WriteBytes({bytes.begin(), bytes.end()});
        EXPECT_EQ(read(path), PositionFileResult::Invalid) << "negative field at " << field;
    }

    // A fifo that another process holds open with a good file in it would
    // block the game; devices never end; a folder holds nothing.
    const PositionFileBytes good = EncodePositionFile(SampleGame());
    const FilledFifo fifo((dir / "fifo.pos").string(), std::string(good.begin(), good.end()));
    ASSERT_TRUE(fifo.Ready());
    EXPECT_EQ(read(fifo.Path()), PositionFileResult::Invalid);
    EXPECT_EQ(read("/dev/zero"), PositionFileResult::Invalid);
    EXPECT_EQ(read(dir.string()), PositionFileResult::Invalid);
}

TEST_F(PositionFiles, OpeningTurnTableLoadsWithFixedOwners)
{
    // Saved at the human's opening turn: bars and trays hold owner 0, and an
    // emptied point may keep a stale owner.
    BoardData b = StandardSetup();
    b[1].count = 0;
    b[2] = Spot{2, HUMAN};
    PositionFileData d = SampleGame();
    d.board = ToImage(b);
    WriteData(d);
    PositionFileData got = OldGame();
    ASSERT_EQ(ReadPositionFile(path, got), PositionFileResult::Ok);
    const BoardData loaded = FromImage(got.board);
    EXPECT_EQ(loaded[1], (Spot{0, NOBODY}));
    BoardData expected = WithFixedOwners(b);
    expected[1].owner = NOBODY;
    EXPECT_EQ(loaded, expected);
    EXPECT_TRUE(IsValid(loaded));

    // Every cube value that doubling can reach is taken.
    for (std::int32_t value : {1, 2, 4, 8, 16, 32, 64}) {
        d.cubeValue = value;
        WriteData(d);
        got = OldGame();
        EXPECT_EQ(ReadPositionFile(path, got), PositionFileResult::Ok) << value;
        EXPECT_EQ(got.cubeValue, value);
    }
}

} // namespace
