// SPDX-License-Identifier: GPL-3.0-or-later
// Reads any bytes as the colour-scheme file, as start-up does for every
// scheme number the settings file may hold and as the colours dialog does for
// all four schemes. Every colour read must be a plain red-green-blue value,
// each record must be the file's bytes or, cut short, the scheme's default,
// and writing the schemes back must read again as the same schemes.

#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "core/files/SchemeFile.h"

namespace {

bool IsPlainColour(Colour c) { return (c >> 24) == 0; }

bool IsPlainSet(const ColourSet& set)
{
    for (Colour c : set)
        if (!IsPlainColour(c)) return false;
    return true;
}

// Record `scheme` as the file holds it, or the default when it is cut short.
ColourSet Expected(const std::uint8_t* data, std::size_t size, int scheme)
{
    const std::size_t from = static_cast<std::size_t>(scheme) * SCHEME_RECORD_SIZE;
    if (size < from + SCHEME_RECORD_SIZE) return DefaultSchemes[scheme];
    ColourSet set{};
    for (int c = 0; c < SCHEME_COLOURS; ++c) {
        const std::uint8_t* at = data + from + 4 * c;
        set[c] = RGB(at[0], at[1], at[2]);
    }
    return set;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = FuzzPath("scheme.clr");
    static const std::string again = FuzzPath("again.clr");
    WriteInput(path, data, size);

    const SchemeArray schemes = ReadSchemes(path);
    for (int i = 0; i < SCHEMES; ++i) {
        Require(IsPlainSet(schemes[i]), "the dialog's colours have bits 24..31 zero");
        Require(schemes[i] == Expected(data, size, i), "a record is the file's colours or the default");
    }

    // Start-up with every scheme number the settings may hold.
    for (const int stored : {-1, 0, 1, 2, 3, 4, 1000}) {
        int curScheme = stored;
        const ColourSet set = ReadCurrentScheme(path, curScheme);
        Require(IsPlainSet(set), "the starting colours have bits 24..31 zero");
        Require(curScheme >= 0 && curScheme < SCHEMES, "the scheme number in use is 0..3");
        if (stored < 0 || stored >= SCHEMES) {
            Require(curScheme == 0 && set == DefaultSchemes[0], "an unknown scheme number starts with scheme A");
        } else {
            Require(curScheme == stored && set == schemes[stored], "start-up reads the record the dialog shows");
        }
    }

    // OK in the dialog writes all four schemes; the next start reads them back.
    Require(WriteSchemes(again, schemes), "the schemes can be written");
    Require(ReadBack(again).size() == SCHEME_FILE_SIZE, "the scheme file is written whole");
    Require(ReadSchemes(again) == schemes, "written schemes read back unchanged");
    return 0;
}
