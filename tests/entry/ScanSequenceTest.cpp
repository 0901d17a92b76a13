// The scan from the name prompt to the hand-over, with the fake scanner: cancelling at each prompt,
// device failures, pages without registration boxes, and a good sheet handed over with the database
// closed.
#include "entry/ScanSequence.h"
#include "presentation/QuestionDatabase.h"
#include "support/AnswerSheetGenerator.h"
#include "support/FakeScanner.h"
#include "support/TempDir.h"

#include <QPainter>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Steps that answer as scripted and record what happened.
class ScriptedSteps : public ScanSteps {
public:
    explicit ScriptedSteps(FakeScanner& scanner, std::string database)
        : m_scanner(scanner), m_database(std::move(database)) {}

    bool nameGiven = true;
    InsertAnswer insert = InsertAnswer::Scan;
    std::string file;
    bool rawSaves = true;
    int cancelAfterLines = -1;

    std::vector<std::string> log; // "name", "insert", "acquire", "raw", "show:TITLE:TEXT", "handover"
    std::vector<ScanImage> rawPages;
    SheetScan handedOver;
    bool databaseFreeAtHandOver = false;

    bool AskClientName(std::string& name) override {
        log.push_back("name");
        name = "Jane Roe";
        return nameGiven;
    }
    InsertAnswer AskInsertSheet(const std::string& name, std::string& chosen) override {
        log.push_back("insert:" + name);
        chosen = file;
        return insert;
    }
    std::unique_ptr<PageSource> Source(const std::string& chosen) override {
        log.push_back("source:" + chosen);
        return m_scanner.Lend();
    }
    Acquisition Acquire(PageSource& source) override {
        log.push_back("acquire");
        return source.Acquire(
            [&](int lines, int) { return cancelAfterLines < 0 || lines < cancelAfterLines; });
    }
    bool SaveRawPage(const ScanImage& page, std::string& error) override {
        log.push_back("raw");
        rawPages.push_back(page);
        error = "Cannot write raw.bmp.";
        return rawSaves;
    }
    void Show(const std::string& text, const std::string& title, bool critical) override {
        log.push_back("show:" + title + (critical ? "!" : "") + ":" + text);
    }
    void HandOver(const std::string& name, const SheetScan& scan) override {
        log.push_back("handover:" + name);
        handedOver = scan;
        QuestionDatabase db;
        databaseFreeAtHandOver = db.Open(m_database).ok();
        (void)db.Close();
    }

private:
    FakeScanner& m_scanner;
    std::string m_database;
};

class ScanSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        database = dir.file("TARVOS.MDB");
        std::filesystem::copy_file(TARVOS_BUILD_DIR "/TARVOS.MDB", database);
    }
    std::string DatabaseBytes() const { return dir.read("TARVOS.MDB"); }
    TempDir dir;
    std::string database;
    FakeScanner scanner;
};

TEST_F(ScanSequenceTest, CancelledPromptsAndFailedPagesHandNothingOnAndLeaveTheDatabaseAlone) {
    std::mt19937 rng(2);
    const FilledSheet filled = RandomFilledSheet(rng);
    const std::string before = DatabaseBytes();
    const std::string anchorMissing = "show:Scan Error!:Anchor Box not found\nAborting scan.";
    QImage noReference = filled.page.copy();
    const SheetSquare& ref = AnswerSheetLayout().reference;
    QPainter(&noReference).fillRect(ref.x, ref.y, ref.size, ref.size, Qt::white);
    QImage blankPaper(850, 1400, QImage::Format_RGB32);
    blankPaper.fill(Qt::white);

    struct Case {
        const char* what;
        std::function<void(ScriptedSteps&)> arrange;
        std::vector<std::string> log;
        int rawPages;
    };
    const Case cases[] = {
        {"name cancelled", [](ScriptedSteps& s) { s.nameGiven = false; }, {"name"}, 0},
        {"insert cancelled",
         [](ScriptedSteps& s) { s.insert = InsertAnswer::Cancel; },
         {"name", "insert:Jane Roe"},
         0},
        {"scanner jammed",
         [&](ScriptedSteps&) {
             scanner.QueueFailure(ScanError::SourceReportedError, "Document feeder jammed.");
         },
         {"name", "insert:Jane Roe", "source:", "acquire",
          "show:Twain Error:Error '20084, Twain DS or DSM reported error, app shouldn't.\nDocument feeder "
          "jammed.",
          anchorMissing},
         0},
        {"cancelled during the scan",
         [&](ScriptedSteps& s) {
             scanner.QueuePage(filled.page);
             s.cancelAfterLines = 300;
         },
         {"name", "insert:Jane Roe", "source:", "acquire",
          "show:Twain Error:Error '20090, Twain operation was cancelled.\nOperation was cancelled (scanner "
          "fake:0).",
          anchorMissing},
         0},
        {"no anchor box",
         [&](ScriptedSteps&) { scanner.QueuePage(blankPaper); },
         {"name", "insert:Jane Roe", "source:", "acquire", "raw", anchorMissing},
         1},
        {"no reference box",
         [&](ScriptedSteps&) { scanner.QueuePage(noReference); },
         {"name", "insert:Jane Roe", "source:", "acquire", "raw",
          "show:Scan Error!:Reference Box not found\nAborting scan."},
         1},
        {"raw.bmp not writable, no anchor",
         [&](ScriptedSteps& s) {
             scanner.QueuePage(blankPaper);
             s.rawSaves = false;
         },
         {"name", "insert:Jane Roe", "source:", "acquire", "raw", "show:TRV Test Scan:Cannot write raw.bmp.",
          anchorMissing},
         1},
    };
    // A good page scanned first must never be read again by a later scan that gets no page.
    {
        scanner.QueuePage(filled.page);
        ScriptedSteps first(scanner, database);
        RunAnswerSheetScan(first, database);
        ASSERT_EQ(first.log.back(), "handover:Jane Roe");
        std::filesystem::copy_file(TARVOS_BUILD_DIR "/TARVOS.MDB", database,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    for (const Case& c : cases) {
        ScriptedSteps steps(scanner, database);
        c.arrange(steps);
        const int acquisitions = scanner.acquisitions;
        RunAnswerSheetScan(steps, database);
        EXPECT_EQ(steps.log, c.log) << c.what;
        EXPECT_EQ(static_cast<int>(steps.rawPages.size()), c.rawPages) << c.what;
        EXPECT_EQ(scanner.acquisitions - acquisitions, c.log.size() > 3 ? 1 : 0) << c.what;
        EXPECT_EQ(DatabaseBytes(), before) << c.what << ": the layout table changed";
    }
}

TEST_F(ScanSequenceTest, AGoodSheetIsHandedOverWithTheDatabaseClosedAndItsPageKept) {
    std::mt19937 rng(4);
    const FilledSheet filled = RandomFilledSheet(rng);
    ScanConditions grey{0.6, 1, 2, 100};
    grey.grey = true;
    const QImage scanned = ScanPage(filled.page, grey, rng);
    const std::string pageFile = dir.file("page.png");
    ASSERT_TRUE(scanned.save(QString::fromStdString(pageFile)));
    scanner.QueuePage(scanned);

    ScriptedSteps steps(scanner, database);
    RunAnswerSheetScan(steps, database);
    ASSERT_EQ(steps.log.back(), "handover:Jane Roe");
    EXPECT_TRUE(steps.databaseFreeAtHandOver) << "the scan must close the database before the grid opens it";
    ASSERT_EQ(steps.rawPages.size(), 1u);
    EXPECT_EQ(steps.rawPages[0].format, PagePixels::Grey8);
    const ScannedSheet& sheet = steps.handedOver.sheet;
    EXPECT_EQ(sheet.ScannedResponses.size(), 149u);
    for (int item = 1; item <= 149; ++item)
        EXPECT_EQ(sheet.ScannedResponses.substr(static_cast<std::size_t>(item - 1), 1),
                  ExpectedText(AnswerSheetLayout().locations[static_cast<std::size_t>(30 + item)],
                               filled.marked[static_cast<std::size_t>(30 + item)]));
    TempDir original;
    std::filesystem::copy_file(TARVOS_BUILD_DIR "/TARVOS.MDB", original.file("TARVOS.MDB"));
    EXPECT_NE(DatabaseBytes(), original.read("TARVOS.MDB")) << "the positions found are stored";
}

} // namespace
