// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game as a value: the board, the side to move, the position its turn
// started from, the roll, the cube, the statistics and the record of every
// action. A copy is a snapshot and compares equal to the game it was taken
// from; the functions below return the next value and never change the one
// they are given. Self-play and the engine tool play on it.

#include <array>

#include "core/board/BoardData.h"
#include "core/files/MatchFile.h"

struct Roll {
    int first = 0, second = 0;
    constexpr bool Doubles() const { return first == second && first != 0; }
    // The pips a roll lets its side move: doubles play four times.
    constexpr int Pips() const { return Doubles() ? 4 * first : first + second; }
    friend bool operator==(const Roll&, const Roll&) = default;
};

struct Cube {
    int value = 1;
    int owner = NOBODY; // nobody: the cube is in the middle
    friend bool operator==(const Cube&, const Cube&) = default;
};

// What is counted in a game, indexed by player (slot 0 unused); each count
// stops at the int32 limit rather than wrapping round.
struct GameStatistics {
    std::array<int, 3> hits{0, 0, 0};
    std::array<int, 3> pipsRolled{0, 0, 0};
    std::array<int, 3> doublesRolled{0, 0, 0};
    friend bool operator==(const GameStatistics&, const GameStatistics&) = default;
};

struct Game {
    // Bars and trays always carry their fixed owners here.
    BoardData board = WithFixedOwners(StandardSetup());
    int toMove = NOBODY;
    // The position the turn of `toMove` started from.
    BoardData turnStart = WithFixedOwners(StandardSetup());
    Roll roll{};
    Cube cube{};
    GameStatistics statistics{};
    GameRecord record{};
    friend bool operator==(const Game&, const Game&) = default;
};

// The side with all fifteen pieces borne off, or nobody.
constexpr int Winner(const BoardData& b)
{
    if (b[HUMAN_TRAY].count == PIECES_PER_SIDE) return HUMAN;
    if (b[COMPUTER_TRAY].count == PIECES_PER_SIDE) return COMPUTER;
    return NOBODY;
}

// A game in the standard position whose opening roll `opening` is played by `starter`.
Game StartGame(int starter, Roll opening);

// The turn of `player` begins with `roll`: the position is the turn's start,
// the roll is recorded and its pips (and a doubles) are counted.
Game BeginTurn(Game game, int player, Roll roll);

struct MoveOutcome {
    Game next;
    bool hit = false;    // a lone opposing piece went to its bar
    int winner = NOBODY; // the side the move made win, or nobody
};

// The side to move plays one piece from `from` to `to`; a target off the
// board is its tray. The move is recorded and a hit counted.
MoveOutcome ApplyMove(Game game, int from, int to);

// What the game counts for its winner now: single, gammon or backgammon
// times the cube.
constexpr int Points(const Game& game) { return GameValue(game.board) * game.cube.value; }
