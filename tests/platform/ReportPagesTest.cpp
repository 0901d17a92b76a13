#include "platform/ReportPages.h"
#include "platform/CupsPrinter.h"
#include "scoring/ReportFiles.h"
#include "shell/ProgramFolder.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
std::string Golden(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(std::string(TARVOS_SOURCE_DIR) + "/tests/scoring/golden/" + name, bytes).ok());
    return bytes;
}

// The extreme-truthfulness report with a notice of 120 numbered lines more: one form-feed page far
// longer than any sheet.
std::string LongExtremeText() {
    const std::string text = ReportText(Golden("extreme.prn"));
    std::string notice;
    for (int i = 1; i <= 120; ++i)
        notice += "        Notice line " + std::to_string(i) + " of the long truthfulness notice.\r\n";
    const std::size_t cut = text.find("OBSERVATIONS");
    const std::size_t lineStart = text.rfind('\n', cut) + 1;
    return text.substr(0, lineStart) + notice + text.substr(lineStart);
}

std::string Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput().toStdString();
}

bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

std::string PdfInfo(const std::string& pdf, const std::string& field) {
    const std::string info = Run(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    const std::size_t at = info.find(field + ":");
    if (at == std::string::npos)
        return {};
    const std::size_t start = info.find_first_not_of(' ', at + field.size() + 1);
    return info.substr(start, info.find('\n', start) - start);
}

std::string RightTrimmed(std::string s) {
    s.erase(s.find_last_not_of(" \r") + 1);
    return s;
}

// Checks that every sheet of `pdf` shows the lines the layout put on it, whole and in their columns:
// each non-blank line of the text appears, in order, shifted by the same margin as all the others.
void ExpectSheetsHoldTheReport(const std::string& pdf, const std::string& reportText, std::size_t sheets) {
    const std::string fixed =
        Run(QStringLiteral("pdftotext"), {"-fixed", "6.9", QString::fromStdString(pdf), "-"});
    std::vector<std::vector<std::string>> shown(1);
    std::string line;
    for (char c : fixed) {
        if (c == '\f') {
            shown.emplace_back();
        } else if (c == '\n') {
            if (!RightTrimmed(line).empty())
                shown.back().push_back(RightTrimmed(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (shown.back().empty())
        shown.pop_back();
    ASSERT_EQ(shown.size(), sheets);

    const auto pages = SplitReportPages(reportText);
    const ReportLayout layout = ReportPdfLayout(reportText, QPageSize(QPageSize::Letter));
    ASSERT_EQ(layout.sheets.size(), sheets);
    for (std::size_t s = 0; s < sheets; ++s) {
        std::vector<std::string> expected;
        const SheetLines& sheet = layout.sheets[s];
        for (int i = 0; i < sheet.lineCount; ++i) {
            const std::string l = RightTrimmed(
                pages[static_cast<std::size_t>(sheet.page)][static_cast<std::size_t>(sheet.firstLine + i)]);
            if (!l.empty())
                expected.push_back(l);
        }
        ASSERT_EQ(shown[s].size(), expected.size()) << "sheet " << s + 1;
        std::size_t margin = std::string::npos;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const std::string& got = shown[s][i];
            const std::size_t shift = got.size() - expected[i].size();
            if (margin == std::string::npos)
                margin = shift;
            EXPECT_EQ(got, std::string(margin, ' ') + expected[i]) << "sheet " << s + 1 << " line " << i + 1;
        }
    }
}

std::size_t FormFeeds(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\f'));
}
} // namespace

TEST(ReportPdfTest, EveryLineAndColumnReachesTheSheetsOfLetterAndA4) {
    if (!HavePoppler())
        GTEST_SKIP() << "skipped: poppler-utils (pdfinfo, pdftotext) is not installed";
    TempDir out;
    const std::string full = ReportText(Golden("full.prn"));
    const std::string extreme = LongExtremeText();
    struct Case {
        const char* name;
        const std::string& text;
        QPageSize paper;
        const char* size;
    };
    const std::vector<Case> cases = {
        {"full-letter.pdf", full, QPageSize(QPageSize::Letter), "612 x 792 pts (letter)"},
        {"full-a4.pdf", full, QPageSize(QPageSize::A4), "595 x 842 pts (A4)"},
        {"extreme-letter.pdf", extreme, QPageSize(QPageSize::Letter), "612 x 792 pts (letter)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        ASSERT_TRUE(WriteReportPdf(c.text, c.paper, QString::fromStdString(out.file(c.name)), error))
            << error.toStdString();
        const std::size_t sheets = ReportPdfLayout(c.text, c.paper).sheets.size();
        EXPECT_EQ(PdfInfo(out.file(c.name), "Page size"), c.size);
        EXPECT_EQ(PdfInfo(out.file(c.name), "Pages"), std::to_string(sheets));
        if (c.paper.id() == QPageSize::Letter)
            ExpectSheetsHoldTheReport(out.file(c.name), c.text, sheets);
    }
    EXPECT_EQ(ReportPdfLayout(full, QPageSize(QPageSize::Letter)).sheets.size(), FormFeeds(full) + 1);
    EXPECT_EQ(ReportPdfLayout(full, QPageSize(QPageSize::A4)).sheets.size(), FormFeeds(full) + 1);
    EXPECT_GT(ReportPdfLayout(extreme, QPageSize(QPageSize::Letter)).sheets.size(), 2u)
        << "the long notice continues on further sheets";

    QString error;
    EXPECT_FALSE(WriteReportPdf(full, QPageSize(QPageSize::Letter),
                                QString::fromStdString(out.file("no/x.pdf")), error));
    EXPECT_FALSE(error.isEmpty());
}

// The cases below need the private print system of tests/scripts/print_cups.sh, which runs them.
namespace {
class CupsPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* dir = std::getenv("CUPSD_DIR");
        if (!dir)
            GTEST_SKIP() << "skipped: needs the private cupsd started by tests/scripts/print_cups.sh";
        pdfOut = std::getenv("CUPSD_PDF_OUT");
        rawOut = std::getenv("CUPSD_RAW_OUT");
    }

    std::vector<std::string> Pdfs() const {
        std::vector<std::string> files;
        for (const auto& e : fs::directory_iterator(pdfOut))
            if (e.path().extension() == ".pdf")
                files.push_back(e.path().string());
        return files;
    }
    // The PDF of the next job, once the queue has finished it (cups-pdf writes it in place).
    std::string NextPdf(std::size_t before) const {
        std::vector<std::string> now;
        const bool done = QTest::qWaitFor(
            [&] {
                now = Pdfs();
                return now.size() > before && ::Run(QStringLiteral("lpstat"), {"-o"}).empty() &&
                       !PdfInfo(Newest(now), "Pages").empty();
            },
            60000);
        return done ? Newest(now) : std::string();
    }
    static std::string Newest(const std::vector<std::string>& files) {
        return *std::max_element(files.begin(), files.end(), [](const auto& a, const auto& b) {
            return fs::last_write_time(a) < fs::last_write_time(b);
        });
    }
    std::string WaitRaw(std::size_t jobs) const {
        std::string counts;
        (void)QTest::qWaitFor(
            [&] {
                counts.clear();
                (void)ReadWholeFile(rawOut + ".jobs", counts);
                return static_cast<std::size_t>(std::count(counts.begin(), counts.end(), '\n')) >= jobs;
            },
            30000);
        std::string bytes;
        (void)ReadWholeFile(rawOut, bytes);
        return bytes;
    }
    static void Admin(const QStringList& args) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("lpadmin"), args), 0);
    }

    std::string pdfOut;
    std::string rawOut;
};
} // namespace

TEST_F(CupsPrinterTest, PagesReachThePdfQueueOnItsOwnPaper) {
    const std::string full = ReportText(Golden("full.prn"));
    CupsPrinter printer; // the default queue
    for (const auto& [pageSize, expected] :
         {std::pair{"Letter", "612 x 792 pts (letter)"}, std::pair{"A4", "595 x 842 pts (A4)"}}) {
        SCOPED_TRACE(pageSize);
        Admin({"-p", "tarvos-pdf", "-o", QString("PageSize=") + pageSize});
        const std::size_t before = Pdfs().size();
        const PrintResult result = printer.PrintText(full);
        ASSERT_TRUE(result.ok()) << result.message();
        EXPECT_EQ(result.printer, "tarvos-pdf");
        const std::string pdf = NextPdf(before);
        ASSERT_FALSE(pdf.empty());
        EXPECT_EQ(PdfInfo(pdf, "Pages"), std::to_string(FormFeeds(full) + 1));
        EXPECT_EQ(PdfInfo(pdf, "Page size"), expected);
    }
    Admin({"-p", "tarvos-pdf", "-o", "PageSize=Letter"});
}

TEST_F(CupsPrinterTest, PortPrintGivesRawQueuesTheBytesAndTextQueuesOneSheetPerPage) {
    // A client named with shell characters travels as data only.
    std::string file = Golden("full.prn");
    const std::string hostile = "\"; rm -rf ~; $(reboot) `";
    file.replace(file.find("NAME: ") + 6, hostile.size(), hostile);
    file += "\f\r\n";

    CupsPrinter raw("tarvos-raw");
    ASSERT_TRUE(raw.PrintPort(file).ok());
    EXPECT_EQ(WaitRaw(1), file) << "a raw queue receives the file's bytes unchanged";
    // The page-layout path gives a line printer the text too, never a PDF.
    ASSERT_TRUE(raw.PrintText(ReportText(Golden("full.prn"))).ok());
    EXPECT_EQ(WaitRaw(2), file + Golden("full.prn") + "\f\r\n");

    CupsPrinter text("tarvos-pdf");
    const std::size_t before = Pdfs().size();
    const PrintResult result = text.PrintPort(file);
    ASSERT_TRUE(result.ok()) << result.message();
    const std::string pdf = NextPdf(before);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(PdfInfo(pdf, "Pages"), std::to_string(FormFeeds(Golden("full.prn")) + 1));
}

TEST_F(CupsPrinterTest, StoppedRejectingAndUnknownQueuesAreNamedWithTheCause) {
    CupsPrinter printer("tarvos-pdf");
    ASSERT_EQ(QProcess::execute(QStringLiteral("cupsdisable"), {"tarvos-pdf"}), 0);
    const PrintResult stopped = printer.PrintText("text\r");
    EXPECT_EQ(stopped.printer, "tarvos-pdf");
    EXPECT_EQ(stopped.cause, "the printer is stopped; start it again in the system's printer settings");
    ASSERT_EQ(QProcess::execute(QStringLiteral("cupsenable"), {"tarvos-pdf"}), 0);

    ASSERT_EQ(QProcess::execute(QStringLiteral("cupsreject"), {"tarvos-pdf"}), 0);
    const PrintResult rejected = printer.PrintPort("text\r\n");
    ASSERT_EQ(QProcess::execute(QStringLiteral("cupsaccept"), {"tarvos-pdf"}), 0);
    EXPECT_FALSE(rejected.ok());
    EXPECT_NE(rejected.cause.find("not accepting jobs"), std::string::npos) << rejected.cause;

    const PrintResult unknown = CupsPrinter("no-such-queue").PrintText("text\r");
    EXPECT_EQ(unknown.message(), "The report was not printed on the printer \"no-such-queue\": there is no "
                                 "such printer on this computer.\r\nCheck the printer, then print the report "
                                 "again.");
}

// Run by the script with CUPS_SERVER pointing at a socket where no scheduler listens.
TEST(CupsNoPrinterTest, NoPrintSystemIsAFailureThatSaysWhatToDo) {
    if (!std::getenv("TARVOS_EXPECT_NO_PRINTER"))
        GTEST_SKIP() << "skipped: run by tests/scripts/print_cups.sh without a print system";
    // Both messages name the settings file by its full path.
    TempDir program;
    SetProgramFolder(program.path());
    const std::string ini = program.file("trvtest.ini");
    const PrintResult result = CupsPrinter().PrintPort("text\r\n");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message(),
              "The report was not printed: no printer is set up on this computer; add one "
              "in the system's printer settings (or name one as Printer= under [Options] in " +
                  ini + ").");
    program.write("trvtest.ini", "[Options]\r\nPrinter=Front Desk\r\n");
    EXPECT_EQ(CupsPrinter().PrintText("text\r").message(),
              "The report was not printed on the printer \"Front Desk\": there is no such printer on this "
              "computer; correct or remove Printer= under [Options] in " +
                  ini + ".\r\nCheck the printer, then print the report again.");
    SetProgramFolder("");
}
