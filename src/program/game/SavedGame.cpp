#include "program/game/SavedGame.h"

#include <filesystem>
#include <system_error>

namespace {

bool IsRoll(const PositionFileData& d)
{
    auto die = [](int v) { return v >= 1 && v <= 6; };
    if (!die(d.die[0]) || !die(d.die[1])) return false;
    if (d.die[0] != d.die[1]) return d.moves == 2 && d.die[2] == NO_VALUE && d.die[3] == NO_VALUE;
    return d.moves == 4 && d.die[2] == d.die[0] && d.die[3] == d.die[0];
}

bool IsPlayable(const PositionFileData& d)
{
    const BoardData board = FromImage(d.board);
    if (board[HUMAN_TRAY].count >= PIECES_PER_SIDE || board[COMPUTER_TRAY].count >= PIECES_PER_SIDE) return false;
    for (std::int32_t figure : {d.thinkingTimeHuman, d.thinkingTimeComputer, d.pipsRolledHuman, d.pipsRolledComputer,
                                d.doublesRolledHuman, d.doublesRolledComputer, d.hitsMadeHuman, d.hitsMadeComputer})
        if (figure < 0) return false;
    return IsRoll(d);
}

} // namespace

bool WriteSavedGame(const std::string& path, const PositionFileData& data)
{
    const std::string temporary = path + ".tmp";
    std::error_code error;
    if (WritePositionFile(temporary, data)) {
        std::filesystem::rename(temporary, path, error);
        if (!error) return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

std::optional<PositionFileData> ReadSavedGame(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    PositionFileData data;
    const bool whole = std::filesystem::is_regular_file(path, error) &&
                       std::filesystem::file_size(path, error) == static_cast<std::uintmax_t>(POSITION_FILE_SIZE);
    if (whole && ReadPositionFile(path, data) == PositionFileResult::Ok && IsPlayable(data)) return data;
    RemoveSavedGame(path);
    return std::nullopt;
}

void RemoveSavedGame(const std::string& path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
}
