// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/WinGraph.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "core/files/AtomicFile.h"
#include "core/files/LittleEndian.h"
#include "core/files/RegularFile.h"

namespace {

// A record that would divide by zero or give a ratio outside 0..100 % (or
// whose count cannot grow by one more game), or that holds a percentage no
// game could have stored, cannot be continued.
bool IsDamaged(const WinGraph& g)
{
    return g.games <= 0 || g.games == std::numeric_limits<std::int32_t>::max() || g.wins < 0 || g.wins > g.games ||
           std::any_of(g.percent.begin(), g.percent.end(),
                       [](std::int32_t p) { return p < WIN_GRAPH_ZERO || p > 100; });
}

// Steps 2 to 6 of counting a game: the slot, the counts, the decay and the
// new percentage.
void CountGame(WinGraph& g, bool humanWon)
{
    int last = -1;
    for (int i = WIN_GRAPH_SLOTS - 1; i >= 0; --i) {
        if (g.percent[i] != 0) {
            last = i;
            break;
        }
    }
    int slot = last + 1;
    if (last == WIN_GRAPH_SLOTS - 1) {
        std::copy(g.percent.begin() + 1, g.percent.end(), g.percent.begin());
        slot = WIN_GRAPH_SLOTS - 1;
    }
    g.games += 1;
    if (humanWon) g.wins += 1;
    // Recent games weigh more than old ones; halving both keeps the ratio.
    if (g.games >= WIN_GRAPH_DECAY_FROM && g.games % 2 == 0 && g.wins % 2 == 0) {
        g.games /= 2;
        g.wins /= 2;
    }
    const auto percent = static_cast<std::int32_t>(static_cast<std::int64_t>(g.wins) * 100 / g.games);
    g.percent[slot] = percent == 0 ? WIN_GRAPH_BELOW_ONE : percent;
    // The file is written in the form every copy of the program reads.
    std::replace(g.percent.begin(), g.percent.end(), WIN_GRAPH_ZERO, WIN_GRAPH_BELOW_ONE);
}

// Lays the first bytes of the regular file at `path` over `into` (a short
// file replaces only its first bytes); false when there is no such file.
bool ReadWinGraph(const std::string& path, WinGraph& into)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadRegularFile(path, WIN_GRAPH_SIZE);
    if (!bytes) return false;
    DecodeWinGraph(bytes->data(), bytes->size(), into);
    return true;
}

} // namespace

WinGraph StartWinGraph()
{
    WinGraph g;
    g.games = 2;
    g.wins = 1;
    g.percent[0] = 50;
    return g;
}

std::array<std::uint8_t, WIN_GRAPH_SIZE> EncodeWinGraph(const WinGraph& graph)
{
    std::array<std::uint8_t, WIN_GRAPH_SIZE> bytes{};
    PutInt32(&bytes[0], graph.games);
    PutInt32(&bytes[4], graph.wins);
    for (int i = 0; i < WIN_GRAPH_SLOTS; ++i) PutInt32(&bytes[8 + 4 * i], graph.percent[i]);
    return bytes;
}

void DecodeWinGraph(const std::uint8_t* bytes, std::size_t size, WinGraph& into)
{
    std::array<std::uint8_t, WIN_GRAPH_SIZE> all = EncodeWinGraph(into);
    std::copy_n(bytes, std::min<std::size_t>(size, WIN_GRAPH_SIZE), all.begin());
    into.games = GetInt32(&all[0]);
    into.wins = GetInt32(&all[4]);
    for (int i = 0; i < WIN_GRAPH_SLOTS; ++i) into.percent[i] = GetInt32(&all[8 + 4 * i]);
}

bool UpdateWinGraph(const std::string& path, WinGraph& inMemory, bool humanWon)
{
    AtomicFile out(path);
    const bool writable = out.Open();
    // The file is read again for each game: another copy of the program may
    // have counted its games into it meanwhile. Not while memory holds games
    // the file could not take: they would be lost.
    if (!inMemory.unsaved && !ReadWinGraph(path, inMemory) && writable) inMemory = StartWinGraph();
    if (IsDamaged(inMemory)) inMemory = StartWinGraph();
    CountGame(inMemory, humanWon);
    const auto bytes = EncodeWinGraph(inMemory);
    const bool written = writable && out.Write(bytes.data(), bytes.size()) && out.Commit();
    inMemory.unsaved = !written;
    return written;
}

GraphLines GraphPoints(const WinGraph& graph, const Rect& v, const Rect& h)
{
    const int w = h.right - v.right;
    const int height = h.top - v.top;
    GraphLines lines;
    lines.fiftyFrom = {v.right, v.top + height / 2};
    lines.fiftyTo = {h.right, v.top + height / 2};
    for (int i = 0; i < WIN_GRAPH_SLOTS; ++i) {
        if (i > 0 && graph.percent[i] == 0) break;
        const int percent = std::clamp<std::int32_t>(graph.percent[i], 0, 100);
        lines.history.push_back({v.right + i * w / (WIN_GRAPH_SLOTS - 1), h.top - percent * height / 100});
    }
    return lines;
}
