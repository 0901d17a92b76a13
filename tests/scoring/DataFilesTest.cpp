#include "ScoringFixture.h"
#include "scoring/DataReader.h"
#include "scoring/Paragraphs.h"
#include "scoring/ReportBlocks.h"
#include "shell/ProgramFolder.h"

#include <fstream>

namespace {
int FailureNumber(const std::function<void()>& f) {
    try {
        f();
    } catch (const ReportFailure& e) {
        return e.result().number;
    }
    return 0;
}

class DataFilesTest : public ScoringTest {
protected:
    void SetUp() override {
        ScoringTest::SetUp();
        CopyDataSet(dir, "base");
    }
    // Replaces the first occurrence of `from` in a data file of the temporary folder.
    void Edit(const std::string& name, const std::string& from, const std::string& to) {
        std::string bytes = dir.read(name);
        auto at = bytes.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        dir.write(name, bytes.replace(at, from.size(), to));
    }
    TempDir dir;
};
} // namespace

TEST_F(DataFilesTest, FieldAndLineReads) {
    const std::string bytes =
        "\"a, b\",  c ,\"d\"x\r\n\r\n  -12 ,40000,abc\r\nline, with \"quotes\"\n\r\nlast";
    DataReader in(bytes, "F.TXT");
    EXPECT_EQ(in.ReadField(), "a, b");
    EXPECT_EQ(in.ReadField(), "c "); // an unquoted item runs to its delimiter
    EXPECT_EQ(in.ReadField(), "d");
    EXPECT_EQ(in.ReadNumber(), -12);
    EXPECT_EQ(FailureNumber([&] { in.ReadNumber(); }), BadDataNumber);
    EXPECT_EQ(FailureNumber([&] { in.ReadNumber(); }), BadDataNumber);
    EXPECT_EQ(in.ReadLine(), "line, with \"quotes\"");
    EXPECT_EQ(in.ReadLine(), "");
    EXPECT_EQ(in.ReadLine(), "last");
    EXPECT_EQ(FailureNumber([&] { in.ReadLine(); }), EndOfDataNumber);
    EXPECT_EQ(FailureNumber([&] { in.ReadField(); }), EndOfDataNumber);
    DataReader open("1, \"never closed", "G.TXT");
    EXPECT_EQ(open.ReadNumber(), 1);
    EXPECT_EQ(FailureNumber([&] { open.ReadField(); }), BadDataNumber);
}

TEST_F(DataFilesTest, LoadsEveryTableInOrder) {
    ASSERT_TRUE(LoadReportData(dir.path()).ok());
    EXPECT_EQ(ReportTexts.ScaleNames[7], "STRESS COPING");
    EXPECT_EQ(ReportTexts.RangeNames[2], "MEDIUM");
    EXPECT_EQ(ReportTexts.RangeNames[4], "MAXIMUM");
    EXPECT_EQ(ReportTexts.SignificantItemTexts[1], " 11. Alcohol item, \"yes\"");
    EXPECT_EQ(ReportTexts.SignificantItemTexts[54], " 65. Violence item, \"yes\"");
    EXPECT_EQ(ReportTexts.AnswerTexts[40], "149. Answer 4 of item 149");
    const auto& t = ScoringTables;
    EXPECT_EQ(t.SignificantItemNumbers[54], 65);
    EXPECT_EQ(t.PointKeys[1][1].substr(10, 4), "3321");
    EXPECT_EQ(t.NormTables[1][11][3][2], 99);
    EXPECT_EQ(t.ScPercentiles[3][47][2], 94);
    EXPECT_EQ(t.ScaleItems[6][10], 60);
    EXPECT_EQ(t.FloorItems[73], 68);
    EXPECT_EQ(t.TruthCorrections[7][9], 1);
    EXPECT_EQ(ParagraphFiles[2], JoinPath(dir.path(), "TRVV3AL.TXT"));
}

TEST_F(DataFilesTest, MalformedDataFilesFailNamingTheFile) {
    struct Case {
        const char* file;
        std::string from, to;
        int number;
    };
    const std::string bytes = dir.read("TRVBR.TXT");
    const std::string lastLine = bytes.substr(bytes.rfind("\r\n", bytes.size() - 3) + 2);
    const Case cases[] = {
        {"TRVBR.TXT", lastLine, "", EndOfDataNumber},           // ends early
        {"TRVBR.TXT", "10,1,2,3,", "41,1,2,3,", BadDataNumber}, // item list over 40
        {"TRVBR.TXT", "33,3,6,", "78,3,6,", BadDataNumber},     // norm count over 77
        {"TRVBR.TXT", "11,12,13", "150,12,13", BadDataNumber},  // no such item
        {"TRVBR.TXT", "11,9,18", "11,101,18", BadDataNumber},   // percentile over 100
        {"TRVV3RPT.TXT", "149. Answer 4 of item 149\r\n", "", EndOfDataNumber},
    };
    for (const auto& c : cases) {
        SetUp();
        Edit(c.file, c.from, c.to);
        auto result = LoadReportData(dir.path());
        EXPECT_EQ(result.number, c.number) << c.to;
        EXPECT_EQ(result.file, dir.file(c.file));
    }
    SetUp();
    std::filesystem::remove(dir.file("TRVBR.TXT"));
    auto missing = LoadReportData(dir.path());
    EXPECT_EQ(missing.number, 53);
    EXPECT_EQ(missing.file, dir.file("TRVBR.TXT"));
}

TEST_F(DataFilesTest, ParagraphAndNoticeLookups) {
    const std::string file = "LOW\r\nlow text\r\nEND\r\nMEDIUM-LOW\r\nwanted 1\r\nEND \r\nwanted 2\r\nEND\r\n"
                             "PROBLEM\r\nEND\r\nMAXIMUM-LOW\r\nno end\r\n";
    ReportWriter out;
    out.PageLine = 56;
    out.PageNumber = 1;
    ClientView.ClientFields[1] = "Ann";
    PrintParagraphLines(out, file, "P.TXT", "MEDIUM-LOW");
    // The page header: name from column 8, "-2-" from column 41, the title from column 62.
    EXPECT_EQ(out.bytes(), "        wanted 1\r\n        END \r\n\f\r\n       NAME: Ann" +
                               std::string(24, ' ') + "-2-" + std::string(18, ' ') +
                               "Tarvos REPORT\r\n\r\n        wanted 2\r\n");
    EXPECT_EQ(out.PageLine, 3);
    ReportWriter empty;
    PrintParagraphLines(empty, file, "P.TXT", "PROBLEM");
    EXPECT_EQ(empty.bytes(), "");
    EXPECT_EQ(FailureNumber([&] { PrintParagraphLines(empty, file, "P.TXT", "MEDIUM-HIGH"); }),
              EndOfDataNumber);
    EXPECT_EQ(FailureNumber([&] { PrintParagraphLines(empty, file, "P.TXT", "MAXIMUM-LOW"); }),
              EndOfDataNumber);
    EXPECT_EQ(FailureNumber([&] { PrintParagraphLines(empty, file, "P.TXT", "low"); }), EndOfDataNumber);

    ReportWriter notice; // the extreme-truthfulness notice: lines at column 8 up to the first "END"
    PrintNoticeLines(notice, "END\r\nnever printed\r\n", "INVAL.TXT");
    PrintNoticeLines(notice, "first\r\nsecond\r\nEND\r\nEND\r\n", "INVAL.TXT");
    EXPECT_EQ(notice.bytes(), "       first\r\n       second\r\n");
    EXPECT_EQ(FailureNumber([&] { PrintNoticeLines(notice, "first\r\nEND \r\n", "INVAL.TXT"); }),
              EndOfDataNumber);
}
