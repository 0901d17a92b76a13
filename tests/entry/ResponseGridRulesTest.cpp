#include "entry/ResponseGridRules.h"

#include <gtest/gtest.h>

TEST(ResponseGridRules, AnswerTypesFromTheSecondAnswer) {
    // Only the exact text "No" is a yes/no item; the prefixes are case-sensitive.
    for (auto [answer2, type] : {std::pair{"False", 0},
                                 {"False, mostly", 0},
                                 {"No", 1},
                                 {"No, never", 2},
                                 {"Sometimes", 3},
                                 {"Mostly True", 4},
                                 {"Often", 5},
                                 {"false", 2},
                                 {"", 2}})
        EXPECT_EQ(AnswerTypeOf(answer2), type) << answer2;
}

TEST(ResponseGridRules, ShortScannedStringIsCompletedWithNoAnswer) {
    const std::string scanned = std::string(140, '1') + std::string(9, ' ');
    EXPECT_EQ(AnswerCodeCount(scanned), 140);
    EXPECT_EQ(CompleteAnswerCodes(scanned, 149), std::string(140, '1') + std::string(9, '0'));
    EXPECT_EQ(AnswerCodeCount(std::string(149, '0')), 149);
    EXPECT_EQ(AnswerCodeCount(std::string(149, ' ')), 0);
}
