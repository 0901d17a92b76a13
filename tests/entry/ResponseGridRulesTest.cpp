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
}

TEST(ResponseGridRules, ShortScannedStringIsCompletedWithNoAnswer) {
    const std::string scanned = std::string(140, '1') + std::string(9, ' ');
    EXPECT_EQ(AnswerCodeCount(scanned), 140);
    EXPECT_EQ(CompleteAnswerCodes(scanned, 149), std::string(140, '1') + std::string(9, '0'));
    EXPECT_EQ(AnswerCodeCount(std::string(149, '0')), 149);
    EXPECT_EQ(AnswerCodeCount(std::string(149, ' ')), 0);
}
