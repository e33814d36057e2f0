// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "program/dialogs/GvUpDlg.h"

namespace {

TEST(GvUpDlg, EnablingAndDefaultFollowTheRisk)
{
    // No risk: everything may be chosen, single stakes by default.
    GvUpDlg free(false, false);
    EXPECT_TRUE(free.IsEnabled(1087));
    EXPECT_TRUE(free.IsEnabled(1088));
    EXPECT_TRUE(free.IsEnabled(1097));
    EXPECT_EQ(free.Selected(), 1087);
    EXPECT_EQ(free.Multiplier(), 1);

    // Gammon risk: single stakes is off, gammon is the default.
    GvUpDlg gammon(true, false);
    EXPECT_FALSE(gammon.IsEnabled(1087));
    EXPECT_TRUE(gammon.IsEnabled(1088));
    EXPECT_EQ(gammon.Selected(), 1088);
    gammon.Select(1087);
    EXPECT_EQ(gammon.Selected(), 1088);
    gammon.Select(1097);
    EXPECT_EQ(gammon.OnOk(), 1097);
    EXPECT_EQ(gammon.Multiplier(), 3);

    // Pieces back with contact: only backgammon.
    GvUpDlg back(true, true);
    EXPECT_FALSE(back.IsEnabled(1087));
    EXPECT_FALSE(back.IsEnabled(1088));
    EXPECT_TRUE(back.IsEnabled(1097));
    EXPECT_EQ(back.Selected(), 1097);
    back.Select(1088);
    EXPECT_EQ(back.Selected(), 1097);

    // Pieces back without gammon risk still default to backgammon.
    GvUpDlg backOnly(false, true);
    EXPECT_TRUE(backOnly.IsEnabled(1087));
    EXPECT_FALSE(backOnly.IsEnabled(1088));
    EXPECT_EQ(backOnly.Selected(), 1097);

    EXPECT_EQ(GvUpDlg::Multiplier(1088), 2);
    EXPECT_EQ(GvUpDlg::Multiplier(2), 0);
}

TEST(GvUpDlg, PiecesBackFromThePosition)
{
    BoardData board = WithFixedOwners(StandardSetup());
    // The human's two pieces on point 1 are back; with contact that forbids gammon.
    EXPECT_EQ(GvUpDlg::ForPosition(true, board, false).Selected(), 1097);
    // In a race nothing is back.
    EXPECT_EQ(GvUpDlg::ForPosition(true, board, true).Selected(), 1088);
    board[1] = Spot{0, NOBODY};
    board[19].count = 7;
    EXPECT_EQ(GvUpDlg::ForPosition(false, board, false).Selected(), 1087);
    // A piece on the human's bar counts as back.
    board[19].count = 6;
    board[HUMAN_BAR].count = 1;
    EXPECT_FALSE(GvUpDlg::ForPosition(false, board, false).IsEnabled(1088));
}

} // namespace
