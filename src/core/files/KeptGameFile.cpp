// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/KeptGameFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/files/LinkRule.h"
#include "core/files/RegularFile.h"

namespace {

constexpr char TAG[4] = {'K', 'E', 'P', 'T'};
constexpr int ID_OFFSET = POSITION_FILE_SIZE + 4;
constexpr int STAGE_OFFSET = ID_OFFSET + 8;

} // namespace

std::vector<std::uint8_t> EncodeKeptGame(const KeptRecord& game)
{
    const PositionFileBytes position = EncodePositionFile(game.data);
    std::vector<std::uint8_t> bytes(position.begin(), position.end());
    bytes.resize(KEPT_FILE_SIZE, 0);
    std::memcpy(&bytes[POSITION_FILE_SIZE], TAG, sizeof TAG);
    for (int k = 0; k < 8; ++k) bytes[ID_OFFSET + k] = static_cast<std::uint8_t>(game.id >> (8 * k));
    bytes[STAGE_OFFSET] = static_cast<std::uint8_t>(game.stage);
    return bytes;
}

std::optional<KeptRecord> DecodeKeptGame(const std::uint8_t* bytes, std::size_t size)
{
    if (size != static_cast<std::size_t>(POSITION_FILE_SIZE) && size != static_cast<std::size_t>(KEPT_FILE_SIZE))
        return std::nullopt;
    KeptRecord game;
    if (ReadPositionBytes(bytes, POSITION_FILE_SIZE, "the kept game", game.data) != PositionFileResult::Ok)
        return std::nullopt;
    if (size == static_cast<std::size_t>(POSITION_FILE_SIZE)) {
        game.id = IdOfBytes(bytes, size);
        return game;
    }
    if (std::memcmp(bytes + POSITION_FILE_SIZE, TAG, sizeof TAG) != 0) return std::nullopt;
    for (int k = 0; k < 8; ++k) game.id |= static_cast<std::uint64_t>(bytes[ID_OFFSET + k]) << (8 * k);
    const std::uint8_t stage = bytes[STAGE_OFFSET];
    if (game.id == 0 || stage > static_cast<std::uint8_t>(KeptStage::Ended)) return std::nullopt;
    if (std::any_of(bytes + STAGE_OFFSET + 1, bytes + KEPT_FILE_SIZE, [](std::uint8_t b) { return b != 0; }))
        return std::nullopt;
    game.stage = static_cast<KeptStage>(stage);
    return game;
}

// FNV-1a, 64 bits.
std::uint64_t IdOfBytes(const std::uint8_t* bytes, std::size_t size)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= 1099511628211ULL;
    }
    return hash == 0 ? 1 : hash;
}

KeptFileResult ReadKeptGame(const std::string& path, KeptRecord& out)
{
    switch (KindOf(path)) {
    case FileKind::Missing: {
        // A link that leads nowhere is no kept game, but something is there;
        // a link that may not be followed is not the game's to look at.
        std::error_code error;
        const bool link = std::filesystem::is_symlink(std::filesystem::symlink_status(path, error));
        return link && FollowLinks(path).walk != LinkWalk::Refused ? KeptFileResult::Invalid : KeptFileResult::Missing;
    }
    case FileKind::Other:
        return KeptFileResult::Invalid;
    case FileKind::Regular:
        break;
    }
    // One byte more than a kept game tells a longer file from one.
    const std::optional<std::vector<std::uint8_t>> bytes = ReadRegularFile(path, KEPT_FILE_SIZE + 1);
    if (!bytes) return KeptFileResult::Invalid;
    const std::optional<KeptRecord> game = DecodeKeptGame(bytes->data(), bytes->size());
    if (!game) return KeptFileResult::Invalid;
    out = *game;
    return KeptFileResult::Ok;
}

std::string GameIdsText(const std::vector<std::uint64_t>& ids)
{
    std::string text;
    for (const std::uint64_t id : ids) {
        char digits[17];
        std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(id));
        if (!text.empty()) text += ' ';
        text += digits;
    }
    return text;
}

std::vector<std::uint64_t> ParseGameIds(const std::string& text)
{
    std::vector<std::uint64_t> ids;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.size() != 16 || word.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) continue;
        const std::uint64_t id = std::stoull(word, nullptr, 16);
        if (id != 0) ids.push_back(id);
    }
    return ids;
}
