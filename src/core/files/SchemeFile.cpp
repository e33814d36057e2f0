#include "core/files/SchemeFile.h"

#include <cstdint>
#include <cstdio>

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

// Reads the next record of an open file; the default when it is cut short.
ColourSet ReadRecord(std::FILE* file, int scheme)
{
    Record bytes{};
    if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) return DefaultSchemes[scheme];
    return DecodeRecord(bytes);
}

} // namespace

SchemeArray ReadSchemes(const std::string& path)
{
    SchemeArray schemes = DefaultSchemes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return schemes;
    for (int i = 0; i < SCHEMES; ++i) schemes[i] = ReadRecord(file, i);
    std::fclose(file);
    return schemes;
}

ColourSet ReadCurrentScheme(const std::string& path, int& curScheme)
{
    std::FILE* file = curScheme >= 0 && curScheme < SCHEMES ? std::fopen(path.c_str(), "rb") : nullptr;
    if (file == nullptr) {
        curScheme = 0;
        return DefaultSchemes[0];
    }
    ColourSet set = DefaultSchemes[curScheme];
    if (std::fseek(file, static_cast<long>(curScheme) * SCHEME_RECORD_SIZE, SEEK_SET) == 0)
        set = ReadRecord(file, curScheme);
    std::fclose(file);
    return set;
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
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
