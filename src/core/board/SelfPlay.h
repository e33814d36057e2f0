// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole games without the cube in which the program plays both sides: the
// computer with ChooseMove, the human's side with the mirrored search of the
// move suggestion. Used by the engine tool, the tests and the benchmarks.

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "core/board/BoardData.h"
#include "core/board/Game.h"
#include "core/dice/Random.h"
#include "core/files/MatchFile.h"

// One turn as it was played.
struct SelfPlayTurn {
    int player = NOBODY;       // 1 the computer, 2 the human
    int first = 0, second = 0; // the roll, in the order rolled
    bool opening = false;      // the game's first turn (the opening table may answer)
    int count = 0;             // moves played
    // The moves as the program's move pairs: (from, from - die) for the
    // computer, (from, from + die) for the human; a target off the board
    // means the mover's tray.
    std::array<std::pair<int, int>, 4> moves{};
    BoardData before{}; // the board before the turn
    BoardData after{};  // and after it
};

struct SelfPlayOptions {
    int computerLevel = 2;                           // the skill level of the computer's searches
    int humanLevel = 2;                              // the level the mirrored search of the human's side evaluates with
    int maxTurns = 5000;                             // a game still running after this many turns is given up
    std::function<void(const SelfPlayTurn&)> onTurn; // called after every turn
    // The play of a side at a level above 2, which has no search here (the
    // Expert's): fills the move pairs as SelfPlayTurn holds them for
    // `player`'s roll (first, second) on `board` and returns their count.
    std::function<int(const BoardData& board, int player, int first, int second,
                      std::array<std::pair<int, int>, 4>& moves)>
        otherLevel;
};

struct SelfPlayResult {
    int winner = NOBODY; // 0 when the game was given up
    int points = 0;      // 1 single, 2 gammon, 3 backgammon
    int turns = 0;
    int searches = 0;            // ChooseMove calls, the suggestions' included
    double engineSeconds = 0;    // time spent in them
    std::uint64_t signature = 0; // FNV-1a hash of every roll and move of the game
    Game game;                   // the game as it ended (or was given up), its record included
};

// Plays one game from the standard position with dice from `random`: the
// opening roll decides who starts (the higher die; die 0 is the computer's),
// and the side that starts plays it with the opening table. The game is
// played on a board of its own: nothing outside it changes.
SelfPlayResult PlaySelfGame(Random& random, const SelfPlayOptions& options = {});

// Records a turn of a self-played game into `record`: its roll, and each
// move with whether it hit.
void RecordTurn(const SelfPlayTurn& turn, GameRecord& record);

// The 64-bit FNV-1a hash step, for folding results into one signature.
constexpr std::uint64_t FNV_OFFSET = 14695981039346656037ull;
constexpr std::uint64_t FnvStep(std::uint64_t hash, std::uint8_t byte) { return (hash ^ byte) * 1099511628211ull; }
