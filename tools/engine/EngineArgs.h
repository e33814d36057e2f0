// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine tool's command lines and the boards they name, checked before
// anything is played: a bad argument or board gives a message, never a crash.

#include <cstdint>
#include <string>
#include <vector>

#include "core/board/BoardData.h"

// The Expert's level, beside the three of the computer's own search.
constexpr int EXPERT_LEVEL = 3;

struct MoveArgs {
    BoardData board{};
    int first = 0, second = 0; // the roll, in this order
    int level = 2;
    int plies = -1; // the Expert's depth, -1 for its default
    bool book = false;
    bool human = false; // the human's side, by the suggestion's mirrored search
};

struct RollsArgs {
    std::uint32_t seed = 0;
    long count = 0;
};

// The chances of a position for the side on roll, by the Expert.
struct EvalArgs {
    BoardData board{};
    bool human = false; // the human on roll, else the computer
    int plies = 0;
};

struct SelfPlayArgs {
    long games = 0;
    std::uint32_t seed = 0;
    int computerLevel = 2, humanLevel = 2;
    int plies = -1; // the Expert's depth, -1 for its default
    bool moves = false;
    // A match file to write the games to, "" for none.
    std::string exportPath;
};

// A match file to read and replay.
struct ImportArgs {
    std::string path;
};

// Self-played games judged by the Expert, game by game (analyse-selfplay).
struct AnalyseArgs {
    long games = 0;
    std::uint32_t seed = 0;
    int computerLevel = 2, humanLevel = 2;
    int plies = -1;         // the depth of the analysis, -1 for its default (the games' Expert plays at its own)
    bool decisions = false; // also every decision, one line each
    bool cubeless = false;  // checker plays judged without the cube
};

// The games of a match file judged by the Expert (analyse).
struct AnalyseFileArgs {
    std::string path;
    int plies = -1;
    bool decisions = false;
    bool cubeless = false;
};

// Each takes the whole argument list, the command first; false with `error` set
// when an argument is missing, unknown, repeated or out of range.
bool ParseMoveArgs(const std::vector<std::string>& args, MoveArgs& out, std::string& error);
bool ParseRollsArgs(const std::vector<std::string>& args, RollsArgs& out, std::string& error);
bool ParseSelfPlayArgs(const std::vector<std::string>& args, SelfPlayArgs& out, std::string& error);
bool ParseEvalArgs(const std::vector<std::string>& args, EvalArgs& out, std::string& error);
bool ParseImportArgs(const std::vector<std::string>& args, ImportArgs& out, std::string& error);
bool ParseAnalyseArgs(const std::vector<std::string>& args, AnalyseArgs& out, std::string& error);
bool ParseAnalyseFileArgs(const std::vector<std::string>& args, AnalyseFileArgs& out, std::string& error);

// A board from 28 comma-separated count:owner entries for locations 0 to 27,
// checked as the game checks the board of a position file.
bool ParseBoardArgument(const std::string& text, BoardData& out, std::string& error);
