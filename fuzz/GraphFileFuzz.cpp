// SPDX-License-Identifier: GPL-3.0-or-later
// Counts games into any bytes taken as the statistics graph file, as the
// statistics dialog does when it opens: a lost game, a won game, and one more
// game on the file the first update wrote. Each rewritten file must begin
// with a whole record that can go on counting (games at least 1, wins
// 0..games, slots 0 for empty or 1..100, a game below 1 % stored as 1) and
// equal the record kept in memory, and the graph drawn from it, or from the
// raw bytes, must stay between the axes.

#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "core/files/WinGraph.h"
#include "program/dialogs/StatDlg.h"

namespace {

// Multiplies a rectangle in dialog units into pixels.
Rect Scaled(const Rect& r, int xNum, int xDen, int yNum, int yDen)
{
    return Rect{r.left * xNum / xDen, r.top * yNum / yDen, r.right * xNum / xDen, r.bottom * yNum / yDen};
}

// Every point of the graph lies in the area between the axis and the base line.
void CheckGraph(const WinGraph& graph)
{
    static const Rect axes[][2] = {
        {StatDlg::AXIS_DU, StatDlg::BASE_LINE_DU},
        {Scaled(StatDlg::AXIS_DU, 3, 2, 13, 8), Scaled(StatDlg::BASE_LINE_DU, 3, 2, 13, 8)},
        {Scaled(StatDlg::AXIS_DU, 7, 4, 2, 1), Scaled(StatDlg::BASE_LINE_DU, 7, 4, 2, 1)},
    };
    for (const auto& pair : axes) {
        const Rect& v = pair[0];
        const Rect& h = pair[1];
        const GraphLines lines = GraphPoints(graph, v, h);
        auto inside = [&](const GraphPoint& p) {
            return p.x >= v.right && p.x <= h.right && p.y >= v.top && p.y <= h.top;
        };
        Require(inside(lines.fiftyFrom) && inside(lines.fiftyTo), "the 50 % line lies between the axes");
        Require(!lines.history.empty() && lines.history.size() <= WIN_GRAPH_SLOTS, "the history has 1..50 points");
        for (const GraphPoint& p : lines.history) Require(inside(p), "every graph point lies between the axes");
    }
}

// The file after an update: a whole record, sound, equal to the one in memory.
void CheckRewritten(const std::string& path, const WinGraph& inMemory)
{
    const std::vector<std::uint8_t> bytes = ReadBack(path);
    // The record is written over the start of the file; bytes after it are
    // never read.
    Require(bytes.size() >= WIN_GRAPH_SIZE, "the graph file holds a whole record");
    WinGraph stored;
    DecodeWinGraph(bytes.data(), WIN_GRAPH_SIZE, stored);
    Require(stored == inMemory, "the file holds the record kept in memory");
    Require(stored.games >= 1, "games is at least 1");
    Require(stored.wins >= 0 && stored.wins <= stored.games, "wins is 0..games");
    for (std::int32_t percent : stored.percent) Require(percent >= 0 && percent <= 100, "slots hold empties or 1..100");
    CheckGraph(stored);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = FuzzPath("graph.gph");

    // The dialog draws only what it wrote, but the drawing must hold for any record.
    WinGraph raw;
    DecodeWinGraph(data, size, raw);
    CheckGraph(raw);

    for (const bool humanWon : {false, true}) {
        WriteInput(path, data, size);
        // The record in memory is zero at program start.
        WinGraph inMemory;
        Require(UpdateWinGraph(path, inMemory, humanWon), "the graph file is written");
        CheckRewritten(path, inMemory);
        // The next game reads the file just written.
        Require(UpdateWinGraph(path, inMemory, !humanWon), "the graph file is written again");
        CheckRewritten(path, inMemory);
    }
    return 0;
}
