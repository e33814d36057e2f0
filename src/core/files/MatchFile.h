// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of a game as it is played, and the match file (".mat") that
// analysis programs import: a header, then per game the players' scores and
// one numbered line per pair of actions, each action in its player's column.
// The human's column is the left one. Points are numbered from each side's
// own home (its bar is 25), bear-offs are written "/off" and hits "*".

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/board/BoardData.h"

// One piece moved, in the board's locations (a target off the board is the
// mover's tray), and whether it hit a lone opposing piece.
struct MatchMove {
    int from = 0;
    int to = 0;
    bool hit = false;
    friend bool operator==(const MatchMove&, const MatchMove&) = default;
};

// One action of a player: a roll with the moves it played, or a cube action.
struct MatchAction {
    enum class Kind { Roll, Double, Take, Drop };
    Kind kind = Kind::Roll;
    int player = NOBODY;
    int first = 0, second = 0;    // the roll
    std::vector<MatchMove> moves; // in the order played
    int cubeValue = 0;            // a double: the cube's new value
    friend bool operator==(const MatchAction&, const MatchAction&) = default;
};

// A whole game: its actions in order, and how it ended.
struct MatchGame {
    std::vector<MatchAction> actions;
    // 0 while the game is still running.
    int winner = NOBODY;
    int points = 0;
    // The points each side had before this game (indexed by player).
    std::array<int, 3> scoreBefore{0, 0, 0};
    friend bool operator==(const MatchGame&, const MatchGame&) = default;
};

// Records a game as it is played. A turn's roll is held until the turn ends,
// so that the human's double, which comes after the roll, is recorded before
// it, and a move taken back is forgotten.
class GameRecord {
public:
    // A new game; `fromStart` tells whether it begins in the starting
    // position (a game put on the board from elsewhere cannot be exported).
    void Start(bool fromStart);
    // The roll of `player`, which begins its turn (and ends the one before).
    void Roll(int player, int first, int second);
    // A piece of the turn's player moved (locations as the board numbers them).
    void Move(int from, int to, bool hit);
    // Forgets the turn's last move.
    void UndoMove();
    // Cube actions: `player` doubles to `newValue`, or takes or drops.
    void Double(int player, int newValue);
    void Take(int player);
    void Drop(int player);
    // The game is over: `winner` scores `points`. Unless the last turn was
    // played to the end (the winner bore off its last piece), a roll still
    // open was not played (a double dropped, a resignation) and is left out.
    void End(int winner, int points, bool lastTurnPlayed);
    // The position changed in a way no action records (the sides switched).
    void Interrupt() { fromStart = false; }

    bool FromStart() const { return fromStart; }
    // Whether a piece has been moved in the game.
    bool HasMoves() const;
    bool Ended() const { return game.winner != NOBODY; }
    friend bool operator==(const GameRecord&, const GameRecord&) = default;
    // The game so far, the open turn included.
    MatchGame Game() const;
    // The turns played to their end: the turn still being played is left out.
    const MatchGame& Played() const { return game; }

private:
    void Close();

    MatchGame game;
    MatchAction open;
    bool turnOpen = false;
    bool fromStart = true;
};

// The text of a match file of these games, a money session ("0 point match")
// between "Human" (the left column) and "Computer". `comment` lines, if any,
// go into the header.
std::string MatchFileText(const std::vector<MatchGame>& games, const std::vector<std::string>& comment = {});

// The same text in parts, for a file written game by game: the header, then
// each game's text with its number, counted from 1.
std::string MatchFileHeader(const std::vector<std::string>& comment = {});
std::string MatchGameText(const MatchGame& game, long number);

// Writes the text to `path`; false when it cannot be written whole.
bool WriteMatchFile(const std::string& path, const std::string& text);

// The longest match file ReadMatchFile takes, in bytes: far more than the
// longest game needs.
constexpr std::size_t MAX_MATCH_FILE_BYTES = 1 << 20;

// The text of the match file at `path`, as MatchFileText makes one: nothing
// when it is no regular file, cannot be read, is longer than
// MAX_MATCH_FILE_BYTES or holds no match file's text.
std::optional<std::string> ReadMatchFile(const std::string& path);
