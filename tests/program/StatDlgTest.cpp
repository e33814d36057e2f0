// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "program/dialogs/StatDlg.h"

namespace {

namespace fs = std::filesystem;

GameFigures SampleFigures()
{
    GameFigures f;
    f.PipsRolled = {0, 97, 112};
    f.DoublesRolled = {0, 1, 3};
    f.HitsMade = {0, 2, 0};
    f.ScoreSinceStart = {0, 4, 1};
    f.Score = {0, -7, 12};
    f.ThinkingTime = {0, 7000, 75400};
    return f;
}

TEST(StatDlg, ThinkingTimeTexts)
{
    EXPECT_EQ(StatDlg::ThinkingTimeText(0), "0 min 00 sec");
    EXPECT_EQ(StatDlg::ThinkingTimeText(7000), "0 min 07 sec");
    EXPECT_EQ(StatDlg::ThinkingTimeText(59999), "0 min 59 sec");
    EXPECT_EQ(StatDlg::ThinkingTimeText(60000), "1 min 00 sec");
    EXPECT_EQ(StatDlg::ThinkingTimeText(75400), "1 min 15 sec");
    EXPECT_EQ(StatDlg::ThinkingTimeText(600000 * 12 + 5000), "120 min 05 sec");
    EXPECT_EQ(StatDlg::ThinkingTimeText(-5000), "0 min 00 sec");
}

TEST(StatDlg, CellsShowBothRows)
{
    const StatDlg dlg(SampleFigures(), HUMAN);
    EXPECT_EQ(dlg.CellText(202), "112");
    EXPECT_EQ(dlg.CellText(203), "3");
    EXPECT_EQ(dlg.CellText(204), "0");
    EXPECT_EQ(dlg.CellText(211), "1");
    EXPECT_EQ(dlg.CellText(221), "12");
    EXPECT_EQ(dlg.CellText(217), "1 min 15 sec");
    EXPECT_EQ(dlg.CellText(207), "97");
    EXPECT_EQ(dlg.CellText(208), "1");
    EXPECT_EQ(dlg.CellText(209), "2");
    EXPECT_EQ(dlg.CellText(215), "4");
    EXPECT_EQ(dlg.CellText(225), "-7");
    EXPECT_EQ(dlg.CellText(220), "0 min 07 sec");
    EXPECT_EQ(dlg.CellText(1118), "50");
    EXPECT_EQ(dlg.CellText(1117), "");
    // Every cell of the table has a text.
    for (const auto& row : StatDlg::CELL_IDS)
        for (int id : row) EXPECT_FALSE(dlg.CellText(id).empty()) << id;
}

TEST(StatDlg, RollChoice)
{
    StatDlg dlg(SampleFigures(), COMPUTER);
    EXPECT_EQ(dlg.rollChoice, 0);
    EXPECT_EQ(dlg.RollChoiceId(), 1231);
    dlg.SelectRollChoice(5);
    EXPECT_EQ(dlg.rollChoice, 2);
    dlg.SelectRollChoice(4);
    EXPECT_EQ(dlg.rollChoice, 1);
    EXPECT_EQ(dlg.RollChoiceId(), 4);
    dlg.SelectRollChoice(1);
    EXPECT_EQ(dlg.rollChoice, 1);
}

TEST(StatDlg, OpeningCountsTheGameAndChoosesTheSound)
{
    const fs::path dir = fs::temp_directory_path() / ("tablor-stat-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "tablorw32.gph").string();

    WinGraph record;
    StatDlg won(SampleFigures(), HUMAN);
    EXPECT_EQ(won.OnOpen(path, record), SOUND_WIN);
    EXPECT_EQ(record.games, 3);
    EXPECT_EQ(won.GraphRecord(), record);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 208u);

    StatDlg lost(SampleFigures(), COMPUTER);
    EXPECT_EQ(lost.OnOpen(path, record), SOUND_LOSE);
    EXPECT_EQ(record.games, 4);
    EXPECT_EQ(record.wins, 2);
    EXPECT_EQ(record.percent[2], 50);
    // The graph drawn is the record just written: three points.
    const GraphLines lines = lost.Graph(Rect{10, 0, 11, 100}, Rect{0, 100, 109, 101});
    ASSERT_EQ(lines.history.size(), 3u);
    EXPECT_EQ(lines.history[1], (GraphPoint{13, 34}));
    fs::remove_all(dir);
}

} // namespace
