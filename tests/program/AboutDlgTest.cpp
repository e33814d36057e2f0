// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "program/app/StringTable.h"
#include "program/dialogs/AboutDlg.h"

namespace {

TEST(AboutDlg, BuildDateAndTexts)
{
    EXPECT_EQ(AboutDlg::BuildDateText("Dec  8 2026", "16:55:19"), "Tue Dec  8 16:55:19 2026");
    EXPECT_EQ(AboutDlg::BuildDateText("Feb 29 2024", "00:00:01"), "Thu Feb 29 00:00:01 2024");
    EXPECT_EQ(AboutDlg::BuildDateText("Jan  1 2000", "12:00:00"), "Sat Jan  1 12:00:00 2000");
    EXPECT_EQ(AboutDlg::BuildDateText("Mar 15 2021", "09:30:00"), "Mon Mar 15 09:30:00 2021");
    EXPECT_EQ(AboutDlg::BuildDateText("??? 15 2021", "09:30:00"), "??? 15 2021 09:30:00");
    EXPECT_EQ(AboutDlg::BuildDate().size(), 24u);

    const AboutDlg about;
    EXPECT_EQ(about.Text(204), ApplicationTitle());
    EXPECT_EQ(about.Text(233), AboutVersion());
    EXPECT_EQ(about.Text(1245), AboutContact(0));
    EXPECT_EQ(about.Text(212), AboutContact(1));
    EXPECT_EQ(about.Text(1202), AboutDlg::BuildDate());
    EXPECT_TRUE(AboutDlg::IsBold(204));
    EXPECT_FALSE(AboutDlg::IsBold(233));
}

} // namespace
