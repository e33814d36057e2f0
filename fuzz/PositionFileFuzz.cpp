// SPDX-License-Identifier: GPL-3.0-or-later
// Opens any bytes as a position file, as the Open command does, over the game
// at a new game and over a game in progress. A file taken as Ok must give a
// board the model accepts, a cube it can show and no move to take back; a
// refused file must leave the game as it was; what was read must be the
// file's bytes laid over the old values; and saving what was read must open
// again as the same game.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "core/board/BoardData.h"
#include "core/files/PositionFile.h"

namespace {

// The fields of a game as Save would write them.
PositionFileData Game(const BoardData& board, int cubeOwner, int cubeValue, int movesMade)
{
    PositionFileData d;
    d.board = ToImage(board);
    d.die = {3, 1, 255, 255};
    d.moves = 2;
    d.movesMade = movesMade;
    d.cubeOwner = cubeOwner;
    d.cubeValue = cubeValue;
    d.thinkingTimeHuman = 1234;
    d.thinkingTimeComputer = 5678;
    d.pipsRolledHuman = 40;
    d.pipsRolledComputer = 37;
    return d;
}

// A game in progress: a human piece hit to the bar, two computer pieces off,
// the human owning a cube of 8, and one move of the turn made.
PositionFileData GameInProgress()
{
    BoardData b = WithFixedOwners(StandardSetup());
    MoveTo(b, 1, 4, HUMAN);
    MoveTo(b, 6, 4, COMPUTER);
    for (int k = 0; k < 4; ++k) MoveTo(b, 6, 2, COMPUTER);
    MoveTo(b, 2, COMPUTER_TRAY, COMPUTER);
    MoveTo(b, 2, COMPUTER_TRAY, COMPUTER);
    Require(IsValid(b), "the game in progress is a valid board");
    return Game(b, HUMAN, 8, 1);
}

constexpr bool IsCubeValue(std::int32_t v) { return v >= 1 && v <= 64 && (v & (v - 1)) == 0; }

// One Open over the game `before`.
void OpenOver(const std::string& path, const std::uint8_t* data, std::size_t size, const PositionFileData& before)
{
    PositionFileData read = before;
    const PositionFileResult result = ReadPositionFile(path, read);
    Require(result != PositionFileResult::CannotOpen, "the written file can be opened");
    if (result == PositionFileResult::Invalid) {
        Require(read == before, "a refused file leaves the game untouched");
        return;
    }
    Require(size >= 4, "a file shorter than its magic value is refused");

    // What the game takes over (LoadPosition): the board with the fixed owners.
    const BoardData board = WithFixedOwners(FromImage(read.board));
    Require(IsValid(board), "an opened board keeps the model's invariants");
    Require(IsCubeValue(read.cubeValue), "the cube value is a power of two 1..64");
    Require(read.cubeOwner >= NOBODY && read.cubeOwner <= HUMAN, "the cube owner is 0..2");
    Require(read.movesMade == 0, "an opened turn has no move to take back");

    // Apart from the normalised board and moves made, the fields hold the
    // file's bytes laid over the old values.
    PositionFileData raw = before;
    DecodePositionFile(data, size, raw);
    const PositionFileBytes rawBytes = EncodePositionFile(raw);
    const PositionFileBytes oldBytes = EncodePositionFile(before);
    const std::size_t laid = std::min<std::size_t>(size, POSITION_FILE_SIZE);
    Require(std::equal(data, data + laid, rawBytes.begin()), "decoding keeps the file's bytes");
    Require(std::equal(oldBytes.begin() + static_cast<std::ptrdiff_t>(laid), oldBytes.end(),
                       rawBytes.begin() + static_cast<std::ptrdiff_t>(laid)),
            "decoding keeps the old values after the end of the file");
    PositionFileData expected = raw;
    expected.board = read.board;
    expected.movesMade = 0;
    Require(read == expected, "the fields read are the file's");
    Require(IsValid(FromImage(read.board)), "the reader hands over the board already normalised");

    // Save right after Open, then Open again: the same game.
    const std::string again = FuzzPath("again.pos");
    Require(WritePositionFile(again, read), "the opened game can be saved");
    PositionFileData reread = before;
    Require(ReadPositionFile(again, reread) == PositionFileResult::Ok, "a saved game opens again");
    Require(reread == read, "a saved game opens again as itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = FuzzPath("input.pos");
    static const PositionFileData newGame = Game(StandardSetup(), NOBODY, 1, 0);
    static const PositionFileData inProgress = GameInProgress();
    WriteInput(path, data, size);
    OpenOver(path, data, size, newGame);
    OpenOver(path, data, size, inProgress);
    return 0;
}
