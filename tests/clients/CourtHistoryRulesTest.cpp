#include "clients/CourtHistoryRules.h"

#include <gtest/gtest.h>

TEST(CourtHistoryRules, ItemChecksOnBothSidesOfTheirLimits) {
    EXPECT_FALSE(CheckCourtItem(1, "4").accepted);
    EXPECT_TRUE(CheckCourtItem(1, "5").accepted);
    EXPECT_TRUE(CheckCourtItem(1, "99").accepted);
    EXPECT_EQ(CheckCourtItem(1, " n").text, "N");
    for (int item = 2; item <= 9; ++item) {
        EXPECT_TRUE(CheckCourtItem(item, "0").accepted);
        EXPECT_FALSE(CheckCourtItem(item, "00").accepted) << "only the exact text 0 is zero";
        EXPECT_TRUE(CheckCourtItem(item, "1").accepted);
        EXPECT_TRUE(CheckCourtItem(item, "99").accepted);
        EXPECT_FALSE(CheckCourtItem(item, "-1").accepted);
        EXPECT_FALSE(CheckCourtItem(item, "x").accepted);
    }
    EXPECT_TRUE(CheckCourtItem(10, "12").accepted);
    EXPECT_FALSE(CheckCourtItem(10, "13").accepted);
    EXPECT_EQ(CheckCourtItem(3, " x ").text, "X") << "the field keeps its trimmed, upper-cased text";
}
