// Mark reading on small hand-made pages: conversions, the mark test, registration and the readers.
#include "entry/MarkReading.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

PreparedPage WhitePage() {
    return {850, 1400, std::vector<uint8_t>(850 * 1400, ScanSurface::White)};
}

void Fill(PreparedPage& page, int x, int y, int w, int h, uint8_t value = ScanSurface::Black) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            page.pixels[static_cast<std::size_t>(j * page.width + i)] = value;
}

// Darkens the first `count` pixels of the square at (x, y), row by row `width` wide.
void Speck(PreparedPage& page, int x, int y, int count, int width = 8) {
    for (int k = 0; k < count; ++k)
        Fill(page, x + k % width, y + k / width, 1, 1);
}

ScanPoint At(int x, int y) {
    return {static_cast<int16_t>(x), static_cast<int16_t>(y), 0, 0};
}

ScanPoint Polar(float r, float theta) {
    ScanPoint p{0, 0, r, theta};
    PolarToXY(p);
    return p;
}

// Anchor box at (20, 20); reference box 770 to the right.
PreparedPage RegisteredPage() {
    PreparedPage page = WhitePage();
    Fill(page, 20, 20, 20, 20);
    Fill(page, 790, 20, 20, 20);
    return page;
}

class MarkReadingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetScanState(); }
    void TearDown() override { ResetScanState(); }
    PreparedPage page = WhitePage();
};

TEST_F(MarkReadingTest, PolarConversionsRoundHalfToEven) {
    // One degree moves a point 500 pixels to the right by about 9 pixels downwards.
    for (auto [r, theta, x, y] : {std::tuple{2.5f, 0.f, 2, 0},
                                  {3.5f, 0.f, 4, 0},
                                  {-2.5f, 0.f, -2, 0},
                                  {500.f, 1.f, 500, 9},
                                  {500.f, 90.f, 0, 500}}) {
        EXPECT_EQ(Polar(r, theta).x, x) << r << " " << theta;
        EXPECT_EQ(Polar(r, theta).y, y) << r << " " << theta;
    }
    EXPECT_THROW(Polar(40000, 0), ScanReadError);
    ScanPoint p = At(0, -7);
    XYToPolar(p);
    EXPECT_FLOAT_EQ(p.r, 7);
    EXPECT_FLOAT_EQ(p.theta, 90);
}

TEST_F(MarkReadingTest, MarkTestCountsTheWholeSquareAgainstItsLimit) {
    ScanDC = ScanSurface(&page);
    Speck(page, 10, 10, 19);
    Fill(page, 18, 10, 1, 8); // just right of the 8 x 8 square
    EXPECT_FALSE(IsMarked(At(10, 10), 8));
    EXPECT_EQ(DarkCount, 19);
    Speck(page, 10, 10, 20);
    EXPECT_TRUE(IsMarked(At(10, 10), 8));

    // A bubble square is 15 x 15: offset 14 counts, 15 does not; grey counts as dark.
    Fill(page, 50, 50, 1, 9, 128);
    Fill(page, 51, 50, 1, 9);
    EXPECT_FALSE(IsMarked(At(36, 50), 14));
    EXPECT_EQ(DarkCount, 9);
    Fill(page, 50, 59, 1, 1);
    EXPECT_TRUE(IsMarked(At(36, 50), 14));
    EXPECT_EQ(DarkCount, 10);
}

TEST_F(MarkReadingTest, RegistrationFindsBothBoxesAndTheSkew) {
    page = RegisteredPage();
    ASSERT_EQ(RegisterSheet(page), Registration::Registered);
    EXPECT_EQ(AnchorPoint.x, 20);
    EXPECT_EQ(AnchorPoint.y, 20);
    // The last hit in the first row with a hit: three columns short of the box's right edge.
    EXPECT_EQ(ReferencePoint.x, 770 + 20 - 3);
    EXPECT_FLOAT_EQ(SheetSkew, 0);

    page = WhitePage();
    EXPECT_EQ(RegisterSheet(page), Registration::NoAnchorBox);
    Fill(page, 20, 20, 20, 20);
    EXPECT_EQ(RegisterSheet(page), Registration::NoReferenceBox);
    Fill(page, 790, 20, 20, 20, 100); // a reference box must be pure black
    EXPECT_EQ(RegisterSheet(page), Registration::NoReferenceBox);
    // With the anchor at x = 47 the window's last square hangs over the page edge, which reads as
    // white: a two-pixel dark border does not pass for the box.
    page = WhitePage();
    Fill(page, 47, 30, 20, 20);
    Fill(page, 848, 0, 2, 200);
    EXPECT_EQ(RegisterSheet(page), Registration::NoReferenceBox);
}

class ReaderTest : public MarkReadingTest {
protected:
    void SetUp() override {
        MarkReadingTest::SetUp();
        page = RegisteredPage();
        ASSERT_EQ(RegisterSheet(page), Registration::Registered);
    }
    // `pixels` dark pixels in the bubble square at (x, y) from the anchor.
    void Mark(int x, int y, int pixels = 100) { Speck(page, 20 + x + 2, 20 + y + 2, pixels, 11); }

    // A column of ten bubbles 100 pixels below the anchor, 20 apart.
    std::string ReadColumn() {
        ScanItemList items({{"column", 100, 90, 0, 20, 1, 10, 0, 0}});
        items.MoveFirst();
        std::string text = "x";
        ReadDigitColumn(items, text);
        return text;
    }
    // A row of `dimx` bubbles 200 pixels right of the anchor, 25 apart; offset -1 reads a choice.
    std::string ReadRow(int dimx, int offset) {
        ScanItemList items({{"row", 200, 0, 25, 0, dimx, 1, 0, 0}});
        items.MoveFirst();
        std::string text;
        if (offset < 0)
            ReadChoiceRow(items, text);
        else
            ReadBubbleRow(items, text, offset);
        return text;
    }
};

TEST_F(ReaderTest, DigitColumnTakesTheDarkestAndTheLowerOnATie) {
    EXPECT_EQ(ReadColumn(), "xN");
    Mark(0, 100 + 3 * 20, 60);
    EXPECT_EQ(ReadColumn(), "x3");
    Mark(0, 100 + 7 * 20, 60);
    EXPECT_EQ(ReadColumn(), "x3");
    Mark(0, 100 + 7 * 20, 90);
    EXPECT_EQ(ReadColumn(), "x7");
}

TEST_F(ReaderTest, RowsAndChoicesFollowTheirOffsetsAndIgnoreFaintMarks) {
    EXPECT_EQ(ReadRow(2, 1), "0");
    EXPECT_EQ(ReadRow(10, 0), "N");
    EXPECT_EQ(ReadRow(6, -1), "0");
    Mark(200, 0, 9); // below the limit
    EXPECT_EQ(ReadRow(2, 1), "0");
    Mark(225, 0);
    EXPECT_EQ(ReadRow(2, 1), "2");
    EXPECT_EQ(ReadRow(10, 0), "1");
    EXPECT_EQ(ReadRow(6, -1), "2");
    Mark(275, 0, 110);
    EXPECT_EQ(ReadRow(4, 1), "4");
}

} // namespace
