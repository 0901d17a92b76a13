#include "clients/CourtHistoryRules.h"

#include <gtest/gtest.h>

TEST(CourtHistoryRules, ItemChecksOnBothSidesOfTheirLimits) {
    EXPECT_FALSE(CheckCourtItem(1, "4").accepted);
    EXPECT_TRUE(CheckCourtItem(1, "5").accepted);
    EXPECT_TRUE(CheckCourtItem(1, "99").accepted);
    EXPECT_FALSE(CheckCourtItem(1, "0").accepted);
    EXPECT_EQ(CheckCourtItem(1, " n").text, "N");

    for (int item = 2; item <= 9; ++item) {
        EXPECT_TRUE(CheckCourtItem(item, "0").accepted);
        EXPECT_FALSE(CheckCourtItem(item, "00").accepted) << "only the exact text 0 is zero";
        EXPECT_TRUE(CheckCourtItem(item, "1").accepted);
        EXPECT_TRUE(CheckCourtItem(item, "99").accepted);
        EXPECT_FALSE(CheckCourtItem(item, "").accepted);
        EXPECT_FALSE(CheckCourtItem(item, "-1").accepted);
        EXPECT_FALSE(CheckCourtItem(item, "x").accepted);
    }
    EXPECT_TRUE(CheckCourtItem(10, "12").accepted);
    EXPECT_FALSE(CheckCourtItem(10, "13").accepted);
    EXPECT_TRUE(CheckCourtItem(10, "0").accepted);

    auto refused = CheckCourtItem(3, " x ");
    EXPECT_EQ(refused.text, "X") << "the field keeps its trimmed, upper-cased text";
    EXPECT_EQ(CheckCourtValue("x", 0, 100).text, "");
}

TEST(CourtHistoryRules, MessagesFollowTheItemRanges) {
    EXPECT_EQ(CourtItemMessage(1),
              "Enter a number from 5 to 99 or N for Not Available. Press Enter to continue.");
    EXPECT_EQ(CourtItemMessage(3),
              "Enter a number from 0 to 100 or N for Not Available. Press Enter to continue.");
    EXPECT_EQ(CourtItemMessage(10),
              "Enter a number from 0 to 12 or N for Not Available. Press Enter to continue.");
    EXPECT_EQ(CourtItemControl(10), "txtPercentageTimeEmployed");
}

TEST(CourtHistoryRules, FieldsRoundTripThroughTheRecord) {
    ClientRecord r;
    CourtFields f = {"17", "2", "N", "0", "12", "1", "0", "3", "4", "12"};
    SaveCourtData(f, r);
    EXPECT_EQ(r.ToBytes().substr(64, 20), "172 N 0 121 0 3 4 12");
    EXPECT_EQ(GetCourtData(r), f);
}
