#pragma once
// The game in progress kept in a position file beside the settings
// ("tablorw.sav"), written at the start of each of the human's turns, so that
// quitting, a crash or a power cut does not lose it. Removed when the game ends.

#include <optional>
#include <string>

#include "core/files/PositionFile.h"

// Writes the game whole or not at all: a temporary file in the same folder,
// renamed over the old one. False when it cannot be written (a read-only
// folder, a full disk); nothing is left behind then.
bool WriteSavedGame(const std::string& path, const PositionFileData& data);

// The saved game, when the file holds one the human can play on: all 286
// bytes, a sound board on which neither side has borne off every piece, the
// roll of the turn with nothing of it played, a cube the game can hold and
// no negative figure. A file that holds no such game is removed.
std::optional<PositionFileData> ReadSavedGame(const std::string& path);

void RemoveSavedGame(const std::string& path);
