// SPDX-License-Identifier: GPL-3.0-or-later
// The hints window's model: its cells as the player reads them, the rows it
// keeps, and when Play plays.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/dialogs/HintDlg.h"

namespace {

std::vector<HintRow> Rows(int count)
{
    std::vector<HintRow> rows;
    for (int k = 0; k < count; ++k) {
        HintRow r;
        r.play = "play " + std::to_string(k);
        r.equity = 0.25 - 0.1 * k;
        r.chances = {0.6f, 0.2f, 0.01f, 0.1f, 0.005f};
        r.plies = k < 2 ? 2 : 0;
        rows.push_back(r);
    }
    return rows;
}

} // namespace

TEST(HintDlg, CellsShowSignedEquitiesTheDifferenceToTheBestAndPercentages)
{
    std::vector<HintRow> rows = Rows(3);
    rows[2].equity = 0.25 - 0.0004; // gives up next to nothing
    const HintDlg dialog(6, 3, rows, true, true);
    EXPECT_EQ(dialog.Die(0), 6);
    EXPECT_EQ(dialog.Die(1), 3);
    EXPECT_EQ(dialog.Cell(0, 0), "play 0");
    EXPECT_EQ(dialog.Cell(0, 1), "+0.250");
    EXPECT_EQ(dialog.Cell(1, 1), "+0.150");
    EXPECT_EQ(dialog.Cell(0, 2), "");
    EXPECT_EQ(dialog.Cell(1, 2), "-0.100");
    EXPECT_EQ(dialog.Cell(2, 2), "+0.000");
    EXPECT_EQ(dialog.Cell(0, 3), "60.0%");
    EXPECT_EQ(dialog.Cell(0, 4), "20.0%");
    EXPECT_EQ(dialog.Cell(0, 5), "1.0%");
    EXPECT_EQ(dialog.Cell(0, 6), "10.0%");
    EXPECT_EQ(dialog.Cell(0, 7), "0.5%");
    EXPECT_EQ(dialog.Cell(0, 8), "2");
    EXPECT_EQ(dialog.Cell(2, 8), "0");
    // Outside the table there is nothing.
    EXPECT_EQ(dialog.Cell(3, 0), "");
    EXPECT_EQ(dialog.Cell(-1, 1), "");
    EXPECT_EQ(dialog.Cell(0, HintDlg::COLUMNS), "");
}

TEST(HintDlg, KeepsTenRowsAndPlaysOnlyAChosenRowOfARollStillToBePlayed)
{
    HintDlg dialog(2, 2, Rows(14), false, true);
    EXPECT_EQ(dialog.Rows(), HintDlg::MAX_ROWS);
    EXPECT_EQ(dialog.Selected(), 0);
    dialog.Select(4);
    dialog.Select(HintDlg::MAX_ROWS); // beyond the list: the choice stays
    dialog.Select(-1);
    EXPECT_EQ(dialog.Selected(), 4);
    EXPECT_TRUE(dialog.CanPlay());
    EXPECT_EQ(dialog.OnPlay(), HintDlg::PLAY.id);

    const HintDlg played(2, 2, Rows(3), false, false);
    EXPECT_FALSE(played.CanPlay());
    EXPECT_EQ(played.OnPlay(), HintDlg::CLOSE.id);
    const HintDlg empty(2, 2, {}, false, true);
    EXPECT_EQ(empty.Selected(), -1);
    EXPECT_FALSE(empty.CanPlay());
}
