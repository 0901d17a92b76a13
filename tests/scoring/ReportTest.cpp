#include "ScoringFixture.h"
#include "scoring/ScoreAndReport.h"

#include <fstream>
#include <sstream>

namespace {
struct GoldenCase {
    const char* golden;
    const char* dataSet;
    int slot;
    std::array<const char*, 9> fields; // Name .. TestDate
    std::array<const char*, 10> court;
    std::string answers; // section 1 as T/F/0, sections 2 and 3 as codes
    const char* publisher = "m";
    bool summary = false;
};

std::string Repeat(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

ClientRecord MakeClient(const GoldenCase& g) {
    ClientRecord r;
    const auto& f = g.fields;
    r.Name = f[0];
    r.SSN = f[1];
    r.Age = f[2];
    r.Gender = f[3];
    r.Race = f[4];
    r.Education = f[5];
    r.Marital = f[6];
    r.DateOfBirth = f[7];
    r.TestDate = f[8];
    for (std::size_t k = 0; k < 10; ++k)
        r.CourtHistory[k] = g.court[k];
    std::string codes = g.answers;
    for (char& c : codes)
        c = c == 'T' ? '1' : c == 'F' ? '2' : c;
    r.Responses = codes;
    r.EditCount = "0";
    r.NameDeleted = "0";
    return r;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::array<const char*, 10> NoCourt = {"N", "N", "N", "N", "N", "N", "N", "N", "N", "N"};

const GoldenCase Cases[] = {
    {"full.prn",
     "base",
     2,
     {"Maria Lopez", "123-45-6789", "34", "2", "3", "10", "3", "02/14/1992", "11/30/2026"},
     {"17", "1", "2", "0", "3", "1", "0", "0", "N", "6"},
     "TTTTFFFFFFTFTFTFFFFFTFFFFFFFFFTTTFFFFFFFTTTTTFFFFFTFFFFFFFF0" + Repeat('F', 48) + Repeat('2', 31) +
         "0123412344"},
    {"extreme.prn",
     "base",
     12,
     {"Sam Extreme", "N", "N", "1", "0", "N", "0", "N", "11/30/2026"},
     NoCourt,
     Repeat('T', 108) + Repeat('0', 41)},
    {"unscored-summary.prn",
     "base",
     3,
     {"Lee Chen", "N", "61", "1", "4", "16", "1", "07/04/1965", "11/30/2026"},
     {"25", "N", "N", "N", "N", "N", "N", "N", "N", "12"},
     "TTTFFFFFFF" + Repeat('F', 10) + "00000FFFFF0000FFFFFF" + Repeat('F', 68) + Repeat('1', 41),
     "x",
     true},
    {"arrest-floor.prn",
     "base",
     5,
     {"Pat Doe", "987-65-4321", "45", "1", "2", "12", "2", "01/02/1981", "12/01/2026"},
     {"30", "0", "0", "0", "1", "0", "0", "1", "0", "12"},
     "TT" + Repeat('F', 11) + "TFTT" + Repeat('F', 91) + Repeat('2', 41)},
    {"marker90.prn",
     "base",
     7,
     {"Kim Marker", "N", "N", "2", "1", "N", "4", "N", "12/01/2026"},
     NoCourt,
     Repeat('T', 10) + Repeat('F', 98) + Repeat('1', 31) + Repeat('3', 10)},
    {"long.prn",
     "long",
     10,
     {"Lou Long", "N", "N", "1", "1", "N", "5", "N", "12/01/2026"},
     NoCourt,
     Repeat('F', 108) + Repeat('2', 41)},
};

class ReportTest : public ScoringTest {
protected:
    // Puts the client of `g` in its slot of a table of as many clients.
    void Prepare(const GoldenCase& g) {
        ResetClientFileState();
        ClientTable[static_cast<std::size_t>(g.slot)] = MakeClient(g);
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
        const std::string want =
            ReadFile(std::string(TARVOS_SOURCE_DIR) + "/tests/scoring/golden/" + g.golden);
        const std::string got = ReadFile(out);
        ASSERT_FALSE(want.empty());
        if (got != want) {
            std::istringstream a(want), b(got);
            std::string wl, gl;
            for (int line = 1; std::getline(a, wl); ++line) {
                std::getline(b, gl);
                ASSERT_EQ(gl, wl) << "first difference at line " << line;
            }
            FAIL() << "the report has extra lines";
        }
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
    ClientTable[2].Gender = "7";
    result = ScoreAndReport(out, data.path());
    EXPECT_EQ(result.file, "client 2, field Gender");
    CurrentClient = 3;
    EXPECT_FALSE(ScoreAndReport(out, data.path()).ok());
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ReportTest, UnwritableFolderIsReportedAsAFileError) {
    CopyDataSet(data, "base");
    Prepare(Cases[0]);
    auto result = ScoreAndReport(program.file("missing/REPORT.PRN"), data.path());
    EXPECT_EQ(result.number, 76);
    EXPECT_EQ(result.file, program.file("missing/REPORT.PRN"));
}
