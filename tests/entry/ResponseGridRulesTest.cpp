#include "entry/ResponseGridRules.h"

#include <gtest/gtest.h>

TEST(ResponseGridRules, AnswerTypesFromTheSecondAnswer) {
    EXPECT_EQ(AnswerTypeOf("False"), 0);
    EXPECT_EQ(AnswerTypeOf("False, mostly"), 0);
    EXPECT_EQ(AnswerTypeOf("No"), 1);
    EXPECT_EQ(AnswerTypeOf("No, never"), 2) << "only the exact text No is a yes/no item";
    EXPECT_EQ(AnswerTypeOf("Sometimes"), 3);
    EXPECT_EQ(AnswerTypeOf("Mostly True"), 4);
    EXPECT_EQ(AnswerTypeOf("Often"), 5);
    EXPECT_EQ(AnswerTypeOf("false"), 2);
    EXPECT_EQ(AnswerTypeOf(""), 2);
    EXPECT_EQ(AnswerLegend(2), "0=No answer, 1=1, 2=2,  3=3, 4=4, Tab=Next grid");
}

TEST(ResponseGridRules, AcceptedDigitsPerType) {
    for (int type = 0; type < AnswerTypeCount; ++type) {
        const int columns = AnswerColumnCount(type);
        for (char d = '0'; d <= '9'; ++d)
            EXPECT_EQ(AcceptsDigit(type, d), d - '0' <= columns) << type << d;
        EXPECT_FALSE(AcceptsDigit(type, 'a'));
    }
    EXPECT_TRUE(AcceptsDigit(4, '5'));
    EXPECT_FALSE(AcceptsDigit(0, '3'));
    EXPECT_FALSE(AcceptsDigit(1, '3'));
}

TEST(ResponseGridRules, ItemsOfOneTypeShareAGridInTableOrder) {
    auto grids = BuildResponseGrids(
        {{1, "False"}, {2, "Sometimes"}, {3, "False"}, {4, "No"}, {5, "Sometimes"}, {6, "Mostly"}});
    ASSERT_EQ(grids.size(), 4u);
    EXPECT_EQ(grids[0].type, 0);
    EXPECT_EQ(grids[0].items, (std::vector<int>{1, 3}));
    EXPECT_EQ(grids[1].type, 3);
    EXPECT_EQ(grids[1].items, (std::vector<int>{2, 5}));
    EXPECT_EQ(grids[2].type, 1);
    EXPECT_EQ(grids[3].type, 4);
}

TEST(ResponseGridRules, CursorMovesAcrossGridsAndRingsAtTheEnds) {
    const std::vector<int> rows = {3, 2};
    EXPECT_EQ(MoveForward(rows, {0, 1}).to, (GridPosition{0, 2}));
    auto cross = MoveForward(rows, {0, 3});
    EXPECT_EQ(cross.to, (GridPosition{1, 1}));
    EXPECT_FALSE(cross.bell);
    auto end = MoveForward(rows, {1, 2});
    EXPECT_EQ(end.to, (GridPosition{1, 2}));
    EXPECT_TRUE(end.bell);

    EXPECT_EQ(MoveBack(rows, {1, 1}).to, (GridPosition{0, 3}));
    EXPECT_EQ(MoveBack(rows, {0, 2}).to, (GridPosition{0, 1}));
    auto start = MoveBack(rows, {0, 1});
    EXPECT_EQ(start.to, (GridPosition{0, 1}));
    EXPECT_TRUE(start.bell);
}

TEST(ResponseGridRules, ShortScannedStringIsCompletedWithNoAnswer) {
    const std::string scanned = std::string(140, '1') + std::string(9, ' ');
    EXPECT_EQ(AnswerCodeCount(scanned), 140);
    EXPECT_EQ(CompleteAnswerCodes(scanned, 149), std::string(140, '1') + std::string(9, '0'));
    EXPECT_EQ(AnswerCodeCount(std::string(149, '0')), 149);
    EXPECT_EQ(AnswerCodeCount(std::string(149, ' ')), 0);
}
