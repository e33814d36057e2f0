// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Keeps the game as it stands at the start of the human's turn; a kept
    // game that can no longer be brought up to date is removed (nothing is
    // written where the folder cannot be written).
    void Keep();
    // No game of this copy of the program is kept any more. A kept game that
    // another copy in the same folder wrote since stays.
    void Forget();
    // Puts a position from a file in place and prompts the human to move.
    void LoadPosition(const PositionFileData& data);

private:
    // The figures of a position file that carry over into the game: cube,
    // statistics and thinking times (the clocks stopped).
    void TakeFigures(const PositionFileData& d);

    WindowContext& ctx;
    GameState& game;
    // The bytes this copy last kept (or resumed from); empty when none.
    std::optional<PositionFileBytes> kept;
};

// The kept game, when the file holds one the human can play on: all 286
// bytes, a board the game can hold on which neither side has borne off every
// piece, no negative figure, and the roll of the turn with nothing of it
// played. A file that holds no such game is removed.
std::optional<PositionFileData> ReadSavedGame(const std::string& path);

void RemoveSavedGame(const std::string& path);
