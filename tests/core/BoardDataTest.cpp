#include <gtest/gtest.h>

#include "board/Board.h"

TEST(BoardData, StandardSetupCounts)
{
    const BoardData b = StandardSetup();
    EXPECT_FALSE(IsValid(b)); // the table leaves bars and trays unowned
    EXPECT_TRUE(IsValid(WithFixedOwners(b)));
    EXPECT_EQ(PipCount(b, COMPUTER), 167);
    EXPECT_EQ(PipCount(b, HUMAN), 167);
    EXPECT_EQ(QuarterCount(b, COMPUTER), 34);
    EXPECT_EQ(QuarterCount(b, HUMAN), 34);
}
