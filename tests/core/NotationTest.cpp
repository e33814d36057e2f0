// SPDX-License-Identifier: GPL-3.0-or-later
// The notation of plays: points from the mover's home, the bar and the tray
// by name, hits, one piece's moves joined, equal moves counted.

#include <gtest/gtest.h>

#include "core/files/Notation.h"

TEST(Notation, PlaysAreWrittenAsPlayersWriteThem)
{
    // The computer counts the board's locations as its own points.
    EXPECT_EQ(PlayNotation(COMPUTER, {{13, 8, false}, {24, 21, true}}), "24/21* 13/8");
    EXPECT_EQ(PlayNotation(COMPUTER, {{COMPUTER_BAR, 22, false}, {6, COMPUTER_TRAY, false}}), "bar/22 6/off");
    // The human's points run the other way: location 1 is its 24 point, its bar is 0.
    EXPECT_EQ(PlayNotation(HUMAN, {{HUMAN_BAR, 3, false}, {19, HUMAN_TRAY, false}}), "bar/22 6/off");
    EXPECT_EQ(PlayNotation(HUMAN, {{12, 17, false}, {1, 4, true}}), "24/21* 13/8");

    // One piece with both dice: the point between is shown only where it hit.
    EXPECT_EQ(PlayNotation(COMPUTER, {{24, 21, false}, {21, 16, false}}), "24/16");
    EXPECT_EQ(PlayNotation(COMPUTER, {{24, 21, true}, {21, 16, false}}), "24/21*/16");
    EXPECT_EQ(PlayNotation(COMPUTER, {{24, 21, false}, {21, 16, true}}), "24/16*");

    // Doubles: equal moves once with their count, joined moves too.
    EXPECT_EQ(PlayNotation(COMPUTER, {{8, 5, false}, {8, 5, false}, {6, 3, false}, {6, 3, false}}), "8/5(2) 6/3(2)");
    EXPECT_EQ(PlayNotation(COMPUTER, {{13, 10, false}, {13, 10, false}, {10, 7, false}, {10, 7, false}}), "13/7(2)");
    EXPECT_EQ(PlayNotation(COMPUTER, {{6, COMPUTER_TRAY, false}, {6, COMPUTER_TRAY, false}, {5, 1, false}}),
              "6/off(2) 5/1");
    // Pieces that reach a hit point together: the hit is written on the
    // first listed, whichever of them moved there first.
    EXPECT_EQ(PlayNotation(COMPUTER, {{8, 4, false}, {6, 4, true}}), "8/4* 6/4");
    EXPECT_EQ(PlayNotation(COMPUTER, {{6, 4, true}, {8, 4, false}}), "8/4* 6/4");
    EXPECT_EQ(PlayNotation(COMPUTER, {{13, 9, false}, {13, 9, true}}), "13/9*(2)");
    EXPECT_EQ(PlayNotation(COMPUTER, {{24, 20, false}, {20, 16, false}, {20, 16, true}}), "24/16* 20/16");
    EXPECT_EQ(PlayNotation(COMPUTER, {}), "");
}
