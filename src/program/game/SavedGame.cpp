#include "program/game/SavedGame.h"

#include <filesystem>
#include <system_error>

namespace {

// A whole roll with nothing of it played: two dice, or four of a doublet.
bool IsRoll(const PositionFileData& d)
{
    auto die = [](int v) { return v >= 1 && v <= 6; };
    if (!die(d.die[0]) || !die(d.die[1])) return false;
    if (d.die[0] != d.die[1]) return d.moves == 2 && d.die[2] == NO_VALUE && d.die[3] == NO_VALUE;
    return d.moves == 4 && d.die[2] == d.die[0] && d.die[3] == d.die[0];
}

} // namespace

bool WriteSavedGame(const std::string& path, const PositionFileData& data) { return WritePositionFile(path, data); }

std::optional<PositionFileData> ReadSavedGame(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    PositionFileData data;
    const bool whole = std::filesystem::is_regular_file(path, error) &&
                       std::filesystem::file_size(path, error) == static_cast<std::uintmax_t>(POSITION_FILE_SIZE);
    // The reader refuses a board the game cannot hold, a game already over
    // and negative figures; the roll must be whole and unplayed.
    if (whole && ReadPositionFile(path, data) == PositionFileResult::Ok && IsRoll(data)) return data;
    RemoveSavedGame(path);
    return std::nullopt;
}

void RemoveSavedGame(const std::string& path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
}
