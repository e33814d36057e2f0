#include "core/files/PositionFile.h"
#include "core/files/LittleEndian.h"

#include <algorithm>
#include <cstdio>

namespace {

namespace Off = PositionFileOffset;

constexpr bool IsCubeValue(std::int32_t v) { return v >= 1 && v <= 64 && (v & (v - 1)) == 0; }

// Whether the board of a file can be played, and the board in the form the
// model keeps it: bars and trays with their fixed owners (owner 0 there comes
// from files saved before the first capture of a game), empty points owned by
// nobody, no location over 15 pieces and 15 pieces a side in all (with fewer
// a side could never bear off its fifteenth piece, so its game could never end).
bool NormaliseBoard(BoardData& board)
{
    int total[3] = {0, 0, 0};
    for (int i = 0; i < LOCATIONS; ++i) {
        Spot& s = board[i];
        if (s.count < 0 || s.count > PIECES_PER_SIDE) return false;
        if (s.owner < NOBODY || s.owner > HUMAN) return false;
        const int fixed = FixedOwner(i);
        if (fixed != NOBODY) {
            if (s.owner != NOBODY && s.owner != fixed) return false;
            s.owner = fixed;
        } else if (s.count == 0) {
            s.owner = NOBODY;
        } else if (s.owner == NOBODY) {
            return false;
        }
        total[s.owner] += s.count;
    }
    return total[COMPUTER] == PIECES_PER_SIDE && total[HUMAN] == PIECES_PER_SIDE;
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
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const PositionFileBytes bytes = EncodePositionFile(data);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// Reads as far as the file goes, then refuses what the game could not play:
// a bad board, a cube value that is no power of two up to 64, a cube owner
// that is no player. Moves made is always 0 afterwards: the board is rebuilt
// from the file's start of the turn, so no move of the turn can be taken back
// (a short file would otherwise keep the count of the turn before).
PositionFileResult ReadPositionFile(const std::string& path, PositionFileData& inOut)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return PositionFileResult::CannotOpen;
    PositionFileBytes bytes{};
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    if (got < 4 || GetInt32(&bytes[Off::Magic]) != POSITION_FILE_MAGIC) return PositionFileResult::Invalid;

    PositionFileData data = inOut;
    DecodePositionFile(bytes.data(), got, data);
    BoardData board = FromImage(data.board);
    if (!NormaliseBoard(board)) return PositionFileResult::Invalid;
    if (got > static_cast<std::size_t>(Off::CubeOwner) && (data.cubeOwner < NOBODY || data.cubeOwner > HUMAN))
        return PositionFileResult::Invalid;
    if (got > static_cast<std::size_t>(Off::CubeValue) && !IsCubeValue(data.cubeValue))
        return PositionFileResult::Invalid;
    data.board = ToImage(board);
    data.movesMade = 0;
    inOut = data;
    return PositionFileResult::Ok;
}
