// Reading the printed answer sheet: the blank sheet, pencil-filled sheets with skew, shift and speckle,
// and the fields handed on to the client windows.
#include "entry/MarkReading.h"
#include "entry/SheetFields.h"
#include "entry/qt/AnswerSheetDrawing.h"
#include "entry/qt/PageImage.h"
#include "shell/Clock.h"
#include "support/AnswerSheetGenerator.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

const SheetLayout& Layout() {
    return AnswerSheetLayout();
}

// What a reader gives for a location with `bubble` marked (-1 = none).
std::string Expected(const SheetLocation& loc, int bubble) {
    switch (loc.kind) {
    case LocationKind::DigitColumn:
        return bubble < 0 ? "N" : std::to_string(bubble);
    case LocationKind::CountRow:
        return bubble < 0 ? "N" : std::to_string(bubble);
    case LocationKind::ChoiceRow:
    case LocationKind::AnswerRow:
        return std::to_string(bubble + 1);
    }
    return "";
}

// Reads every location of a registered page with its own reader, one text per location.
std::vector<std::string> ReadEachLocation(ScanItemList& items) {
    std::vector<std::string> texts;
    items.MoveFirst();
    for (std::size_t k = 0; k < Layout().locations.size(); ++k) {
        if (k > 0)
            items.MoveNext();
        std::string text;
        switch (Layout().locations[k].kind) {
        case LocationKind::DigitColumn:
            ReadDigitColumn(items, text);
            break;
        case LocationKind::ChoiceRow:
            ReadChoiceRow(items, text);
            break;
        case LocationKind::CountRow:
            ReadBubbleRow(items, text, 0);
            break;
        case LocationKind::AnswerRow:
            ReadBubbleRow(items, text, 1);
            break;
        }
        texts.push_back(text);
    }
    return texts;
}

class SheetReadingTest : public ::testing::Test {
protected:
    void SetUp() override { ResetScanState(); }
    void TearDown() override {
        ResetScanState();
        SetToday(std::nullopt);
    }
};

TEST_F(SheetReadingTest, BlankSheetRegistersExactlyAndHasNothingBlackNearAnyBubble) {
    const QImage& blank = BlankSheetImage();
    ASSERT_EQ(blank.size(), QSize(850, 1400));
    const PreparedPage page = PrepareImage(blank);
    ASSERT_EQ(RegisterSheet(page), Registration::Registered);
    const SheetLayout& layout = Layout();
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
}

TEST_F(SheetReadingTest, PencilledSheetsReadBackExactlyUnderSkewShiftAndSpeckle) {
    const SheetLayout& layout = Layout();
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

TEST_F(SheetReadingTest, DarkerOfTwoPencilMarksWinsAndALightOneIsNoMark) {
    const SheetLayout& layout = Layout();
    std::mt19937 rng(7);
    QImage page = BlankSheetImage().copy();
    const std::size_t item1 = 31, id1 = 0, id2 = 1, race = 10;
    DrawPencilMark(page, {item1, 0, 150, 0.6, 4.5}, rng);
    DrawPencilMark(page, {item1, 1, 40, 1.0, 6.0}, rng);
    DrawPencilMark(page, {id1, 2, 40, 1.0, 6.0}, rng);
    DrawPencilMark(page, {id1, 8, 40, 1.0, 4.0}, rng);
    DrawPencilMark(page, {id2, 3, 60, 0.8, 4.0}, rng);
    DrawPencilMark(page, {id2, 6, 60, 0.9, 6.0}, rng);
    DrawPencilMark(page, {race, 4, 200, 1.0, 6.0}, rng); // too light: the preparation drops it
    const PreparedPage prepared = PrepareImage(ScanPage(page, {0.5, 2, -1, 0}, rng));
    ASSERT_EQ(RegisterSheet(prepared), Registration::Registered);
    ScanItemList items(ScanItemRows(layout));
    const std::vector<std::string> texts = ReadEachLocation(items);
    EXPECT_EQ(texts[item1], "2");
    EXPECT_EQ(texts[id1], "2");
    EXPECT_EQ(texts[id2], "6");
    EXPECT_EQ(texts[race], "0");
}

TEST_F(SheetReadingTest, FieldsAreAssembledForTheClientWindows) {
    SetToday(year{2026} / 12 / 6);
    const SheetLayout& layout = Layout();
    std::mt19937 rng(11);
    QImage page = BlankSheetImage().copy();
    // Locations in reading order: ID digits (fifth left empty), gender, ethnicity, marital status,
    // birth date, education, first arrest, eight counts, months employed (first digit), the answers,
    // months employed (second digit).
    std::vector<int> marks = {1, 2, 3, 4, -1, 6, 7, 8, 9, 1, 2, 0, 0, 4, 1, 7, 6, 3, 1, 2, 1, 9};
    for (int k = 0; k < 8; ++k)
        marks.push_back(k);
    marks.push_back(1);
    std::string responses;
    for (int item = 1; item <= 149; ++item) {
        const int bubble = item <= 108 ? item % 2 : item % 5 - 1;
        marks.push_back(bubble);
        responses += std::to_string(bubble + 1);
    }
    marks.push_back(0);
    ASSERT_EQ(marks.size(), 181u);
    for (std::size_t k = 0; k < marks.size(); ++k)
        if (marks[k] >= 0)
            DrawPencilMark(page, {k, marks[k], 70, 0.9, 5.8}, rng);
    const PreparedPage prepared = PrepareImage(page);
    ASSERT_EQ(RegisterSheet(prepared), Registration::Registered);

    ScanItemList items(ScanItemRows(layout));
    const ScannedSheet sheet = ReadSheetFields(items);
    EXPECT_EQ(sheet.SSN, "123-4N-6789");
    EXPECT_EQ(sheet.Gender, "2");
    EXPECT_EQ(sheet.Race, "3");
    EXPECT_EQ(sheet.Marital, "1");
    EXPECT_EQ(sheet.DateOfBirth, "04/17/1963");
    EXPECT_EQ(sheet.Age, "63");
    EXPECT_EQ(sheet.Education, "12");
    const std::array<std::string, 10> court = {"19", "0", "1", "2", "3", "4", "5", "6", "7", "10"};
    EXPECT_EQ(sheet.CourtHistory, court);
    EXPECT_EQ(sheet.ScannedResponses, responses);
    // Every record now holds where its first bubble was found on this sheet.
    for (std::size_t k = 0; k < items.rows().size(); ++k) {
        EXPECT_EQ(items.rows()[k].x, layout.locations[k].x - BubbleSquareCentre - layout.anchor.x);
        EXPECT_EQ(items.rows()[k].y, layout.locations[k].y - BubbleSquareCentre - layout.anchor.y);
    }

    // A table that ends early: the locations it lacks are skipped, the rest still read.
    std::vector<ScanItemRow> shortRows = ScanItemRows(layout);
    shortRows.resize(100);
    ScanItemList shortTable(shortRows);
    const ScannedSheet partial = ReadSheetFields(shortTable);
    EXPECT_EQ(partial.SSN, "123-4N-6789");
    EXPECT_EQ(partial.ScannedResponses, responses.substr(0, 100 - 31));
    EXPECT_EQ(partial.CourtHistory[9], "1");
}

} // namespace
