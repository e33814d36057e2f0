// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Games put on the board from files: the game in progress, kept beside the
// settings ("tablorw.sav") at the start of each of the human's turns so that
// quitting, a crash or a power cut does not lose it, and a position file
// opened by the player. The game finished last is kept beside them too
// ("tablorw.mat"), for export.
//
// Each kept game has an id of its own, written with it, so that this copy of
// the program knows its own game in the file whatever else is written there.
// A game that is over is never resumed: its kept file is removed; where it
// cannot be, it is marked as over; where it cannot be rewritten either, its
// id is remembered in the settings file.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/files/FileLock.h"
#include "core/files/KeptGameFile.h"
#include "program/game/WindowContext.h"

class SavedGame {
public:
    explicit SavedGame(WindowContext& context);

    // The first game of a start: the game in progress when the program last
    // ended, if one was kept, has not ended and no other running copy of the
    // program owns it, or else a new game.
    void StartOrResume();
    // Keeps the game as it stands at the start of the human's turn. A kept
    // game that can no longer be brought up to date is never resumed.
    void Keep();
    // Keeps the game as the human's turn left it, the computer to play next.
    void KeepComputerTurn();
    // The game on the board has ended, or is abandoned: its kept copy is
    // never resumed. A kept game that another copy wrote since stays.
    void Forget();
    // The game on the board has just ended: it is held for Export last game
    // and kept in its file (a game that cannot be exported leaves none), so
    // that neither the next game nor a quit loses it.
    void KeepFinished();
    // Puts a position from a file in place and prompts the human to move.
    void LoadPosition(const PositionFileData& data);

    // The id the game on the board is kept under; 0 before it is kept.
    std::uint64_t Id() const { return id; }
    // Whether this copy keeps its games: not while another running copy in
    // the same folder owns the kept game.
    bool Keeps() const { return keeps; }

private:
    // Plays on from a kept game: its board, cube and statistics, and the
    // human's roll in hand or the computer's turn.
    void Resume(const KeptRecord& kept);
    // Holds the game finished before this start, if its file is there.
    void ReadFinished();
    // The figures of a position file that carry over into the game: cube,
    // statistics and thinking times (the clocks stopped).
    void TakeFigures(const PositionFileData& d);
    // Writes the game at `stage`; false when it cannot be.
    bool Write(const PositionFileData& data, KeptStage stage);
    // Whether the game in the kept file may be played on.
    bool Playable(const KeptRecord& kept) const;
    // Makes sure the kept copy of the game on the board is never resumed.
    void Retire();
    void RememberEnded(std::uint64_t ended);
    std::uint64_t NewId();

    WindowContext& ctx;
    GameState& game;
    // Held from the start to the end of this copy while it owns the kept
    // game; the kernel drops it however the copy ends.
    std::unique_ptr<FileLock> lock;
    bool keeps = true;
    std::uint64_t id = 0;
    std::uint64_t idsMade = 0;
    // The games never to be resumed, as the settings file gave them at the
    // start and as this copy added them since.
    std::vector<std::uint64_t> endedIds;
};
