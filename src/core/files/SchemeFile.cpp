// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SchemeFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/files/AtomicFile.h"
#include "core/files/RegularFile.h"

namespace {

using Record = std::array<std::uint8_t, SCHEME_RECORD_SIZE>;

ColourSet DecodeRecord(const Record& bytes)
{
    ColourSet set{};
    for (int c = 0; c < SCHEME_COLOURS; ++c) {
        const std::uint8_t* at = &bytes[4 * c];
        set[c] = RGB(at[0], at[1], at[2]);
    }
    return set;
}

// Record `scheme` of the file's bytes; the default when it is cut short.
ColourSet RecordOf(const std::vector<std::uint8_t>& bytes, int scheme)
{
    const std::size_t at = static_cast<std::size_t>(scheme) * SCHEME_RECORD_SIZE;
    if (bytes.size() < at + SCHEME_RECORD_SIZE) return DefaultSchemes[scheme];
    Record record{};
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), SCHEME_RECORD_SIZE, record.begin());
    return DecodeRecord(record);
}

} // namespace

// Only a regular file is read, and only its first 96 bytes: a fifo, a device
// or a folder in its place counts as a missing file.
SchemeArray ReadSchemes(const std::string& path)
{
    SchemeArray schemes = DefaultSchemes;
    const std::optional<std::vector<std::uint8_t>> bytes = ReadRegularFile(path, SCHEME_FILE_SIZE);
    if (!bytes) return schemes;
    for (int i = 0; i < SCHEMES; ++i) schemes[i] = RecordOf(*bytes, i);
    return schemes;
}

ColourSet ReadCurrentScheme(const std::string& path, int& curScheme)
{
    const std::optional<std::vector<std::uint8_t>> bytes =
        curScheme >= 0 && curScheme < SCHEMES ? ReadRegularFile(path, SCHEME_FILE_SIZE) : std::nullopt;
    if (!bytes) {
        curScheme = 0;
        return DefaultSchemes[0];
    }
    return RecordOf(*bytes, curScheme);
}

bool WriteSchemes(const std::string& path, const SchemeArray& schemes)
{
    std::array<std::uint8_t, SCHEME_FILE_SIZE> bytes{};
    for (int i = 0; i < SCHEMES; ++i) {
        for (int c = 0; c < SCHEME_COLOURS; ++c) {
            std::uint8_t* at = &bytes[i * SCHEME_RECORD_SIZE + 4 * c];
            const Colour colour = schemes[i][c];
            at[0] = static_cast<std::uint8_t>(RedOf(colour));
            at[1] = static_cast<std::uint8_t>(GreenOf(colour));
            at[2] = static_cast<std::uint8_t>(BlueOf(colour));
            at[3] = 0;
        }
    }
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}
