// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour-scheme file: four records of six colours, schemes A to D, each
// colour stored little-endian as red, green, blue, 0.

#include <array>
#include <string>

#include "core/files/ColourScheme.h"

constexpr int SCHEME_RECORD_SIZE = 4 * SCHEME_COLOURS;
constexpr int SCHEME_FILE_SIZE = SCHEMES * SCHEME_RECORD_SIZE;

using SchemeArray = std::array<ColourSet, SCHEMES>;

// The four schemes of the file; a record that is missing or cut short stands
// for that scheme's built-in default, and so does every record when the file
// is missing or no regular file (a fifo, a device, a folder). Bits 24..31 of a stored colour are
// dropped, so every colour read is a plain red-green-blue value.
SchemeArray ReadSchemes(const std::string& path);

// The colour set to start with: record `curScheme` of the file (its default
// when the record is cut short). A number outside 0..3 or a file that cannot
// be opened gives scheme A's default and sets `curScheme` to 0.
ColourSet ReadCurrentScheme(const std::string& path, int& curScheme);

// Writes all 96 bytes as a new file that replaces the old one whole; false
// (and the old file as it was) when it cannot be written.
bool WriteSchemes(const std::string& path, const SchemeArray& schemes);
