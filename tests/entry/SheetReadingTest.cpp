// Reading the printed answer sheet: the blank sheet, pencil-filled sheets in colour and grey with
// skew, shift, blur and speckle, faulty layout tables, and doubtful marks.
#include "entry/DoubtfulMarks.h"
#include "entry/MarkReading.h"
#include "entry/SheetFields.h"
#include "entry/qt/PageImage.h"
#include "support/AnswerSheetGenerator.h"

#include <gtest/gtest.h>
#include <set>

namespace {

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
        EXPECT_EQ(texts[k], ExpectedText(layout.locations[k], -1));

    // A table that ends early: the locations it lacks give their blank codes, the others still read.
    std::vector<ScanItemRow> rows = ScanItemRows(layout);
    rows.resize(100);
    ScanItemList shortTable(rows);
    const ScannedSheet sheet = ReadSheetFields(shortTable);
    EXPECT_EQ(sheet.SSN, "NNN-NN-NNNN");
    EXPECT_EQ(sheet.DateOfBirth, "NN/NN/19NN");
    EXPECT_EQ(sheet.ScannedResponses, std::string(149, '0'));
    EXPECT_EQ(sheet.CourtHistory[9], "NN");
    EXPECT_EQ(sheet.unreadLocations, 81);
    EXPECT_TRUE(sheet.doubts.empty());
}

// A layout table that cannot store positions (read-only) or cannot give some records.
class FaultyTable : public ScanItemList {
public:
    FaultyTable(std::vector<ScanItemRow> rows, std::set<int> unreadable, bool storeFails)
        : ScanItemList(std::move(rows)), m_unreadable(std::move(unreadable)), m_storeFails(storeFails) {}
    bool MoveFirst() override {
        m_record = 1;
        return ScanItemList::MoveFirst();
    }
    bool MoveNext() override {
        ++m_record;
        return ScanItemList::MoveNext();
    }
    ScanItemRow Current() const override {
        if (m_unreadable.count(m_record))
            throw ScanReadError("the field r holds no number");
        return ScanItemList::Current();
    }
    void StorePosition(int x, int y) override {
        if (m_storeFails)
            throw ScanReadError("attempt to write a readonly database");
        ScanItemList::StorePosition(x, y);
    }

private:
    std::set<int> m_unreadable;
    bool m_storeFails;
    int m_record = 0;
};

TEST_F(SheetReadingTest, FailedStoresAndUnreadableRecordsNeverShiftOrDropTheReading) {
    const SheetLayout& layout = AnswerSheetLayout();
    std::mt19937 rng(7);
    const FilledSheet filled = RandomFilledSheet(rng);
    const PreparedPage page = PrepareImage(ScanPage(filled.page, {0.5, 2, -1, 100}, rng));
    ASSERT_EQ(RegisterSheet(page), Registration::Registered);

    ScanItemList good(ScanItemRows(layout));
    const ScannedSheet expected = ReadSheetFields(good);
    EXPECT_EQ(PositionStoreFailure, "");

    FaultyTable readOnly(ScanItemRows(layout), {}, true);
    const ScannedSheet sheet = ReadSheetFields(readOnly);
    EXPECT_EQ(sheet.SSN, expected.SSN);
    EXPECT_EQ(sheet.ScannedResponses, expected.ScannedResponses);
    EXPECT_EQ(sheet.CourtHistory, expected.CourtHistory);
    EXPECT_EQ(sheet.unreadLocations, 0);
    EXPECT_EQ(PositionStoreFailure, "attempt to write a readonly database");

    // Records 5 (ID digit 5), 11 (ethnicity), 40 (item 9) and 181 (months, second digit) unreadable.
    FaultyTable gaps(ScanItemRows(layout), {5, 11, 40, 181}, false);
    const ScannedSheet gapped = ReadSheetFields(gaps);
    std::string ssn = expected.SSN;
    ssn[5] = 'N';
    EXPECT_EQ(gapped.SSN, ssn);
    EXPECT_EQ(gapped.Race, "0");
    std::string responses = expected.ScannedResponses;
    responses[8] = '0';
    EXPECT_EQ(gapped.ScannedResponses, responses);
    EXPECT_EQ(gapped.CourtHistory[9], expected.CourtHistory[9].substr(0, 1) + "N");
    EXPECT_EQ(gapped.unreadLocations, 4);
    EXPECT_EQ(gapped.unreadAnswers, 1);
    EXPECT_EQ(gapped.firstUnreadReason, "record 5: the field r holds no number");
}

TEST(DoubtfulMarks, JudgesTwoSimilarMarksAndFaintMarks) {
    const std::pair<std::vector<int16_t>, Doubt> cases[] = {
        {{0, 0, 0, 0}, Doubt::None},         {{0, 120, 0, 0}, Doubt::None},
        {{9, 120, 0, 0}, Doubt::None},       // a smudge below the threshold
        {{0, 120, 70, 0}, Doubt::None},      // an erased answer, much lighter
        {{0, 120, 80, 0}, Doubt::TwoMarks},  // two thirds as dark
        {{110, 0, 0, 120}, Doubt::TwoMarks}, // the first of two is the lighter
        {{0, 29, 0}, Doubt::FaintMark},      {{0, 10, 0}, Doubt::FaintMark},
        {{0, 30, 0}, Doubt::None},           {{12, 14, 0}, Doubt::TwoMarks},
    };
    for (const auto& [counts, doubt] : cases)
        EXPECT_EQ(JudgeMarks(counts), doubt) << ::testing::PrintToString(counts);
    EXPECT_EQ(DescribeDoubts({{40, 9, "Item9", Doubt::TwoMarks}, {3, 0, "SSN3", Doubt::FaintMark}}),
              "Check against the sheet: item 9 (two marks), SSN3 (faint mark).");
    EXPECT_EQ(DescribeDoubts({}), "");
}

TEST_F(SheetReadingTest, DoubtfulMarksAreFlaggedWhileTheReadingStaysTheDarkest) {
    const SheetLayout& layout = AnswerSheetLayout();
    std::mt19937 rng(11);
    QImage page = BlankSheetImage().copy();
    // Item 1: both bubbles fully filled; item 2: one clear mark; item 3: a faint dab.
    DrawPencilMark(page, {31, 0, 60, 1.0, 6.0}, rng);
    DrawPencilMark(page, {31, 1, 60, 1.0, 6.0}, rng);
    DrawPencilMark(page, {32, 0, 60, 1.0, 6.0}, rng);
    DrawPencilMark(page, {33, 1, 60, 1.0, 2.7}, rng);
    const PreparedPage prepared = PrepareImage(page);
    ASSERT_EQ(RegisterSheet(prepared), Registration::Registered);
    ScanItemList items(ScanItemRows(layout));
    const ScannedSheet sheet = ReadSheetFields(items);
    EXPECT_EQ(sheet.ScannedResponses.substr(1, 3), "120");
    ASSERT_EQ(sheet.doubts.size(), 2u) << DescribeDoubts(sheet.doubts);
    EXPECT_EQ(sheet.doubts[0].item, 1);
    EXPECT_EQ(sheet.doubts[0].doubt, Doubt::TwoMarks);
    EXPECT_EQ(sheet.doubts[0].record, 32);
    EXPECT_EQ(sheet.doubts[1].item, 3);
    EXPECT_EQ(sheet.doubts[1].doubt, Doubt::FaintMark);
}

// Colour and grey scans (a grey scan, or a black-and-white photocopy, keeps the drop-out ink light),
// with skew up to a degree each way, shifts, a soft lens and speckle.
TEST_F(SheetReadingTest, PencilledSheetsReadBackExactlyInColourAndGreyUnderSkewShiftBlurAndSpeckle) {
    const SheetLayout& layout = AnswerSheetLayout();
    std::mt19937 rng(20261206);
    std::uniform_real_distribution<double> skew(-1, 1), shift(-4, 4);
    const double extremes[] = {-1, 1, -1, 1};
    for (int sheet = 0; sheet < 160; ++sheet) {
        const FilledSheet filled = RandomFilledSheet(rng);
        ScanConditions scan{sheet < 4 ? extremes[sheet] : skew(rng), shift(rng), shift(rng), 400};
        scan.grey = sheet % 2 == 1;
        scan.blur = sheet % 4 >= 2;
        const QImage scanned = ScanPage(filled.page, scan, rng);
        ASSERT_EQ(scanned.format() == QImage::Format_Grayscale8, scan.grey);
        const PreparedPage prepared = PrepareImage(scanned);
        ASSERT_EQ(RegisterSheet(prepared), Registration::Registered) << "sheet " << sheet;
        EXPECT_NEAR(SheetSkew, scan.skewDegrees, 0.15);
        ScanItemList items(ScanItemRows(layout));
        const std::vector<std::string> texts = ReadEachLocation(items);
        for (std::size_t k = 0; k < texts.size(); ++k)
            ASSERT_EQ(texts[k], ExpectedText(layout.locations[k], filled.marked[k]))
                << "sheet " << sheet << " skew " << scan.skewDegrees << (scan.grey ? " grey" : " colour")
                << (scan.blur ? " blurred" : "") << " location " << layout.locations[k].name;
    }
}

} // namespace
