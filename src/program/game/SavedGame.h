#pragma once
// Games put on the board from position files: the game in progress, kept in
// a position file beside the settings ("tablorw.sav") at the start of each of
// the human's turns so that quitting, a crash or a power cut does not lose it
// (removed when the game ends, replaced by a new game and by an opened
// position), and a position file opened by the player.

#include <optional>
#include <string>

#include "core/files/PositionFile.h"
#include "program/game/WindowContext.h"

class SavedGame {
public:
    explicit SavedGame(WindowContext& context);

    // The first game of a start: the game in progress when the program last
    // ended, if one was kept, or else a new game.
    void StartOrResume();
    // Plays on from a kept human turn: its board, cube, statistics and roll.
    void Resume(const PositionFileData& data);
    // Keeps the game as it stands at the start of the human's turn (nothing
    // is written where the folder cannot be written).
    void Keep();
    // No game is kept any more.
    void Forget();
    // Puts a position from a file in place and prompts the human to move.
    void LoadPosition(const PositionFileData& data);

private:
    WindowContext& ctx;
    GameState& game;
};

// Writes the game whole or not at all; false when it cannot be written.
bool WriteSavedGame(const std::string& path, const PositionFileData& data);

// The kept game, when the file holds one the human can play on: all 286
// bytes, a board the game can hold on which neither side has borne off every
// piece, no negative figure, and the roll of the turn with nothing of it
// played. A file that holds no such game is removed.
std::optional<PositionFileData> ReadSavedGame(const std::string& path);

void RemoveSavedGame(const std::string& path);
