// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "FileTestFolder.h"
#include "HostileFiles.h"
#include "core/files/WinGraph.h"

namespace {

namespace fs = std::filesystem;

class WinGraphFile : public FileTestFolder {
protected:
    void SetUp() override
    {
        FileTestFolder::SetUp();
        path = (dir / "tablorw32.gph").string();
    }

    std::vector<std::uint8_t> Bytes() const { return FileTestFolder::Bytes(path); }
    void WriteBytes(const std::vector<std::uint8_t>& bytes) const { FileTestFolder::WriteBytes(path, bytes); }
    void WriteGraph(const WinGraph& g) const
    {
        const auto bytes = EncodeWinGraph(g);
        WriteBytes({bytes.begin(), bytes.end()});
    }
    WinGraph ReadBack() const
    {
        const std::vector<std::uint8_t> bytes = Bytes();
        WinGraph g;
        DecodeWinGraph(bytes.data(), bytes.size(), g);
        return g;
    }

    std::string path;
};

TEST_F(WinGraphFile, FirstGameStartsFromAnEvenRecord)
{
    WinGraph memory;
    EXPECT_TRUE(UpdateWinGraph(path, memory, true));
    std::vector<std::uint8_t> b = Bytes();
    ASSERT_EQ(b.size(), 208u);
    EXPECT_EQ(Int32At(b, 0), 3);
    EXPECT_EQ(Int32At(b, 4), 2);
    EXPECT_EQ(Int32At(b, 8), 50);
    EXPECT_EQ(Int32At(b, 12), 66);
    for (std::size_t at = 16; at < 208; at += 4) EXPECT_EQ(Int32At(b, at), 0) << at;
    EXPECT_EQ(memory, ReadBack());

    fs::remove(path);
    WinGraph lost;
    EXPECT_TRUE(UpdateWinGraph(path, lost, false));
    EXPECT_EQ(ReadBack().games, 3);
    EXPECT_EQ(ReadBack().wins, 1);
    EXPECT_EQ(ReadBack().percent[0], 50);
    EXPECT_EQ(ReadBack().percent[1], 33);
}

TEST_F(WinGraphFile, FiftyGamesScrollTheOldestOff)
{
    WinGraph g;
    g.games = 8;
    g.wins = 3;
    for (int i = 0; i < WIN_GRAPH_SLOTS - 1; ++i) g.percent[i] = i + 1;
    WriteGraph(g);
    WinGraph memory;
    // The 50th slot is still free: no shift.
    UpdateWinGraph(path, memory, true);
    EXPECT_EQ(memory.percent[0], 1);
    EXPECT_EQ(memory.percent[48], 49);
    EXPECT_EQ(memory.percent[49], 4 * 100 / 9);
    // All slots in use: the oldest value drops out and the new one is last.
    UpdateWinGraph(path, memory, false);
    EXPECT_EQ(memory.percent[0], 2);
    EXPECT_EQ(memory.percent[47], 49);
    EXPECT_EQ(memory.percent[48], 44);
    EXPECT_EQ(memory.percent[49], 40);
    EXPECT_EQ(ReadBack(), memory);
}

// After more than a hundred weighted games with one win the ratio is below
// 1 %: each such game still takes its slot, stored as 1 % (a value every copy
// of the program reads as a used slot), so the graph scrolls on and draws it
// on the base line; the first win after them is drawn after them.
TEST_F(WinGraphFile, GamesBelowOnePercentStillScrollTheGraph)
{
    WinGraph g;
    g.games = 150;
    g.wins = 1;
    g.percent.fill(2);
    g.percent[0] = 7;
    WriteGraph(g);
    WinGraph memory;
    ASSERT_TRUE(UpdateWinGraph(path, memory, false));
    EXPECT_EQ(memory.percent[49], 1);
    ASSERT_TRUE(UpdateWinGraph(path, memory, false));
    EXPECT_EQ(memory.percent[0], 2) << "the oldest games scrolled off";
    EXPECT_EQ(memory.percent[48], 1);
    EXPECT_EQ(memory.percent[49], 1);
    EXPECT_EQ(ReadBack(), memory);
    ASSERT_TRUE(UpdateWinGraph(path, memory, true));
    EXPECT_EQ(memory.percent[47], 1);
    EXPECT_EQ(memory.percent[48], 1);
    EXPECT_EQ(memory.percent[49], 1);

    const Rect v{47, 94, 48, 150};
    const Rect h{35, 137, 277, 138};
    const GraphLines lines = GraphPoints(memory, v, h);
    ASSERT_EQ(lines.history.size(), 50u);
    EXPECT_EQ(lines.history[48], (GraphPoint{48 + 48 * 229 / 49, 137}));

    // From an even start the same holds where the ratio first drops below 1 %.
    WinGraph fresh;
    fresh.games = 8;
    fresh.wins = 0;
    fresh.percent[0] = 50;
    WriteGraph(fresh);
    ASSERT_TRUE(UpdateWinGraph(path, memory, false));
    ASSERT_TRUE(UpdateWinGraph(path, memory, false));
    EXPECT_EQ(memory.percent[1], 1);
    EXPECT_EQ(memory.percent[2], 1);
    EXPECT_EQ(GraphPoints(memory, v, h).history.size(), 3u);
}

// A game below 1 % that an earlier build stored as -1 is read as a used slot
// on the base line and written back as 1, so that the whole file again holds
// only what every copy of the program takes for a sound record (0..100).
TEST_F(WinGraphFile, AnEarlierMarkBelowOnePercentIsReadAndWrittenBackAsOne)
{
    WinGraph g;
    g.games = 150;
    g.wins = 1;
    g.percent[0] = 3;
    g.percent[1] = WIN_GRAPH_ZERO;
    g.percent[2] = WIN_GRAPH_ZERO;
    WriteGraph(g);
    const Rect v{47, 94, 48, 150};
    const Rect h{35, 137, 277, 138};
    ASSERT_EQ(GraphPoints(g, v, h).history.size(), 3u);
    EXPECT_EQ(GraphPoints(g, v, h).history[2].y, 137);

    WinGraph memory;
    ASSERT_TRUE(UpdateWinGraph(path, memory, true));
    EXPECT_EQ(memory.games, 151) << "the record was continued, not taken for damage";
    const WinGraph stored = ReadBack();
    EXPECT_EQ(stored.percent[0], 3);
    EXPECT_EQ(stored.percent[1], 1);
    EXPECT_EQ(stored.percent[2], 1);
    EXPECT_EQ(stored.percent[3], 2 * 100 / 151);
    for (const std::int32_t percent : stored.percent) EXPECT_TRUE(percent >= 0 && percent <= 100) << percent;
}

TEST_F(WinGraphFile, DecayHalvesEvenCounts)
{
    WinGraph g = StartWinGraph();
    g.games = 15;
    g.wins = 7;
    WriteGraph(g);
    WinGraph memory;
    UpdateWinGraph(path, memory, true);
    EXPECT_EQ(memory.games, 8);
    EXPECT_EQ(memory.wins, 4);
    EXPECT_EQ(memory.percent[1], 50);

    WriteGraph(g);
    UpdateWinGraph(path, memory, false);
    EXPECT_EQ(memory.games, 16);
    EXPECT_EQ(memory.wins, 7);
    EXPECT_EQ(memory.percent[1], 43);

    // Below 16 games even counts are kept.
    g.games = 13;
    g.wins = 5;
    WriteGraph(g);
    UpdateWinGraph(path, memory, true);
    EXPECT_EQ(memory.games, 14);
    EXPECT_EQ(memory.wins, 6);
}

TEST_F(WinGraphFile, DamagedRecordsStartAgain)
{
    struct Case {
        std::int32_t games, wins;
    };
    for (const Case c : {Case{0, 0}, Case{-1, 0}, Case{-5, -3}, Case{4, -1}, Case{4, 5}, Case{INT32_MAX, 1}}) {
        WinGraph g;
        g.games = c.games;
        g.wins = c.wins;
        g.percent[0] = 70;
        g.percent[1] = 80;
        WriteGraph(g);
        WinGraph memory;
        UpdateWinGraph(path, memory, true);
        EXPECT_EQ(memory.games, 3) << c.games << "/" << c.wins;
        EXPECT_EQ(memory.wins, 2);
        EXPECT_EQ(memory.percent[0], 50);
        EXPECT_EQ(memory.percent[1], 66);
        EXPECT_EQ(ReadBack(), memory);
    }
    // A percentage no game could have stored marks the record as damaged too.
    for (const std::int32_t percent : {101, -2, INT32_MIN}) {
        WinGraph g;
        g.games = 10;
        g.wins = 5;
        g.percent[0] = 50;
        g.percent[1] = percent;
        WriteGraph(g);
        WinGraph memory;
        UpdateWinGraph(path, memory, false);
        EXPECT_EQ(memory.games, 3) << percent;
        EXPECT_EQ(memory.percent[1], 33);
        EXPECT_EQ(ReadBack(), memory);
    }
    // Huge counts do not overflow the percentage.
    WinGraph big;
    big.games = 2000000001;
    big.wins = 2000000000;
    WriteGraph(big);
    WinGraph memory;
    UpdateWinGraph(path, memory, false);
    EXPECT_EQ(memory.percent[0], 99);
}

TEST_F(WinGraphFile, ShortFileReplacesOnlyItsBytes)
{
    WinGraph memory = StartWinGraph();
    memory.games = 9;
    memory.wins = 4;
    memory.percent[1] = 44;
    // Only `games` (10) is in the file; wins and the slots stay as in memory.
    WriteBytes({10, 0, 0, 0});
    UpdateWinGraph(path, memory, true);
    EXPECT_EQ(memory.games, 11);
    EXPECT_EQ(memory.wins, 5);
    EXPECT_EQ(memory.percent[0], 50);
    EXPECT_EQ(memory.percent[1], 44);
    EXPECT_EQ(memory.percent[2], 45);
    EXPECT_EQ(Bytes().size(), 208u);

    // An empty file at start-up holds nothing usable.
    WriteBytes({});
    WinGraph fresh;
    UpdateWinGraph(path, fresh, false);
    EXPECT_EQ(fresh.games, 3);
    EXPECT_EQ(fresh.percent[1], 33);
}

TEST_F(WinGraphFile, UnwritableFolderStillCountsTheGame)
{
    const std::string nowhere = (dir / "missing" / "tablorw32.gph").string();
    WinGraph memory;
    EXPECT_FALSE(UpdateWinGraph(nowhere, memory, true));
    EXPECT_FALSE(fs::exists(nowhere));
    EXPECT_EQ(memory.games, 3);
    EXPECT_EQ(memory.percent[1], 66);
}

// Something that is no file in the graph's place gives the start values and
// the games are counted on in memory; a write replaces the whole file or
// leaves it as it was.
TEST_F(WinGraphFile, NoFileInItsPlaceAndAFullDisk)
{
    WinGraph played = StartWinGraph();
    played.games = 10;
    played.wins = 6;
    const auto record = EncodeWinGraph(played);
    const FilledFifo fifo(path, std::string(record.begin(), record.end()));
    ASSERT_TRUE(fifo.Ready());
    for (const std::string& other : {path, std::string("/dev/zero"), dir.string()}) {
        WinGraph memory;
        EXPECT_FALSE(UpdateWinGraph(other, memory, true)) << other;
        EXPECT_EQ(memory.games, 3) << other;
        EXPECT_EQ(memory.percent[1], 66) << other;
        EXPECT_FALSE(UpdateWinGraph(other, memory, false)) << other;
        EXPECT_EQ(memory.games, 4) << other;
    }
    EXPECT_TRUE(fs::is_fifo(path));

    const std::string file = (dir / "graph.gph").string();
    FileTestFolder::WriteBytes(file, {record.begin(), record.end()});
    fs::create_hard_link(file, dir / "second name");
    WinGraph memory;
    {
        const DiskFullAfter full(WIN_GRAPH_SIZE - 1);
        ASSERT_TRUE(full.Active());
        EXPECT_FALSE(UpdateWinGraph(file, memory, true));
    }
    EXPECT_EQ(memory.games, 11);
    EXPECT_EQ(FileTestFolder::Bytes(file), std::vector<std::uint8_t>(record.begin(), record.end()));
    {
        const DiskFullAfter full(0);
        ASSERT_TRUE(full.Active());
        EXPECT_FALSE(UpdateWinGraph(file, memory, false));
    }
    EXPECT_EQ(memory.games, 12) << "counted on from memory, not from the file's 10";
    // Once the disk takes it again, the file gets every game counted meanwhile.
    ASSERT_TRUE(UpdateWinGraph(file, memory, true));
    EXPECT_EQ(memory.games, 13);
    const auto stored = EncodeWinGraph(memory);
    EXPECT_EQ(FileTestFolder::Bytes(file), std::vector<std::uint8_t>(stored.begin(), stored.end()));
    EXPECT_EQ(FileTestFolder::Bytes((dir / "second name").string()),
              std::vector<std::uint8_t>(record.begin(), record.end()));
    // From then on the file is read again for each game.
    WinGraph other = memory;
    other.games = 20;
    const auto written = EncodeWinGraph(other);
    FileTestFolder::WriteBytes(file, {written.begin(), written.end()});
    ASSERT_TRUE(UpdateWinGraph(file, memory, false));
    EXPECT_EQ(memory.games, 21);
}

TEST(WinGraphPoints, PlacesHistoryAndFiftyLine)
{
    const Rect v{47, 94, 48, 150};
    const Rect h{35, 137, 277, 138};
    WinGraph g = StartWinGraph();
    g.percent[1] = 100;
    g.percent[2] = 25;
    g.percent[4] = 60; // after an empty slot: not drawn
    const GraphLines lines = GraphPoints(g, v, h);
    // w = 229, h = 43.
    EXPECT_EQ(lines.fiftyFrom, (GraphPoint{48, 94 + 21}));
    EXPECT_EQ(lines.fiftyTo, (GraphPoint{277, 94 + 21}));
    ASSERT_EQ(lines.history.size(), 3u);
    EXPECT_EQ(lines.history[0], (GraphPoint{48, 137 - 50 * 43 / 100}));
    EXPECT_EQ(lines.history[1], (GraphPoint{48 + 229 / 49, 94}));
    EXPECT_EQ(lines.history[2], (GraphPoint{48 + 2 * 229 / 49, 137 - 25 * 43 / 100}));

    // A full history ends at the right end; values outside 0..100 are clamped.
    WinGraph full;
    full.percent.fill(40);
    full.percent[10] = 250;
    full.percent[11] = -30;
    const GraphLines all = GraphPoints(full, v, h);
    ASSERT_EQ(all.history.size(), 50u);
    EXPECT_EQ(all.history[49].x, 277);
    EXPECT_EQ(all.history[10].y, 94);
    EXPECT_EQ(all.history[11].y, 137);

    // An empty first slot still gives the first point, on the base line.
    const GraphLines none = GraphPoints(WinGraph{}, v, h);
    ASSERT_EQ(none.history.size(), 1u);
    EXPECT_EQ(none.history[0], (GraphPoint{48, 137}));
}

} // namespace
