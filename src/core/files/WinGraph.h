// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics graph file: the human's winning percentage after each of
// the last fifty games, with a weighted count of games and wins.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/board/Position.h"

constexpr int WIN_GRAPH_SLOTS = 50;
// games, wins and the fifty percentages, each a little-endian int32.
constexpr int WIN_GRAPH_SIZE = 8 + 4 * WIN_GRAPH_SLOTS;
// Halving starts once this many weighted games are counted (50 / 3).
constexpr int WIN_GRAPH_DECAY_FROM = WIN_GRAPH_SLOTS / 3;
// A slot holds 1..100 for a percentage, 0 when it is empty. A game that
// leaves the ratio below 1 % (integer division gives 0) is stored as
// WIN_GRAPH_BELOW_ONE, so that it keeps its slot and the graph goes on past
// it; the value lies in the range every older copy of the program reads,
// where it is a used slot drawn at the base line.
constexpr std::int32_t WIN_GRAPH_BELOW_ONE = 1;
// Such a game as an earlier build stored it. Read as a game below 1 % and
// written back as WIN_GRAPH_BELOW_ONE: older copies took it for damage.
constexpr std::int32_t WIN_GRAPH_ZERO = -1;

struct WinGraph {
    std::int32_t games = 0;
    std::int32_t wins = 0;
    // Oldest first; 0 marks an empty slot (WIN_GRAPH_ZERO, as read from a
    // file of an earlier build, a game that left the ratio below 1 %).
    std::array<std::int32_t, WIN_GRAPH_SLOTS> percent{};
    // Not stored: the record holds games that the file could not take (a
    // full disk, a read-only folder), so it is counted on from memory.
    bool unsaved = false;
    friend bool operator==(const WinGraph&, const WinGraph&) = default;
};

// The record a missing file stands for: an even start at 50 %.
WinGraph StartWinGraph();

// Counts one finished game into the graph file at `path`: reads the file over
// `inMemory` (a short file replaces only its first bytes), adds the game, and
// writes the 208-byte record as a new file that replaces the old one whole.
// A missing or damaged record, or something in the file's place that is no
// regular file, starts from StartWinGraph(). A game the file cannot take (a
// read-only folder, a full disk) is counted in memory only, and the games
// after it are counted on from memory (not read from the file again) until a
// write succeeds; returns whether the file was written.
bool UpdateWinGraph(const std::string& path, WinGraph& inMemory, bool humanWon);

// The record as stored in the file, and back (a shorter buffer replaces only
// the first bytes of `into`).
std::array<std::uint8_t, WIN_GRAPH_SIZE> EncodeWinGraph(const WinGraph& graph);
void DecodeWinGraph(const std::uint8_t* bytes, std::size_t size, WinGraph& into);

struct GraphPoint {
    int x = 0, y = 0;
    friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

// What the statistics dialog draws: the 50 % line (black) and the history as
// a polyline (white), whose first point is drawn as a one-pixel segment.
struct GraphLines {
    GraphPoint fiftyFrom, fiftyTo;
    std::vector<GraphPoint> history;
};

// The graph's lines between the vertical axis `v` and the base line `h`
// (client coordinates): point i stands at x = v.right + i * w / 49 and
// y = h.top - percent[i] * height / 100; the history stops at the first
// empty slot after the first. Percentages are drawn clamped to 0..100
// (WIN_GRAPH_ZERO on the base line).
GraphLines GraphPoints(const WinGraph& graph, const Rect& v, const Rect& h);
