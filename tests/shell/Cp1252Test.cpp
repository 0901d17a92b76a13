#include "shell/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252Test, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
    EXPECT_TRUE(FitsCp1252(Utf8FromCp1252(all)));

    EXPECT_EQ(Utf8FromCp1252("\x80"), "\xE2\x82\xAC");         // euro sign, not a C1 control
    EXPECT_EQ(Utf8FromCp1252("\x9F"), "\xC5\xB8");             // Y with diaeresis
    EXPECT_EQ(Utf8FromCp1252("\x81\x9D"), "\xC2\x81\xC2\x9D"); // undefined bytes keep their value
    EXPECT_EQ(Utf8FromCp1252("Espa\xF1ol"), "Espa\xC3\xB1ol");
}

TEST(Cp1252Test, UnrepresentableAndMalformedTextBecomesQuestionMarks) {
    EXPECT_EQ(Cp1252FromUtf8("\xE2\x80\x9C"
                             "a"
                             "\xE2\x80\x9D"),
              "\x93"
              "a"
              "\x94");
    EXPECT_EQ(Cp1252FromUtf8("\xE4\xB8\xAD!"), "?!"); // a CJK character
    EXPECT_EQ(Cp1252FromUtf8("\xC2\x80"), "?");       // U+0080 has no byte of its own
    EXPECT_EQ(Cp1252FromUtf8("a\xC3"), "a?");         // truncated sequence
    EXPECT_EQ(Cp1252FromUtf8("\xC0\x80"
                             "b"),
              "??b");                                     // overlong encoding
    EXPECT_EQ(Cp1252FromUtf8("\xED\xA0\x80"), "???");     // surrogate
    EXPECT_EQ(Cp1252FromUtf8("\xF0\x9F\x98\x80x"), "?x"); // outside the BMP
    EXPECT_FALSE(FitsCp1252("\xE4\xB8\xAD"));
    EXPECT_FALSE(FitsCp1252("\xFF"));
    EXPECT_TRUE(FitsCp1252("\xC2\xBFQu\xC3\xA9?"));
}
