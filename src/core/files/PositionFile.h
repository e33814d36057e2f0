// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Position files: the game at the start of the human's turn in a fixed
// little-endian layout of 286 bytes that begins with the value 32.

#include <array>
#include <cstdint>
#include <string>

#include "core/board/BoardData.h"

constexpr std::int32_t POSITION_FILE_MAGIC = 32;
constexpr int POSITION_FILE_SIZE = 286;

// Byte offsets of the fields.
namespace PositionFileOffset {
constexpr int Magic = 0;
constexpr int Board = 4;
constexpr int Die = 228;
constexpr int Reserved = 232;
constexpr int Moves = 233;
constexpr int MovesMade = 237;
constexpr int Race = 241;
constexpr int ThinkingTimeHuman = 245;
constexpr int ThinkingTimeComputer = 249;
constexpr int CubeOwner = 253;
constexpr int CubeValue = 257;
constexpr int PipsRolledHuman = 261;
constexpr int PipsRolledComputer = 265;
constexpr int ComputerMayDouble = 269;
constexpr int DoublesRolledHuman = 270;
constexpr int DoublesRolledComputer = 274;
constexpr int HitsMadeHuman = 278;
constexpr int HitsMadeComputer = 282;
} // namespace PositionFileOffset

// The fields of a position file in file order; per-player figures human first.
struct PositionFileData {
    std::int32_t magic = POSITION_FILE_MAGIC;
    BoardImage board{};
    std::array<std::uint8_t, 4> die{NO_VALUE, NO_VALUE, NO_VALUE, NO_VALUE};
    std::uint8_t reserved = 0;
    std::int32_t moves = 0;
    std::int32_t movesMade = 0;
    std::uint8_t race = 0;
    // Three bytes stored after the race flag; they have no meaning.
    std::array<std::uint8_t, 3> raceRest{};
    std::int32_t thinkingTimeHuman = 0;
    std::int32_t thinkingTimeComputer = 0;
    std::int32_t cubeOwner = 0;
    std::int32_t cubeValue = 1;
    std::int32_t pipsRolledHuman = 0;
    std::int32_t pipsRolledComputer = 0;
    std::uint8_t computerMayDouble = 1;
    std::int32_t doublesRolledHuman = 0;
    std::int32_t doublesRolledComputer = 0;
    std::int32_t hitsMadeHuman = 0;
    std::int32_t hitsMadeComputer = 0;
    friend bool operator==(const PositionFileData&, const PositionFileData&) = default;
};

enum class PositionFileResult { Ok, CannotOpen, Invalid };

using PositionFileBytes = std::array<std::uint8_t, POSITION_FILE_SIZE>;
PositionFileBytes EncodePositionFile(const PositionFileData& data);
// Lays `size` bytes of a file over the fields of `into`: a field cut short
// keeps its old bytes after the ones present, and the fields after the end
// keep their old values.
void DecodePositionFile(const std::uint8_t* bytes, std::size_t size, PositionFileData& into);

// Writes the 286 bytes as a new file that replaces the old one whole; false
// (and the old file as it was, no new file left) when it cannot be written.
bool WritePositionFile(const std::string& path, const PositionFileData& data);

// Reads a position file over `inOut`. The file is Invalid when it is no
// regular file, is shorter than 4 bytes, does not begin with 32, would break
// the board or the cube, has a side with all its pieces borne off already, or
// holds a negative statistic: then `inOut` is untouched. CannotOpen when it is
// missing or cannot be read. On Ok the board holds the fixed owners of the
// bars and trays, empty points belong to nobody and moves made is 0 (also
// when the file ends before it). Unless Ok, `why` (if given) says in one line
// what is wrong, naming the file.
PositionFileResult ReadPositionFile(const std::string& path, PositionFileData& inOut, std::string* why = nullptr);

// The same over bytes already read (at most the first 286 count); `quoted`
// names them in `why`.
PositionFileResult ReadPositionBytes(const std::uint8_t* bytes, std::size_t size, const std::string& quoted,
                                     PositionFileData& inOut, std::string* why = nullptr);
