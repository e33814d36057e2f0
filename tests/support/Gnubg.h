// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// GNU Backgammon as an outside judge of the match files the game exports: it
// imports each file, and tells whether it refused a move, the final position
// (its Position ID) and the score. Tests that use it skip when it is missing.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/board/BoardData.h"

// The gnubg program, or "" when it is not installed.
inline std::string GnubgPath()
{
    for (const char* path : {"/usr/games/gnubg", "/usr/bin/gnubg", "/usr/local/bin/gnubg"})
        if (std::filesystem::exists(path)) return path;
    return "";
}

// What gnubg saw at the end of one imported file.
struct GnubgGame {
    std::string positionId;
    int human = -1;
    int computer = -1;
};

struct GnubgRun {
    std::vector<GnubgGame> games;
    // "Invalid move" and other warnings of the import.
    int warnings = 0;
    std::string output;
};

// Imports the files one after the other in one run of gnubg and reads, for
// each, the position and the score ("Human" and "Computer" as the files name them).
inline GnubgRun ImportIntoGnubg(const std::vector<std::string>& files, const std::filesystem::path& scratch)
{
    const std::filesystem::path script = scratch / "gnubg-commands.txt";
    {
        std::ofstream out(script);
        // A gammon counts double whether the cube was turned or not.
        out << "set jacoby off\n";
        for (const std::string& file : files) out << "import mat " << file << "\nshow board\nshow score\n";
    }
    GnubgRun run;
    const std::string command =
        "HOME='" + scratch.string() + "' " + GnubgPath() + " -t -q < '" + script.string() + "' 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) run.output += buffer;
    pclose(pipe);

    std::string position;
    std::size_t at = 0;
    while (at < run.output.size()) {
        std::size_t end = run.output.find('\n', at);
        if (end == std::string::npos) end = run.output.size();
        const std::string line = run.output.substr(at, end - at);
        at = end + 1;
        if (line.find("WARNING") != std::string::npos) ++run.warnings;
        if (const std::size_t id = line.find("Position ID: "); id != std::string::npos)
            position = line.substr(id + 13, 14);
        if (const std::size_t score = line.find("is: Human "); score != std::string::npos) {
            GnubgGame game;
            game.positionId = position;
            std::sscanf(line.c_str() + score, "is: Human %d, Computer %d", &game.human, &game.computer);
            run.games.push_back(game);
        }
    }
    return run;
}

// gnubg's Position ID of a board: for the side `first`, then the other, the
// pieces on its points 1 to 24 counted from its own home and on its bar, each
// as that many 1 bits and a 0, packed from the lowest bit up into ten bytes,
// in base64 without padding.
inline std::string PositionId(const BoardData& b, int first)
{
    std::vector<bool> bits;
    for (int side : {first, Opponent(first)}) {
        for (int point = 1; point <= 25; ++point) {
            const int location = point == 25 ? BarOf(side) : side == HUMAN ? 25 - point : point;
            const int count = b[location].owner == side ? b[location].count : 0;
            for (int k = 0; k < count; ++k) bits.push_back(true);
            bits.push_back(false);
        }
    }
    unsigned char key[10] = {};
    for (std::size_t i = 0; i < bits.size() && i < 80; ++i)
        if (bits[i]) key[i / 8] = static_cast<unsigned char>(key[i / 8] | 1u << (i % 8));
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string id;
    for (int i = 0; i < 12; i += 3) {
        const unsigned v = key[i] << 16 | (i + 1 < 10 ? key[i + 1] : 0) << 8 | (i + 2 < 10 ? key[i + 2] : 0);
        for (int k = 0; k < 4; ++k) id += digits[v >> (18 - 6 * k) & 63];
    }
    return id.substr(0, 14);
}

// Whether gnubg's ID names the board, with either side on roll (at the end of
// a game no side is).
inline bool SamePosition(const std::string& gnubgId, const BoardData& b)
{
    return gnubgId == PositionId(b, HUMAN) || gnubgId == PositionId(b, COMPUTER);
}
