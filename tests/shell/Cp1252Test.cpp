#include "shell/Cp1252.h"
#include "shell/qt/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252Test, EveryByteRoundTripsAndWhatDoesNotFitBecomesQuestionMarks) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all)), all);
    EXPECT_TRUE(FitsCp1252(Utf8FromCp1252(all)));
    // The widgets' conversion agrees with the files' one, byte for byte.
    EXPECT_EQ(FromCp1252(all), QString::fromStdString(Utf8FromCp1252(all)));
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
    // euro sign (not a C1 control), Y with diaeresis, undefined bytes keep their value
    EXPECT_EQ(Utf8FromCp1252("\x80\x9F\x81\x9D\xF1"), "\xE2\x82\xAC\xC5\xB8\xC2\x81\xC2\x9D\xC3\xB1");

    // curly quotes; CJK; U+0080 (no byte of its own); truncated; overlong; surrogate; outside the BMP
    const std::pair<const char*, const char*> encode[] = {{"\xE2\x80\x9C\x61\xE2\x80\x9D", "\x93\x61\x94"},
                                                          {"\xE4\xB8\xAD!", "?!"},
                                                          {"\xC2\x80", "?"},
                                                          {"a\xC3", "a?"},
                                                          {"\xC0\x80\x62", "??b"},
                                                          {"\xED\xA0\x80", "???"},
                                                          {"\xF0\x9F\x98\x80x", "?x"}};
    for (const auto& [utf8, cp1252] : encode)
        EXPECT_EQ(Cp1252FromUtf8(utf8), cp1252) << utf8;
    EXPECT_FALSE(FitsCp1252("\xE4\xB8\xAD") || FitsCp1252("\xFF"));
    EXPECT_TRUE(FitsCp1252("\xC2\xBFQu\xC3\xA9?"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Jos\u00e9 \u2014 \u0416 \U0001F600")), "Jos\xe9 \x97 ? ?");
}
