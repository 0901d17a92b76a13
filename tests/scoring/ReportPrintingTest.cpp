#include "scoring/ReportPrinting.h"
#include "ScoringFixture.h"
#include "scoring/PrintLayout.h"
#include "scoring/ReportBatch.h"
#include "scoring/ReportFiles.h"
#include "support/FakeReportPrinter.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace fs = std::filesystem;

namespace {
std::string Golden(const std::string& name) {
    TempDir none;
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(std::string(TARVOS_SOURCE_DIR) + "/tests/scoring/golden/" + name, bytes).ok());
    return bytes;
}

std::vector<std::string> Lines(int n, std::size_t width) {
    std::vector<std::string> lines;
    for (int i = 0; i < n; ++i)
        lines.push_back(std::string(width, static_cast<char>('a' + i % 26)));
    return lines;
}
} // namespace

TEST(ReportPrintingTest, PagesSplitAtFormFeedsAndKeepEveryLine) {
    const std::string text = ReportText(Golden("full.prn"));
    const auto pages = SplitReportPages(text);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].front(), "") << "the rest of the form-feed line";
    EXPECT_NE(pages[1][1].find("NAME: "), std::string::npos);
    std::size_t lines = 0;
    for (const auto& page : pages) {
        lines += page.size();
        for (const auto& line : page)
            EXPECT_EQ(line.find_first_of("\r\n\f"), std::string::npos);
    }
    EXPECT_EQ(lines, static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') + 1));
    EXPECT_EQ(SplitReportPages("a\r\nb\fc").back(), (std::vector<std::string>{"c"}));
    EXPECT_EQ(SplitReportPages("").size(), 1u);
}

TEST(ReportPrintingTest, LayoutFitsEveryLineAndColumnOnLetterAndA4) {
    const FontShape liberation{0.6, 1.133};
    struct Case {
        const char* what;
        PrintArea area;
        int lines;
        std::size_t width;
        int sheets;
    };
    const std::vector<Case> cases = {
        {"Letter, 61 x 80", {612 - 36, 792 - 36}, 61, 80, 1},
        {"A4, 61 x 80", {595 - 36, 842 - 36}, 61, 80, 1},
        {"Letter, a notice of 150 lines", {612 - 36, 792 - 36}, 150, 78, 3},
        {"A4, 100 columns", {595 - 36, 842 - 36}, 40, 100, 1},
    };
    for (const Case& c : cases) {
        const std::vector<std::vector<std::string>> pages = {Lines(5, 10), Lines(c.lines, c.width)};
        const ReportLayout layout = LayOutReport(pages, c.area, liberation);
        SCOPED_TRACE(c.what);
        EXPECT_LE(c.width * liberation.advance * layout.fontPoints, c.area.width + 1e-6);
        EXPECT_GE(layout.lineSpacing, layout.fontPoints * MinLineSpacingFactor - 1e-9);
        if (c.width * liberation.advance * ReportFontPoints <= c.area.width) {
            EXPECT_DOUBLE_EQ(layout.fontPoints, ReportFontPoints);
        }
        ASSERT_EQ(layout.sheets.size(), static_cast<std::size_t>(1 + c.sheets));
        int covered = 0;
        for (std::size_t s = 1; s < layout.sheets.size(); ++s) {
            const SheetLines& sheet = layout.sheets[s];
            EXPECT_EQ(sheet.page, 1);
            EXPECT_EQ(sheet.firstLine, covered) << "no line skipped or repeated";
            EXPECT_LE(sheet.lineCount * layout.lineSpacing, c.area.height + 1e-6);
            covered += sheet.lineCount;
        }
        EXPECT_EQ(covered, c.lines);
    }
}

TEST(ReportPrintingTest, PrintReportFileTakesThePathOfTheSetting) {
    TempDir program;
    const std::string report = program.file("REPORT.PRN");
    program.write("REPORT.PRN", "line one\r\n\f\r\nline two\r\n");
    FakeReportPrinter printer;

    ASSERT_TRUE(PrintReportFile(printer, report, false).ok());
    ASSERT_TRUE(PrintReportFile(printer, report, true).ok());
    ASSERT_TRUE(PrintReportFile(printer, report, true).ok());
    ASSERT_EQ(printer.jobs.size(), 3u);
    EXPECT_FALSE(printer.jobs[0].port);
    EXPECT_EQ(printer.jobs[0].bytes, "line one\r\n\f\r\nline two\r");
    EXPECT_TRUE(printer.jobs[1].port);
    EXPECT_EQ(printer.jobs[1].bytes, "line one\r\n\f\r\nline two\r\n\f\r\n");
    EXPECT_EQ(program.read("REPORT.PRN"), "line one\r\n\f\r\nline two\r\n\f\r\n\f\r\n")
        << "each port print leaves one more form-feed line";

    printer.failWith = "the printer is stopped";
    const PrintResult failed = PrintReportFile(printer, report, false);
    EXPECT_EQ(failed.message(), "The report was not printed on the printer \"Office Laser\": the printer is "
                                "stopped.\r\nCheck the printer, then print the report again.");
    const PrintResult missing = PrintReportFile(printer, program.file("gone/REPORT.PRN"), true);
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.message().find(program.file("gone/REPORT.PRN")), std::string::npos);
    EXPECT_FALSE(fs::exists(program.file("gone")));
}

TEST(ReportPrintingTest, CopiesOverwriteAndNameDeletionRemovesThemAll) {
    TempDir program;
    program.write("REPORT.PRN", "new report\r\n");
    program.write("temp1", "an older, longer report\r\n");
    ASSERT_TRUE(CopyReportFile(program.file("REPORT.PRN"), program.file(ReportCopyName(1))).ok());
    EXPECT_EQ(program.read("temp1"), "new report\r\n");
    EXPECT_EQ(CopyReportFile(program.file("none"), program.file("temp2")).number, 53);
    EXPECT_FALSE(fs::exists(program.file("temp2")));

    for (const char* name : {"temp12", "temp", "tempo", "temp3.txt", "report.prn"})
        program.write(name, "x");
    ASSERT_TRUE(RemoveReportCopies(program.path()).ok());
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(program.path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"report.prn", "temp", "temp3.txt", "tempo"}));
}

namespace {
class ReportBatchTest : public ScoringTest {};
} // namespace

TEST_F(ReportBatchTest, EveryReportIsComposedFirstAndAFailedOneIsNeverReplaced) {
    TempDir data;
    TempDir program;
    CopyDataSet(data, "base");
    ClientTable[1] = client;
    ClientTable[2] = client;
    ClientTable[2].Gender = "9"; // a code the report cannot print
    ClientTable[3] = client;
    ClientCount = 3;
    program.write("temp2", "a stale report of another client\r\n");

    std::vector<BatchReport> batch = ComposeReportBatch({1, 2, 3}, program.path(), data.path());
    ASSERT_EQ(batch.size(), 3u);
    EXPECT_TRUE(batch[0].composed.ok());
    EXPECT_FALSE(batch[1].composed.ok());
    EXPECT_TRUE(batch[2].composed.ok());
    EXPECT_EQ(CurrentClient, 3);
    EXPECT_NE(program.read("temp1").find("(TEST # 1 )"), std::string::npos);
    EXPECT_FALSE(fs::exists(program.file("temp2"))) << "no copy may stand in for the failed client";
    EXPECT_NE(program.read("temp3").find("(TEST # 3 )"), std::string::npos);

    FakeReportPrinter printer;
    std::vector<std::tuple<int, int, int>> asked;
    auto record = [&asked](int done, int total, int slot) {
        asked.emplace_back(done, total, slot);
        return true;
    };
    ASSERT_TRUE(PrintReportBatch(batch, program.path(), printer, false, record).ok());
    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_NE(printer.jobs[0].bytes.find("(TEST # 1 )"), std::string::npos);
    EXPECT_NE(printer.jobs[1].bytes.find("(TEST # 3 )"), std::string::npos);
    EXPECT_EQ(asked, (std::vector<std::tuple<int, int, int>>{{0, 2, 1}, {1, 2, 3}}));
    EXPECT_FALSE(batch[1].printed);

    // Cancelled after the first, and a failing printer: nothing more is claimed as printed.
    std::vector<BatchReport> again = ComposeReportBatch({3, 1}, program.path(), data.path());
    FakeReportPrinter second;
    ASSERT_TRUE(PrintReportBatch(again, program.path(), second, true, [](int done, int, int) {
                    return done < 1;
                }).ok());
    EXPECT_EQ(second.jobs.size(), 1u);
    EXPECT_TRUE(second.jobs[0].port);
    EXPECT_FALSE(again[1].printed);
    second.failWith = "paper jam";
    std::vector<BatchReport> third = ComposeReportBatch({3}, program.path(), data.path());
    const PrintResult failed = PrintReportBatch(third, program.path(), second, false, {});
    EXPECT_EQ(failed.cause, "paper jam");
    EXPECT_FALSE(third[0].printed);
}
