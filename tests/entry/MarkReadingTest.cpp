// Mark reading on small hand-made pages: conversions, the mark test, registration and the readers.
#include "entry/MarkReading.h"

#include <gtest/gtest.h>

namespace {

PreparedPage WhitePage(int width = 850, int height = 1400) {
    return {width, height,
            std::vector<uint8_t>(static_cast<std::size_t>(width * height), ScanSurface::White)};
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
    ScanPoint p;
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    return p;
}

// A page with an anchor box at (20, 20) and a reference box whose top row starts `refY` below it.
PreparedPage RegisteredPage(int refY = 0) {
    PreparedPage page = WhitePage();
    Fill(page, 20, 20, 20, 20);
    Fill(page, 20 + 770, 20 + refY, 20, 20);
    return page;
}

class MarkReadingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetScanState(); }
    void TearDown() override { ResetScanState(); }
};

TEST_F(MarkReadingTest, PolarConversionsRoundHalfToEvenAndSkipQuadrantCorrection) {
    ScanPoint p;
    for (auto [r, x] : {std::pair{2.5f, 2}, {3.5f, 4}, {-2.5f, -2}, {0.4f, 0}}) {
        p.r = r;
        p.theta = 0;
        PolarToXY(p);
        EXPECT_EQ(p.x, x) << r;
        EXPECT_EQ(p.y, 0);
    }
    // One degree of skew moves a point 500 pixels to the right by about 9 pixels downwards.
    p.r = 500;
    p.theta = 1;
    PolarToXY(p);
    EXPECT_EQ(p.x, 500);
    EXPECT_EQ(p.y, 9);
    p.theta = 90;
    PolarToXY(p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 500);

    p = At(3, 4);
    XYToPolar(p);
    EXPECT_FLOAT_EQ(p.r, 5);
    EXPECT_NEAR(p.theta, 53.1301, 1e-3);
    p = At(0, -7);
    XYToPolar(p);
    EXPECT_FLOAT_EQ(p.theta, 90);
    p = At(-3, 4);
    XYToPolar(p);
    EXPECT_NEAR(p.theta, -53.1301, 1e-3);

    p.r = 40000;
    p.theta = 0;
    EXPECT_THROW(PolarToXY(p), ScanReadError);
}

TEST_F(MarkReadingTest, MarkTestCountsTheWholeSquareAgainstItsLimit) {
    PreparedPage page = WhitePage(100, 100);
    ScanDC = ScanSurface(&page);
    Speck(page, 10, 10, 19);
    EXPECT_FALSE(IsMarked(At(10, 10), 8));
    EXPECT_EQ(DarkCount, 19);
    Speck(page, 10, 10, 20);
    EXPECT_TRUE(IsMarked(At(10, 10), 8));
    Fill(page, 18, 10, 1, 8); // just outside the 8 x 8 square
    EXPECT_TRUE(IsMarked(At(10, 10), 8));
    EXPECT_EQ(DarkCount, 20);

    // A bubble square is 15 x 15: offset 14 counts, offset 15 does not; grey counts as dark.
    page = WhitePage(100, 100);
    Fill(page, 50, 50, 1, 9, 128);
    Fill(page, 51, 50, 1, 9);
    EXPECT_FALSE(IsMarked(At(36, 50), 14));
    EXPECT_EQ(DarkCount, 9);
    Fill(page, 50, 59, 1, 1);
    EXPECT_TRUE(IsMarked(At(36, 50), 14));
    EXPECT_EQ(DarkCount, 10);

    // Beyond the page edge the paper reads as white.
    EXPECT_FALSE(IsMarked(At(95, 95), 14));
    EXPECT_EQ(DarkCount, 0);
}

TEST_F(MarkReadingTest, RegistrationFindsBothBoxesAndTheSkew) {
    PreparedPage page = RegisteredPage();
    ASSERT_EQ(RegisterSheet(page), Registration::Registered);
    EXPECT_EQ(AnchorPoint.x, 20);
    EXPECT_EQ(AnchorPoint.y, 20);
    EXPECT_NEAR(AnchorPoint.r, 28.284f, 1e-3);
    // The last hit of the first row with a hit: three columns short of the box's right edge.
    EXPECT_EQ(ReferencePoint.x, 770 + 20 - 3);
    EXPECT_EQ(ReferencePoint.y, 0);
    EXPECT_FLOAT_EQ(SheetSkew, 0);
    EXPECT_EQ(ScanDC.originX(), 20);

    page = RegisteredPage(-10);
    ASSERT_EQ(RegisterSheet(page), Registration::Registered);
    EXPECT_EQ(ReferencePoint.y, -10);
    EXPECT_NEAR(SheetSkew, -0.728, 1e-3);

    PreparedPage blank = WhitePage();
    EXPECT_EQ(RegisterSheet(blank), Registration::NoAnchorBox);
    PreparedPage anchorOnly = WhitePage();
    Fill(anchorOnly, 20, 20, 20, 20);
    EXPECT_EQ(RegisterSheet(anchorOnly), Registration::NoReferenceBox);

    // The reference box must be pure black; grey is only ever counted, never a candidate.
    PreparedPage greyReference = RegisteredPage();
    Fill(greyReference, 790, 20, 20, 20, 100);
    EXPECT_EQ(RegisterSheet(greyReference), Registration::NoReferenceBox);
}

TEST_F(MarkReadingTest, AnchorSearchRulesAndSpecks) {
    // A speck of 19 dark pixels in an 8 x 8 square is no box; one of 20 is.
    PreparedPage page = WhitePage();
    Speck(page, 20, 20, 19);
    ScanDC = ScanSurface(&page);
    EXPECT_FALSE(FindAnchorBox());
    Speck(page, 20, 20, 20);
    ASSERT_TRUE(FindAnchorBox());
    EXPECT_EQ(AnchorPoint.x, 20);
    EXPECT_EQ(AnchorPoint.y, 20);

    // Grey strays left of x = 7 lie outside the window.
    page = WhitePage();
    Fill(page, 0, 0, 7, 140, 128);
    ScanDC = ScanSurface(&page);
    EXPECT_FALSE(FindAnchorBox());
    Fill(page, 25, 30, 20, 20);
    ASSERT_TRUE(FindAnchorBox());
    EXPECT_EQ(AnchorPoint.x, 25);
    EXPECT_EQ(AnchorPoint.y, 30);

    // The leftmost hit's x goes with the y of the first row that had a hit.
    page = WhitePage();
    Fill(page, 30, 20, 10, 10);
    Fill(page, 15, 40, 10, 10);
    ScanDC = ScanSurface(&page);
    ASSERT_TRUE(FindAnchorBox());
    EXPECT_EQ(AnchorPoint.x, 15);
    EXPECT_EQ(AnchorPoint.y, 20);

    // Dark pixels met before any white one are no candidates.
    page = WhitePage();
    Fill(page, 7, 0, 20, 20);
    ScanDC = ScanSurface(&page);
    ASSERT_TRUE(FindAnchorBox());
    EXPECT_EQ(AnchorPoint.x, 7);
    EXPECT_EQ(AnchorPoint.y, 1);
}

TEST_F(MarkReadingTest, DarkPageEdgeIsNoReferenceBox) {
    // The search window reaches the right edge of the page; the square tested there would hang over
    // it. A two-pixel dark border must not pass for the box.
    PreparedPage page = WhitePage();
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
    // A mark of `pixels` dark pixels in the bubble whose square starts at (x, y) from the anchor.
    void Mark(int x, int y, int pixels = 100) { Speck(page, 20 + x + 2, 20 + y + 2, pixels, 11); }

    // A column of ten bubbles 100 pixels below the anchor, or a row of `dimx` 200 pixels to its right.
    static ScanItemRow Column() { return {"column", 100, 90, 0, 20, 1, 10, 0, 0}; }
    static ScanItemRow Row(int dimx) { return {"row", 200, 0, 25, 0, dimx, 1, 0, 0}; }
    std::string ReadColumn() {
        ScanItemList items({Column()});
        items.MoveFirst();
        std::string text = "x";
        ReadDigitColumn(items, text);
        EXPECT_EQ(items.rows()[0].x, 0);
        EXPECT_EQ(items.rows()[0].y, 100);
        return text;
    }
    std::string ReadRow(int dimx, int offset) {
        ScanItemList items({Row(dimx)});
        items.MoveFirst();
        std::string text;
        ReadBubbleRow(items, text, offset);
        return text;
    }
    std::string ReadChoice(int dimx) {
        ScanItemList items({Row(dimx)});
        items.MoveFirst();
        std::string text;
        ReadChoiceRow(items, text);
        return text;
    }
    PreparedPage page;
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

TEST_F(ReaderTest, RowsAndChoicesFollowTheirOffsets) {
    EXPECT_EQ(ReadRow(2, 1), "0");
    EXPECT_EQ(ReadRow(10, 0), "N");
    EXPECT_EQ(ReadChoice(6), "0");
    Mark(200 + 25, 0);
    EXPECT_EQ(ReadRow(2, 1), "2");
    EXPECT_EQ(ReadRow(10, 0), "1");
    EXPECT_EQ(ReadChoice(6), "2");
    Mark(200 + 3 * 25, 0, 110);
    EXPECT_EQ(ReadRow(4, 1), "4");
    EXPECT_EQ(ReadChoice(6), "4");
}

TEST_F(ReaderTest, FaintMarkBelowTheLimitIsBlank) {
    Mark(200, 0, 9);
    EXPECT_EQ(ReadRow(2, 1), "0");
    Mark(200, 0, 10);
    EXPECT_EQ(ReadRow(2, 1), "1");
}

TEST_F(ReaderTest, UnreadableRecordLeavesTheTextAlone) {
    ScanItemList empty;
    empty.MoveFirst();
    std::string text = "12";
    EXPECT_THROW(ReadDigitColumn(empty, text), ScanReadError);
    EXPECT_THROW(ReadBubbleRow(empty, text, 1), ScanReadError);
    ScanItemRow far = Row(2);
    far.r = 1e6;
    ScanItemList items({far});
    items.MoveFirst();
    EXPECT_THROW(ReadChoiceRow(items, text), ScanReadError);
    EXPECT_EQ(text, "12");
}

TEST_F(MarkReadingTest, ReadersFollowTheSkew) {
    // Reference 14 pixels low over 787: a skew of about one degree.
    PreparedPage page = WhitePage();
    Fill(page, 20, 20, 20, 20);
    Fill(page, 790, 34, 20, 20);
    ASSERT_EQ(RegisterSheet(page), Registration::Registered);
    EXPECT_NEAR(SheetSkew, 1.019, 1e-3);
    // A small mark in the bubble 500 pixels right of the anchor on the skewed sheet: about 9 pixels
    // lower than on a straight one, where its square would hold only one row of it.
    Fill(page, 20 + 500 + 5, 20 + 9 + 5, 5, 5);
    ScanItemRow row;
    row.r = 500;
    row.dx = 25;
    row.dimx = 2;
    ScanItemList items({row});
    items.MoveFirst();
    std::string text;
    ReadBubbleRow(items, text, 1);
    EXPECT_EQ(text, "1");
    EXPECT_EQ(items.rows()[0].y, 9);
}

} // namespace
