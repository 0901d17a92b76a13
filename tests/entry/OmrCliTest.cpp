// tarvos-cli omr, run as a user runs it, on generated page images and a layout database.
#include "entry/MarkReading.h"
#include "entry/SheetLayout.h"
#include "support/AnswerSheetGenerator.h"
#include "support/TempDir.h"
#include "support/Tmpfs.h"

#include <QProcess>
#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

struct CliResult {
    int exitCode = -1;
    std::string out, err;
};

CliResult RunCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TARVOS_BUILD_DIR "/tarvos-cli"), args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

std::vector<std::pair<int, int>> StoredPositions(const std::string& path) {
    std::vector<std::pair<int, int>> positions;
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT x, y FROM ScanItem ORDER BY rowid", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        positions.emplace_back(sqlite3_column_type(st, 0) == SQLITE_NULL ? -9999 : sqlite3_column_int(st, 0),
                               sqlite3_column_int(st, 1));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return positions;
}

// ID 987-65-4321, male, "Other", widowed, born 12/31/09, 8 years of school, first arrest at "1N" (second
// digit left empty), court counts 2, 0, empty, 1, 9, 0, 0, 3, months employed 09; answers: item i is
// i % 2 + 1 for 1-108, i % 4 + 1 for 109-149, except item 5 left empty.
QImage FilledSheet(std::mt19937& rng) {
    std::vector<int> marks = {9, 8, 7, 6, 5, 4,  3, 2, 1,  0, 5, 4, 1, 2, 3, 1,
                              0, 9, 0, 8, 1, -1, 2, 0, -1, 1, 9, 0, 0, 3, 0};
    for (int item = 1; item <= 149; ++item)
        marks.push_back(item == 5 ? -1 : item <= 108 ? item % 2 : item % 4);
    marks.push_back(9);
    QImage page = BlankSheetImage().copy();
    for (std::size_t k = 0; k < marks.size(); ++k)
        if (marks[k] >= 0)
            DrawPencilMark(page, {k, marks[k], 80, 0.85, 5.8}, rng);
    return page;
}

std::string ExpectedOutput() {
    std::string responses;
    for (int item = 1; item <= 149; ++item)
        responses += item == 5 ? '0' : static_cast<char>('1' + (item <= 108 ? item % 2 : item % 4));
    return "SSN=987-65-4321\nGender=1\nRace=6\nMarital=5\nDateOfBirth=12/31/2009\nAge=16\nEducation=08\n"
           "CourtHistory1=1N\nCourtHistory2=2\nCourtHistory3=0\nCourtHistory4=N\nCourtHistory5=1\n"
           "CourtHistory6=9\nCourtHistory7=0\nCourtHistory8=0\nCourtHistory9=3\nCourtHistory10=09\n"
           "Responses=" +
           responses + "\nDoubtful=\n";
}

class OmrCliTest : public ::testing::Test {
protected:
    // Each scan commits every position it writes; in memory-backed /dev/shm those commits cost
    // nothing, so the database lives there when it can.
    void SetUp() override {
        std::string folder = "/dev/shm/tarvos-omr-XXXXXX";
        dbFolder = std::filesystem::exists("/dev/shm") && ::mkdtemp(folder.data()) ? folder : dir.path();
        dbFile = dbFolder + "/TARVOS.MDB";
        // The question database the build makes, its "ScanItem" table from the sheet description.
        std::filesystem::copy_file(TARVOS_BUILD_DIR "/TARVOS.MDB", dbFile);
        database = QString::fromStdString(dbFile);
    }
    void TearDown() override {
        if (dbFolder != dir.path())
            std::filesystem::remove_all(dbFolder);
    }
    CliResult Omr(const std::string& image, QStringList more = {}) {
        return RunCli(QStringList{"omr", QString::fromStdString(image), "--database", database, "--today",
                                  "06/15/2026"} +
                      more);
    }
    TempDir dir;
    std::string dbFolder, dbFile;
    QString database;
};

TEST_F(OmrCliTest, ReadsFilledSheetsInEveryImageFormatAndStoresThePositions) {
    std::mt19937 rng(5);
    const QImage page = FilledSheet(rng);
    const QImage skewed = ScanPage(page, {0.8, -3, 2, 300}, rng);
    ASSERT_TRUE(skewed.save(QString::fromStdString(dir.file("skewed.png"))));
    ASSERT_TRUE(page.save(QString::fromStdString(dir.file("straight.bmp"))));
    ASSERT_TRUE(ScanPage(page, {-0.6, 1, 3, 300}, rng)
                    .convertToFormat(QImage::Format_Grayscale8)
                    .save(QString::fromStdString(dir.file("grey.pgm"))));

    for (const char* name : {"skewed.png", "grey.pgm", "straight.bmp"}) {
        const CliResult r = Omr(dir.file(name));
        EXPECT_EQ(r.exitCode, 0) << name << ": " << r.err;
        EXPECT_EQ(r.out, ExpectedOutput()) << name;
        EXPECT_EQ(r.err, "");
    }
    // The last scan, of the straight page, found every first bubble where the layout puts it.
    const SheetLayout& layout = AnswerSheetLayout();
    const auto positions = StoredPositions(dbFile);
    ASSERT_EQ(positions.size(), 181u);
    for (std::size_t k = 0; k < positions.size(); ++k) {
        EXPECT_EQ(positions[k].first, layout.locations[k].x - BubbleSquareCentre - layout.anchor.x);
        EXPECT_EQ(positions[k].second, layout.locations[k].y - BubbleSquareCentre - layout.anchor.y);
    }
}

// The layout table cannot take the positions (a read-only medium), or holds nothing usable: the
// page is still read in full and the failure said, or the reading fails with a non-zero exit; never
// an empty reading that passes for a good one.
TEST_F(OmrCliTest, ReadOnlyEmptyOrGarbledLayoutTablesNeverGiveASilentEmptyReading) {
    std::mt19937 rng(5);
    ASSERT_TRUE(FilledSheet(rng).save(QString::fromStdString(dir.file("sheet.png"))));

    Tmpfs medium(4096);
    if (medium.mounted()) {
        std::filesystem::copy_file(dbFile, medium.file("TARVOS.MDB"));
        ASSERT_TRUE(medium.SetReadOnly(true));
        database = QString::fromStdString(medium.file("TARVOS.MDB"));
        const CliResult r = Omr(dir.file("sheet.png"));
        if (r.exitCode == 0) {
            EXPECT_EQ(r.out, ExpectedOutput());
            EXPECT_NE(r.err.find("could not be saved in " + medium.file("TARVOS.MDB")), std::string::npos)
                << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << "one warning, not one per location";
        } else {
            EXPECT_EQ(r.out, "");
            EXPECT_NE(r.err.find(medium.file("TARVOS.MDB")), std::string::npos) << r.err;
        }
    } else {
        std::printf("skipped: read-only database (%s)\n", medium.why().c_str());
    }

    const std::pair<const char*, const char*> garbled[] = {
        {"DELETE FROM ScanItem", "181 of the 181 locations"},
        {"UPDATE ScanItem SET r = 'far' WHERE rowid % 2 = 0", "90 of the 181 locations"},
    };
    for (const auto& [sql, problem] : garbled) {
        std::filesystem::copy_file(TARVOS_BUILD_DIR "/TARVOS.MDB", dir.file("garbled.mdb"),
                                   std::filesystem::copy_options::overwrite_existing);
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(dir.file("garbled.mdb").c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        database = QString::fromStdString(dir.file("garbled.mdb"));
        const CliResult r = Omr(dir.file("sheet.png"));
        EXPECT_EQ(r.exitCode, 1) << sql;
        EXPECT_NE(r.err.find(problem), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("garbled.mdb"), std::string::npos) << r.err;
    }
}

} // namespace
