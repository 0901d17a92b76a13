#include "ScoringFixture.h"
#include "scoring/DataReader.h"
#include "scoring/ScoreAndReport.h"

namespace {
std::string Repeat(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

struct GoldenCase {
    const char* golden;
    const char* dataSet;
    int slot;
    ClientRecord client;
    const char* publisher = "m";
    bool summary = false;
};

// clang-format off
const GoldenCase Cases[] = {
    {"full.prn", "base", 2, Record("Maria Lopez", "123-45-6789", "34 23103", "02/14/1992", "171 2 0 3 1 0 0 N 6 ",
        "TTTTFFFFFFTFTFTFFFFFTFFFFFFFFFTTTFFFFFFFTTTTTFFFFFTFFFFFFFF0" + Repeat('F', 48) + Repeat('2', 31) + "0123412344")},
    {"extreme.prn", "base", 12, Record("Sam Extreme", "N", "N  10N 0", "N", NoCourt, Repeat('T', 108) + Repeat('0', 41))},
    {"unscored-summary.prn", "base", 3, Record("Lee Chen", "N", "61 14161", "07/04/1965", "25N N N N N N N N 12",
        "TTTFFFFFFF" + Repeat('F', 10) + "00000FFFFF0000FFFFFF" + Repeat('F', 68) + Repeat('1', 41)), "x", true},
    {"arrest-floor.prn", "base", 5, Record("Pat Doe", "987-65-4321", "45 12122", "01/02/1981", "300 0 0 1 0 0 1 0 12",
        "TT" + Repeat('F', 11) + "TFTT" + Repeat('F', 91) + Repeat('2', 41))},
    {"marker90.prn", "base", 7, Record("Kim Marker", "N", "N  21N 4", "N", NoCourt,
        Repeat('T', 10) + Repeat('F', 98) + Repeat('1', 31) + Repeat('3', 10))},
    {"long.prn", "long", 10, Record("Lou Long", "N", "N  11N 5", "N", NoCourt, Repeat('F', 108) + Repeat('2', 41))},
};
// clang-format on

class ReportTest : public ScoringTest {
protected:
    void Prepare(const GoldenCase& g) {
        ResetClientFileState();
        ClientTable[static_cast<std::size_t>(g.slot)] = g.client;
        ClientCount = static_cast<int16_t>(g.slot);
        CurrentClient = static_cast<int16_t>(g.slot);
        PublisherCode = g.publisher;
        SummaryReport = g.summary;
    }
    TempDir data;
    TempDir program;
};
} // namespace

TEST_F(ReportTest, ReportsMatchTheirGoldenFilesByteForByte) {
    for (const auto& g : Cases) {
        SCOPED_TRACE(g.golden);
        TempDir folder;
        CopyDataSet(folder, g.dataSet);
        Prepare(g);
        const std::string out = program.file("REPORT.PRN");
        ASSERT_TRUE(ScoreAndReport(out, folder.path()).ok());
        // A multi-line mismatch is printed as a line diff.
        EXPECT_EQ(ReadDataFile(out),
                  ReadDataFile(std::string(TARVOS_SOURCE_DIR) + "/tests/scoring/golden/" + g.golden));
    }
}

TEST_F(ReportTest, FailureLeavesNoReportOfAnotherClient) {
    CopyDataSet(data, "base");
    Prepare(Cases[0]);
    const std::string out = program.file("REPORT.PRN");
    ASSERT_TRUE(ScoreAndReport(out, data.path()).ok());
    ASSERT_TRUE(std::filesystem::exists(out));

    // A paragraph file without the key the client needs: the failure names it; nothing is left.
    data.write("TRVV3VI.TXT", "LOW\r\nline\r\nEND\r\n");
    auto result = ScoreAndReport(out, data.path());
    EXPECT_EQ(result.number, EndOfDataNumber);
    EXPECT_EQ(result.file, data.file("TRVV3VI.TXT"));
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()), {}), 0);

    CopyDataSet(data, "base");
    ASSERT_TRUE(ScoreAndReport(out, data.path()).ok());
    ClientTable[2].Gender = "7";
    result = ScoreAndReport(out, data.path());
    EXPECT_EQ(result.file, "client 2, field Gender");
    CurrentClient = 3;
    EXPECT_FALSE(ScoreAndReport(out, data.path()).ok());
    EXPECT_FALSE(std::filesystem::exists(out));

    Prepare(Cases[0]); // a folder that cannot take the report
    result = ScoreAndReport(program.file("missing/REPORT.PRN"), data.path());
    EXPECT_EQ(result.number, 76);
    EXPECT_EQ(result.file, program.file("missing/REPORT.PRN"));
}
