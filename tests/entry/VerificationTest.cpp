#include "entry/Verification.h"

#include <gtest/gtest.h>

namespace {
using Key = Verification::KeyResult;
using Pass = Verification::PassResult;

// Keys every item of the current pass from `answers` (item q takes answers[q - 1]).
void KeyPass(Verification& v, const std::string& answers) {
    const int count = v.VerifyCount();
    for (int p = 1; p <= count; ++p) {
        const Key k = v.Key(answers[static_cast<std::size_t>(v.CurrentItem() - 1)]);
        ASSERT_EQ(k, p == count ? Key::PassEnded : Key::Stored) << "position " << p;
    }
}

std::string Answers(char section1, char section2, char section3) {
    return std::string(108, section1) + std::string(31, section2) + std::string(10, section3);
}
} // namespace

TEST(VerificationTest, DigitsFollowTheSectionKeysAndTheItemsNumberOfAnswers) {
    ItemAnswerLimits limits = SectionAnswerLimits();
    limits[141] = 5; // an item of section 3 with five answers
    struct Case {
        int item;
        char digit;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {1, '0', true},    {108, '2', true},  {108, '3', false}, {109, '4', true},  {109, '5', false},
        {140, '4', true},  {140, '5', false}, {141, '5', true},  {141, '6', false}, {0, '4', true},
        {150, '5', false}, {1, 'a', false},   {1, '\r', false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VerifyAcceptsDigit(c.item, c.digit, limits), c.accepted) << c.item << " " << c.digit;
}

TEST(VerificationTest, StoredAnswersAreComparedPositionByPosition) {
    // A blank first answer must not shift the later items; a short string differs where it ends.
    std::string stored = Answers('1', '3', '2');
    stored[0] = ' ';
    Verification blankFirst(stored, SectionAnswerLimits());
    KeyPass(blankFirst, Answers('1', '3', '2'));
    ASSERT_EQ(blankFirst.EndPass(), Pass::CorrectionNeeded);
    EXPECT_EQ(blankFirst.VerifyCount(), 1);
    EXPECT_EQ(blankFirst.ItemAt(1), 1);

    Verification shortStored(Answers('1', '3', '2').substr(0, 140), SectionAnswerLimits());
    KeyPass(shortStored, Answers('1', '3', '2'));
    ASSERT_EQ(shortStored.EndPass(), Pass::CorrectionNeeded);
    ASSERT_EQ(shortStored.VerifyCount(), 9);
    EXPECT_EQ(shortStored.ItemAt(1), 141);
    EXPECT_EQ(shortStored.ItemAt(9), 149);
}
