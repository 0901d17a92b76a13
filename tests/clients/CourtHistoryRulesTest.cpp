#include "clients/CourtHistoryRules.h"

#include <gtest/gtest.h>

TEST(CourtHistoryRules, ItemChecksOnBothSidesOfTheirLimits) {
    for (int item = 1; item <= 10; ++item) {
        const int low = item == 1 ? 5 : 0, high = item == 1 ? 99 : item == 10 ? 12 : 100;
        for (int v : {low - 1, low, low + 1, high, high + 1})
            EXPECT_EQ(CheckCourtItem(item, std::to_string(v)).accepted, v >= low && v <= high)
                << item << ": " << v;
        EXPECT_FALSE(CheckCourtItem(item, "x").accepted) << item;
        EXPECT_EQ(CheckCourtItem(item, " n").text, "N") << item;
    }
    EXPECT_FALSE(CheckCourtItem(2, "00").accepted) << "only the exact text 0 is zero";
    EXPECT_EQ(CheckCourtItem(3, " x ").text, "X") << "the field keeps its trimmed, upper-cased text";
}
