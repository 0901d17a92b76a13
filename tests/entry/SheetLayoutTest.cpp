// The sheet description, the layout table made from it, and the preparation of page images.
#include "entry/SheetLayout.h"
#include "entry/MarkReading.h"
#include "entry/PagePreparation.h"
#include "entry/SheetFields.h"

#include <gtest/gtest.h>

namespace {

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string ErrorOf(const std::string& description) {
    try {
        ParseSheetLayout(description);
    } catch (const SheetLayoutError& e) {
        return e.what();
    }
    return "";
}

TEST(SheetLayout, TableRowsPointAtTheSquaresOfTheDrawnBubbles) {
    const SheetLayout& layout = AnswerSheetLayout();
    const std::vector<ScanItemRow> rows = ScanItemRows(layout);
    ASSERT_EQ(rows.size(), 181u);
    EXPECT_EQ(rows[0].LocationName, "ID digit 1");
    EXPECT_EQ(rows[31].LocationName, "Item 1");
    EXPECT_EQ(rows[179].LocationName, "Item 149");
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const SheetLocation& loc = layout.locations[k];
        EXPECT_EQ(loc.kind, FieldSequenceKind(static_cast<int>(k) + 1));
        // Read back on a straight sheet, each row lands on the top-left corner of its first square.
        ScanPoint p;
        p.r = static_cast<float>(rows[k].r);
        p.theta = static_cast<float>(rows[k].theta);
        PolarToXY(p);
        EXPECT_EQ(p.x, loc.x - BubbleSquareCentre - layout.anchor.x) << loc.name;
        EXPECT_EQ(p.y, loc.y - BubbleSquareCentre - layout.anchor.y) << loc.name;
        EXPECT_EQ(loc.vertical() ? rows[k].DimY : rows[k].dimx, loc.count);
        EXPECT_EQ(loc.vertical() ? rows[k].dy : rows[k].dx, loc.pitch);
    }
    // Items 1-108 have two answers, 109-149 four.
    EXPECT_EQ(rows[31 + 107].dimx, 2);
    EXPECT_EQ(rows[31 + 108].dimx, 4);

    const std::string tsv = ScanItemRowsTsv(rows);
    EXPECT_EQ(tsv.substr(0, tsv.find('\n')), "LocationName\tr\ttheta\tdx\tdy\tdimx\tDimY");
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 182);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\t'), 182 * 6);
}

TEST(SheetLayout, FaultyDescriptionsAreRefusedWithTheirLine) {
    const std::string good(AnswerSheetDescription());
    EXPECT_EQ(ErrorOf(good), "");
    const struct {
        const char *from, *to, *problem;
    } faults[] = {
        {"bubble 13", "bubble 13\ncircle 1 2 3", "line 31: unknown keyword 'circle'"},
        // The old drop-out red: about 147 of 255 in grey, so a grey scan reads every bubble as marked.
        {"dropout 255 210 210", "dropout 235 110 110", "too dark to vanish from a grey scan"},
        {"dropout 255 210 210", "", "drop-out ink is missing"},
        {"\"Ethnicity\" 150 560 6", "\"Ethnicity\" 150 560 7", "as many labels"},
        {"\"ID digit 2\"", "\"ID digit 1\"", "appears twice"},
        {"answers 130 149", "answers 130 148", "180 locations"},
        {"665 740 22 4", "665 1390 22 4", "off the page"},
        // The layout must fit the reading order: here a count row where a choice row is read.
        {"choice \"Gender\"", "count \"Gender\"", "location 10 is not of the kind"},
    };
    for (const auto& f : faults) {
        const std::string error = ErrorOf(Replace(good, f.from, f.to));
        EXPECT_NE(error.find(f.problem), std::string::npos) << f.problem << ": " << error;
    }
}

TEST(PagePreparation, BlackPlaneThresholdKeepsPencilAndDropsRed) {
    // K = 255 - max(R, G, B): 75 is still white, 76 black.
    const uint8_t rgb[] = {180, 180, 180, 179, 179, 179, 255, 0, 0, 1, 1, 1, // row padded to 12 bytes
                           235, 110, 110, 90,  90,  90,  0,   0, 0, 1, 1, 1};
    PreparedPage page = PreparePage(rgb, 3, 2, 12, PagePixels::Rgb888);
    EXPECT_EQ(page.width, 3);
    EXPECT_EQ(page.pixels, (std::vector<uint8_t>{255, 0, 255, 255, 0, 0}));

    const uint8_t grey[] = {180, 179, 0, 7, 255, 76, 75, 7};
    page = PreparePage(grey, 3, 2, 4, PagePixels::Grey8);
    EXPECT_EQ(page.pixels, (std::vector<uint8_t>{255, 0, 0, 255, 0, 0}));

    EXPECT_TRUE(PreparePage(nullptr, 3, 2, 4, PagePixels::Grey8).pixels.empty());
}

TEST(BirthDate, CenturyFollowsTheYearAndAnNKeeps19) {
    EXPECT_EQ(CompleteBirthDate("04/17/63", 2026), "04/17/1963");
    EXPECT_EQ(CompleteBirthDate("01/02/00", 2026), "01/02/2000");
    EXPECT_EQ(CompleteBirthDate("01/02/15", 2026), "01/02/2015");
    EXPECT_EQ(CompleteBirthDate("01/02/16", 2026), "01/02/1916");
    EXPECT_EQ(CompleteBirthDate("01/02/15", 2025), "01/02/1915");
    EXPECT_EQ(CompleteBirthDate("01/02/6N", 2026), "01/02/196N");
    EXPECT_EQ(CompleteBirthDate("01/02/N5", 2026), "01/02/19N5");
}

} // namespace
