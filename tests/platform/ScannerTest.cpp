// The scanner layers against the real thing: SANE's pnm backend through libsane, and page image files.
#include "entry/MarkReading.h"
#include "entry/ScanErrors.h"
#include "platform/ImageFileScanner.h"
#include "platform/SaneScanner.h"
#include "support/AnswerSheetGenerator.h"
#include "support/PnmScanner.h"

#include <QImageWriter>
#include <gtest/gtest.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

// Reads every location of a page, as texts; empty when the page does not register.
std::vector<std::string> ReadPage(const ScanImage& image) {
    const PreparedPage page = PrepareScanImage(image);
    std::vector<std::string> texts;
    if (RegisterSheet(page) == Registration::Registered) {
        ScanItemList items(ScanItemRows(AnswerSheetLayout()));
        texts = ReadEachLocation(items);
    }
    ResetScanState();
    return texts;
}

std::vector<std::string> ExpectedTexts(const FilledSheet& sheet) {
    std::vector<std::string> texts;
    for (std::size_t k = 0; k < sheet.marked.size(); ++k)
        texts.push_back(ExpectedText(AnswerSheetLayout().locations[k], sheet.marked[k]));
    return texts;
}

class PnmScannerTest : public ::testing::Test {
protected:
    // SANE's pnm backend leaves its read buffer behind when libsane unloads it at sane_exit, where the
    // leak checker of sanitizer builds can no longer name the library; its allocations are not ours.
    void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
        __lsan_disable();
#endif
        if (!pnm.unavailable().empty())
            GTEST_SKIP() << "skipped: " << pnm.unavailable();
    }
    void TearDown() override {
#if defined(__SANITIZE_ADDRESS__)
        __lsan_enable();
#endif
    }
    PnmScanner pnm;
};

TEST_F(PnmScannerTest, ColourAndGreySheetsScannedThroughLibsaneReadExactly) {
    std::mt19937 rng(31);
    for (int sheet = 0; sheet < 4; ++sheet) {
        const FilledSheet filled = RandomFilledSheet(rng);
        const bool grey = sheet % 2 == 1;
        ScanConditions conditions{sheet == 0 ? 1.0 : -0.7, 2, -3, 200};
        conditions.blur = sheet >= 2;
        const std::string file = pnm.WritePage(ScanPage(filled.page, conditions, rng), grey);
        // Plain, and as a three-pass scanner of unknown page length sends it.
        for (const Options& extra : {Options{}, Options{{"three-pass", "yes"}, {"hand-scanner", "yes"}}}) {
            Options options{{"filename", file}};
            options.insert(options.end(), extra.begin(), extra.end());
            SaneScanner scanner("pnm:0", options);
            int calls = 0, lastLines = 0;
            const Acquisition a = scanner.Acquire([&](int lines, int) {
                ++calls;
                lastLines = lines;
                return true;
            });
            ASSERT_TRUE(a.ok()) << a.error << " " << a.detail;
            EXPECT_EQ(a.page.width, 850);
            EXPECT_EQ(a.page.height, 1400);
            EXPECT_EQ(a.page.format, grey && extra.empty() ? PagePixels::Grey8 : a.page.format);
            EXPECT_GT(calls, 1);
            EXPECT_EQ(lastLines, 1400);
            EXPECT_EQ(ReadPage(a.page), ExpectedTexts(filled))
                << "sheet " << sheet << (grey ? " grey" : " colour");
        }
    }
}

TEST_F(PnmScannerTest, DeviceFailuresAndCancelGiveTheirNumbersAndSayWhatToDo) {
    const std::string file = pnm.WritePage(BlankSheetImage(), false);
    const struct {
        const char* option;
        int error;
        const char* saneText;
        const char* advice;
    } cases[] = {
        {"status-jammed", ScanError::SourceReportedError, "Document feeder jammed",
         "Remove the jammed paper"},
        {"status-nodocs", ScanError::SourceReportedError, "Document feeder out of documents",
         "Load the answer sheet"},
        {"status-coveropen", ScanError::SourceReportedError, "Scanner cover is open",
         "Close the scanner's cover"},
        {"status-ioerror", ScanError::SourceReportedError, "Error during device I/O", "cable and power"},
        {"status-nomem", ScanError::NotEnoughMemory, "Out of memory", "Close other programs"},
        {"status-accessdenied", ScanError::SourceReportedError, "Access to resource has been denied",
         "permission"},
    };
    for (const auto& c : cases) {
        SaneScanner scanner("pnm:0", {{"filename", file}, {c.option, "yes"}});
        const Acquisition a = scanner.Acquire({});
        EXPECT_EQ(a.error, c.error) << c.option;
        EXPECT_NE(a.detail.find(c.saneText), std::string::npos) << a.detail;
        EXPECT_NE(a.detail.find("pnm:0"), std::string::npos) << a.detail;
        EXPECT_NE(a.detail.find(c.advice), std::string::npos) << a.detail;
        EXPECT_TRUE(a.page.empty());
    }
    SaneScanner scanner("pnm:0", {{"filename", file}});
    const Acquisition cancelled = scanner.Acquire([](int lines, int) { return lines < 100; });
    EXPECT_EQ(cancelled.error, ScanError::Cancelled);
    EXPECT_EQ(AcquisitionErrorMessage(cancelled.error, cancelled.detail).substr(0, 45),
              "Error '20090, Twain operation was cancelled.\n");
    EXPECT_TRUE(cancelled.page.empty());

    // A device that is not there, an option it lacks, a value it refuses.
    EXPECT_EQ(SaneScanner("pnm:7").Acquire({}).error, ScanError::NoDataSource);
    EXPECT_EQ(SaneScanner("pnm:0", {{"colour-wheel", "yes"}}).Acquire({}).error,
              ScanError::UnknownCapability);
    const Acquisition refused = SaneScanner("pnm:0", {{"brightness", "bright"}}).Acquire({});
    EXPECT_EQ(refused.error, ScanError::ParameterOutOfRange);
    EXPECT_NE(refused.detail.find("brightness=bright"), std::string::npos) << refused.detail;
    // The first device found when none is named.
    const Acquisition first = SaneScanner("", {{"filename", file}}).Acquire({});
    EXPECT_TRUE(first.ok()) << first.detail;
}

TEST(ImageFileScanner, PageImageFilesReadExactlyAsAScannedPage) {
    TempDir dir;
    std::mt19937 rng(3);
    const FilledSheet filled = RandomFilledSheet(rng);
    const QImage scanned = ScanPage(filled.page, {0.4, -2, 1, 200}, rng);
    std::vector<std::string> formats = {"png", "bmp", "ppm", "pgm"};
    if (QImageWriter::supportedImageFormats().contains("tiff"))
        formats.push_back("tiff");
    for (const std::string& format : formats) {
        const std::string path = dir.file("page." + format);
        ASSERT_TRUE(scanned.save(QString::fromStdString(path)));
        const Acquisition a = ImageFileScanner(path).Acquire({});
        ASSERT_TRUE(a.ok()) << format << ": " << a.detail;
        EXPECT_EQ(a.page.format, format == "pgm" ? PagePixels::Grey8 : PagePixels::Rgb888) << format;
        EXPECT_EQ(ReadPage(a.page), ExpectedTexts(filled)) << format;
    }
    const Acquisition missing = ImageFileScanner(dir.file("none.png")).Acquire({});
    EXPECT_EQ(missing.error, ScanError::FileNotFound);
    EXPECT_NE(missing.detail.find(dir.file("none.png")), std::string::npos);
    dir.write("text.png", "not an image");
    const Acquisition garbage = ImageFileScanner(dir.file("text.png")).Acquire({});
    EXPECT_EQ(garbage.error == ScanError::InvalidFileFormat || garbage.error == ScanError::ErrorReadingFile,
              true);
    EXPECT_NE(garbage.detail.find("text.png"), std::string::npos);
}

} // namespace
