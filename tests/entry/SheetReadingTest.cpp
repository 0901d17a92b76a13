// Reading the printed answer sheet: the blank sheet, and pencil-filled sheets with skew, shift and
// speckle.
#include "entry/MarkReading.h"
#include "entry/SheetFields.h"
#include "entry/qt/PageImage.h"
#include "support/AnswerSheetGenerator.h"

#include <gtest/gtest.h>

namespace {

// What a reader gives for a location with `bubble` marked (-1 = none).
std::string Expected(const SheetLocation& loc, int bubble) {
    if (loc.kind == LocationKind::DigitColumn || loc.kind == LocationKind::CountRow)
        return bubble < 0 ? "N" : std::to_string(bubble);
    return std::to_string(bubble + 1);
}

// Reads every location of a registered page with its own reader, one text per location.
std::vector<std::string> ReadEachLocation(ScanItemList& items) {
    std::vector<std::string> texts;
    items.MoveFirst();
    for (const SheetLocation& loc : AnswerSheetLayout().locations) {
        if (!texts.empty())
            items.MoveNext();
        std::string text;
        if (loc.kind == LocationKind::DigitColumn)
            ReadDigitColumn(items, text);
        else if (loc.kind == LocationKind::ChoiceRow)
            ReadChoiceRow(items, text);
        else
            ReadBubbleRow(items, text, loc.kind == LocationKind::AnswerRow ? 1 : 0);
        texts.push_back(text);
    }
    return texts;
}

class SheetReadingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetScanState(); }
    void TearDown() override { ResetScanState(); }
};

TEST_F(SheetReadingTest, BlankSheetRegistersExactlyAndHasNothingBlackNearAnyBubble) {
    const QImage& blank = BlankSheetImage();
    ASSERT_EQ(blank.size(), QSize(850, 1400));
    const PreparedPage page = PrepareImage(blank);
    ASSERT_EQ(RegisterSheet(page), Registration::Registered);
    const SheetLayout& layout = AnswerSheetLayout();
    EXPECT_EQ(AnchorPoint.x, layout.anchor.x);
    EXPECT_EQ(AnchorPoint.y, layout.anchor.y);
    EXPECT_EQ(ReferencePoint.x, layout.reference.x + layout.reference.size - 3 - layout.anchor.x);
    EXPECT_EQ(ReferencePoint.y, 0);
    // Print outside the bubbles keeps clear of their squares even when these land five pixels off.
    for (const SheetLocation& loc : layout.locations)
        for (int i = 0; i < loc.count; ++i)
            for (int dy = -5; dy <= 5; ++dy)
                for (int dx = -5; dx <= 5; ++dx) {
                    ScanPoint p;
                    p.x = static_cast<int16_t>(loc.bubbleX(i) - BubbleSquareCentre - layout.anchor.x + dx);
                    p.y = static_cast<int16_t>(loc.bubbleY(i) - BubbleSquareCentre - layout.anchor.y + dy);
                    IsMarked(p, 14);
                    ASSERT_EQ(DarkCount, 0) << loc.name << " bubble " << i << " off by " << dx << "," << dy;
                }
    ScanItemList items(ScanItemRows(layout));
    const std::vector<std::string> texts = ReadEachLocation(items);
    for (std::size_t k = 0; k < texts.size(); ++k)
        EXPECT_EQ(texts[k], Expected(layout.locations[k], -1));

    // A table that ends early: the locations it lacks are skipped, the others still read.
    std::vector<ScanItemRow> rows = ScanItemRows(layout);
    rows.resize(100);
    ScanItemList shortTable(rows);
    const ScannedSheet sheet = ReadSheetFields(shortTable);
    EXPECT_EQ(sheet.SSN, "NNN-NN-NNNN");
    EXPECT_EQ(sheet.DateOfBirth, "NN/NN/19NN");
    EXPECT_EQ(sheet.ScannedResponses, std::string(100 - 31, '0'));
    EXPECT_EQ(sheet.CourtHistory[9], "N");
}

TEST_F(SheetReadingTest, PencilledSheetsReadBackExactlyUnderSkewShiftAndSpeckle) {
    const SheetLayout& layout = AnswerSheetLayout();
    const QImage& blank = BlankSheetImage();
    std::mt19937 rng(20261206);
    std::uniform_real_distribution<double> skew(-1, 1), shift(-4, 4), coverage(0.7, 0.95), radius(5.2, 6.2);
    std::uniform_int_distribution<int> grey(40, 150);
    std::bernoulli_distribution blankLocation(0.2);
    const double extremes[] = {-1, 1};
    for (int sheet = 0; sheet < 120; ++sheet) {
        QImage page = blank.copy();
        std::vector<int> marked;
        for (std::size_t k = 0; k < layout.locations.size(); ++k) {
            const int count = layout.locations[k].count;
            const int bubble =
                blankLocation(rng) ? -1 : std::uniform_int_distribution<int>(0, count - 1)(rng);
            marked.push_back(bubble);
            if (bubble >= 0)
                DrawPencilMark(page, {k, bubble, grey(rng), coverage(rng), radius(rng)}, rng);
        }
        ScanConditions scan{sheet < 2 ? extremes[sheet] : skew(rng), shift(rng), shift(rng), 400};
        const PreparedPage prepared = PrepareImage(ScanPage(page, scan, rng));
        ASSERT_EQ(RegisterSheet(prepared), Registration::Registered) << "sheet " << sheet;
        EXPECT_NEAR(SheetSkew, scan.skewDegrees, 0.15);
        ScanItemList items(ScanItemRows(layout));
        const std::vector<std::string> texts = ReadEachLocation(items);
        for (std::size_t k = 0; k < texts.size(); ++k)
            ASSERT_EQ(texts[k], Expected(layout.locations[k], marked[k]))
                << "sheet " << sheet << " skew " << scan.skewDegrees << " location "
                << layout.locations[k].name;
    }
}

} // namespace
