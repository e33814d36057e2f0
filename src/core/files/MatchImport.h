// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a match file (".mat") that this or another backgammon program wrote:
// a money session ("0 point match") or a match to a number of points. Every
// game is replayed on a board from the starting position; a file whose moves
// cannot be played by the rules, or whose cube actions and results do not
// fit the game, is refused with the game and the line named.
//
// The left column's player is the human's side, the right one the computer's,
// as MatchFileText writes them.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/board/BoardData.h"
#include "core/files/MatchFile.h"

// One game as read and replayed.
struct ImportedGame {
    // The actions in board locations (a move that the file writes over more
    // than one die is split into the steps played), how the game ended (winner
    // 0 when the file stops while the game still runs) and the score before it.
    MatchGame game;
    long number = 0;       // as the file numbers it
    bool crawford = false; // the file marks it as the Crawford game
    int resigned = NOBODY; // the side that resigned, if one did
    BoardData finalBoard{};
    int cubeValue = 1;                      // the cube after the last action
    int cubeOwner = NOBODY;                 // who may double next (nobody: both)
    std::array<int, 3> scoreAfter{0, 0, 0}; // indexed by player
};

struct ImportedMatch {
    int matchLength = 0;                // 0 for a money session
    std::array<std::string, 3> names{}; // indexed by player: HUMAN the left column
    std::vector<ImportedGame> games;
};

// The largest file read, the largest match length and score taken: larger
// numbers come from a broken file, not from a game anyone played.
constexpr std::size_t MATCH_FILE_MAX_BYTES = 16u << 20;
constexpr int MATCH_MAX_LENGTH = 999;
constexpr int MATCH_MAX_SCORE = 99999999;

// The match in `text`, or nothing with the reason in `reason` (the line, and
// the game when there is one, named).
std::optional<ImportedMatch> ImportMatchText(std::string_view text, std::string& reason);
// The same for the file at `path` (a regular file of at most MATCH_FILE_MAX_BYTES).
std::optional<ImportedMatch> ImportMatchFile(const std::string& path, std::string& reason);
