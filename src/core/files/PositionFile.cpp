// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/PositionFile.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>
#include <vector>

#include "core/files/AtomicFile.h"
#include "core/files/LittleEndian.h"
#include "core/files/RegularFile.h"

namespace {

namespace Off = PositionFileOffset;

constexpr bool IsCubeValue(std::int32_t v) { return v >= 1 && v <= 64 && (v & (v - 1)) == 0; }

// The statistics the file gives (pips, doubles and hits rolled or made, the
// thinking time) count up from 0; a negative one was never saved by a game.
bool StatisticsCountUp(const PositionFileData& d, std::size_t got)
{
    const std::pair<int, std::int32_t> fields[] = {
        {Off::ThinkingTimeHuman, d.thinkingTimeHuman},   {Off::ThinkingTimeComputer, d.thinkingTimeComputer},
        {Off::PipsRolledHuman, d.pipsRolledHuman},       {Off::PipsRolledComputer, d.pipsRolledComputer},
        {Off::DoublesRolledHuman, d.doublesRolledHuman}, {Off::DoublesRolledComputer, d.doublesRolledComputer},
        {Off::HitsMadeHuman, d.hitsMadeHuman},           {Off::HitsMadeComputer, d.hitsMadeComputer},
    };
    // A field the file does not reach keeps the game's own value.
    return std::all_of(std::begin(fields), std::end(fields), [got](const auto& field) {
        return got <= static_cast<std::size_t>(field.first) || field.second >= 0;
    });
}

// The refusal, with its reason when one is asked for.
auto Refuser(std::string* why)
{
    return [why](PositionFileResult result, const std::string& reason) {
        if (why != nullptr) *why = reason;
        return result;
    };
}

} // namespace

PositionFileBytes EncodePositionFile(const PositionFileData& d)
{
    PositionFileBytes b{};
    PutInt32(&b[Off::Magic], d.magic);
    std::copy(d.board.begin(), d.board.end(), b.begin() + Off::Board);
    std::copy(d.die.begin(), d.die.end(), b.begin() + Off::Die);
    b[Off::Reserved] = d.reserved;
    PutInt32(&b[Off::Moves], d.moves);
    PutInt32(&b[Off::MovesMade], d.movesMade);
    b[Off::Race] = d.race;
    std::copy(d.raceRest.begin(), d.raceRest.end(), b.begin() + Off::Race + 1);
    PutInt32(&b[Off::ThinkingTimeHuman], d.thinkingTimeHuman);
    PutInt32(&b[Off::ThinkingTimeComputer], d.thinkingTimeComputer);
    PutInt32(&b[Off::CubeOwner], d.cubeOwner);
    PutInt32(&b[Off::CubeValue], d.cubeValue);
    PutInt32(&b[Off::PipsRolledHuman], d.pipsRolledHuman);
    PutInt32(&b[Off::PipsRolledComputer], d.pipsRolledComputer);
    b[Off::ComputerMayDouble] = d.computerMayDouble;
    PutInt32(&b[Off::DoublesRolledHuman], d.doublesRolledHuman);
    PutInt32(&b[Off::DoublesRolledComputer], d.doublesRolledComputer);
    PutInt32(&b[Off::HitsMadeHuman], d.hitsMadeHuman);
    PutInt32(&b[Off::HitsMadeComputer], d.hitsMadeComputer);
    return b;
}

// The fields follow each other without gaps, so laying the file's bytes over
// the encoded old values gives exactly "a short field keeps its old bytes,
// the fields after the end keep their old values".
void DecodePositionFile(const std::uint8_t* bytes, std::size_t size, PositionFileData& into)
{
    PositionFileBytes b = EncodePositionFile(into);
    std::copy_n(bytes, std::min<std::size_t>(size, POSITION_FILE_SIZE), b.begin());
    PositionFileData& d = into;
    d.magic = GetInt32(&b[Off::Magic]);
    std::copy_n(b.begin() + Off::Board, BOARD_IMAGE_SIZE, d.board.begin());
    std::copy_n(b.begin() + Off::Die, d.die.size(), d.die.begin());
    d.reserved = b[Off::Reserved];
    d.moves = GetInt32(&b[Off::Moves]);
    d.movesMade = GetInt32(&b[Off::MovesMade]);
    d.race = b[Off::Race];
    std::copy_n(b.begin() + Off::Race + 1, d.raceRest.size(), d.raceRest.begin());
    d.thinkingTimeHuman = GetInt32(&b[Off::ThinkingTimeHuman]);
    d.thinkingTimeComputer = GetInt32(&b[Off::ThinkingTimeComputer]);
    d.cubeOwner = GetInt32(&b[Off::CubeOwner]);
    d.cubeValue = GetInt32(&b[Off::CubeValue]);
    d.pipsRolledHuman = GetInt32(&b[Off::PipsRolledHuman]);
    d.pipsRolledComputer = GetInt32(&b[Off::PipsRolledComputer]);
    d.computerMayDouble = b[Off::ComputerMayDouble];
    d.doublesRolledHuman = GetInt32(&b[Off::DoublesRolledHuman]);
    d.doublesRolledComputer = GetInt32(&b[Off::DoublesRolledComputer]);
    d.hitsMadeHuman = GetInt32(&b[Off::HitsMadeHuman]);
    d.hitsMadeComputer = GetInt32(&b[Off::HitsMadeComputer]);
}

bool WritePositionFile(const std::string& path, const PositionFileData& data)
{
    const PositionFileBytes bytes = EncodePositionFile(data);
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

// Reads as far as the file goes (never more than a position file holds), then
// refuses what the game could not play: a bad board, a cube value that is no
// power of two up to 64, a cube owner that is no player, a negative
// statistic. Something that is no regular file (a fifo, a device, a folder)
// is refused like a damaged file. Moves made is always 0 afterwards: the
// board is rebuilt from the file's start of the turn, so no move of the turn
// can be taken back (a short file would otherwise keep the count of the turn
// before).
PositionFileResult ReadPositionFile(const std::string& path, PositionFileData& inOut, std::string* why)
{
    const auto refuse = Refuser(why);
    const std::string quoted = "'" + path + "'";
    if (KindOf(path) == FileKind::Other) return refuse(PositionFileResult::Invalid, quoted + " is not a regular file");
    const std::optional<std::vector<std::uint8_t>> bytes = ReadRegularFile(path, POSITION_FILE_SIZE);
    if (!bytes) return refuse(PositionFileResult::CannotOpen, "cannot open position file " + quoted);
    return ReadPositionBytes(bytes->data(), bytes->size(), quoted, inOut, why);
}

PositionFileResult ReadPositionBytes(const std::uint8_t* bytes, std::size_t size, const std::string& quoted,
                                     PositionFileData& inOut, std::string* why)
{
    const auto refuse = Refuser(why);
    const std::size_t got = std::min<std::size_t>(size, POSITION_FILE_SIZE);
    if (got < 4 || GetInt32(bytes + Off::Magic) != POSITION_FILE_MAGIC)
        return refuse(PositionFileResult::Invalid, quoted + " is not a position file (wrong magic value)");

    PositionFileData data = inOut;
    DecodePositionFile(bytes, got, data);
    BoardData board = FromImage(data.board);
    std::string boardWhy;
    if (!NormaliseBoard(board, &boardWhy)) {
        // The rest of a board cut short comes from the game in hand, and made no board with it.
        if (got < static_cast<std::size_t>(Off::Board + BOARD_IMAGE_SIZE))
            boardWhy = "position file " + quoted + " ends inside the board image";
        return refuse(PositionFileResult::Invalid, boardWhy);
    }
    if (!StatisticsCountUp(data, got))
        return refuse(PositionFileResult::Invalid, "position file " + quoted + " holds a negative statistic");
    if (got > static_cast<std::size_t>(Off::CubeOwner) && (data.cubeOwner < NOBODY || data.cubeOwner > HUMAN))
        return refuse(PositionFileResult::Invalid, "position file " + quoted + " has a cube owner outside 0 to 2");
    if (got > static_cast<std::size_t>(Off::CubeValue) && !IsCubeValue(data.cubeValue))
        return refuse(PositionFileResult::Invalid,
                      "position file " + quoted + " has a cube value that is no power of two up to 64");
    data.board = ToImage(board);
    data.movesMade = 0;
    inOut = data;
    return PositionFileResult::Ok;
}
