// SPDX-License-Identifier: GPL-3.0-or-later
// The program's texts in another language: every text the game shows comes
// from the platform's catalogue, the patterns filled in after translation.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "program/app/ProgramTexts.h"
#include "program/app/StringTable.h"
#include "program/dialogs/StatDlg.h"
#include "program/game/ExpertPlayer.h"
#include "program/platform/Catalogue.h"

#include "Brackets.h"
#include "GameFixture.h"

TEST_F(GameTest, TheGameShowsItsTextsInThePlatformsLanguage)
{
    const Brackets brackets;
    platform.catalogue = &brackets;
    StartWithRolls("31 35");
    // The move list's banner and the first move's line, the status bar's prompt.
    ASSERT_GE(platform.list.lines.size(), 7U);
    EXPECT_EQ(platform.list.lines[0], "Tablor");
    EXPECT_EQ(platform.list.lines[1], "[Backgammon game]");
    EXPECT_EQ(platform.list.lines[3], "[Good luck!]");
    EXPECT_EQ(platform.list.lines[5], "[Dice: ]3+1");
    EXPECT_EQ(platform.list.lines[6], "1[st ] [from  ]");
    EXPECT_EQ(Pane(0), "[Click on position to leave from...]");
    Type("Q");
    EXPECT_EQ(Pane(0), "[Click on position to move to...]");
    Type("T");
    EXPECT_EQ(platform.list.lines[6].substr(0, 16), "1[st ] [from  ]Q");
    EXPECT_EQ(platform.list.lines.back(), "2[nd] [from  ]");
    // A pattern is translated, then filled in.
    Key(VK_OEM_2, '/');
    EXPECT_EQ(Pane(2), "[= You lead by 3 =]");
    platform.ExpectMessageBox("[Start new game ?]", Buttons::YesNo, Icon::Question, IDNO);
    Key('N', 0, true);
    platform.CheckAllScriptsUsed();

    EXPECT_EQ(ExpertUnavailableText("no file", brackets),
              "[The Expert level is not available: no file. The computer plays at Good.]");
    EXPECT_EQ(StatDlg::ThinkingTimeText(61000, brackets), "[1 min 01 sec]");
    EXPECT_EQ(StatDlg::ThinkingTimeText(61000), "1 min 01 sec");
}
