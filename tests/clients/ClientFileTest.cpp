#include "clients/ClientFile.h"
#include "shell/Clock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {
ClientRecord Sample(const std::string& name) {
    ClientRecord r;
    r.Name = name;
    r.SSN = "123-45-6789";
    r.Age = "34";
    r.Gender = "1";
    r.Race = "3";
    r.Education = "12";
    r.Marital = "2";
    r.DateOfBirth = "04/17/1990";
    r.TestDate = "12/01/2026";
    for (int k = 0; k < CourtItemCount; ++k)
        r.CourtHistory[static_cast<std::size_t>(k)] = std::to_string(k);
    r.Responses = std::string(149, '1');
    r.EditCount = "0";
    r.NameDeleted = "0";
    return r;
}

std::string Records(int n) {
    std::string bytes;
    for (int i = 1; i <= n; ++i)
        bytes += Sample("Client " + std::to_string(i)).ToBytes();
    return bytes;
}

class ClientFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetClientFileState(); }
    void TearDown() override {
        ResetClientFileState();
        SetToday(std::nullopt);
    }
    TempDir dir;
};
} // namespace

TEST_F(ClientFileTest, RecordLayoutHasExactOffsets) {
    const std::string bytes = Sample("Ann Lee").ToBytes();
    ASSERT_EQ(bytes.size(), 235u);
    EXPECT_EQ(bytes.substr(0, 25), "Ann Lee                  ");
    EXPECT_EQ(bytes.substr(25, 11), "123-45-6789");
    EXPECT_EQ(bytes.substr(36, 3), "34 ");
    EXPECT_EQ(bytes.substr(39, 5), "1312" "2");
    EXPECT_EQ(bytes.substr(44, 10), "04/17/1990");
    EXPECT_EQ(bytes.substr(54, 10), "12/01/2026");
    EXPECT_EQ(bytes.substr(64, 4), "0 1 ");
    EXPECT_EQ(bytes.substr(82, 2), "9 ");
    EXPECT_EQ(bytes.substr(84, 149), std::string(149, '1'));
    EXPECT_EQ(bytes.substr(233), "00");
    EXPECT_EQ(ClientRecord::FromBytes(bytes), Sample("Ann Lee"));
}

TEST_F(ClientFileTest, LongValuesAreCutAndEveryByteRoundTrips) {
    ClientRecord r;
    r.Name = std::string("\x81\x9d\xff name that is far too long");
    EXPECT_EQ(r.Name.str().size(), 25u);
    EXPECT_EQ(ClientRecord::FromBytes(r.ToBytes()).Name, r.Name);
}

TEST_F(ClientFileTest, EstablishCreatesAnEmptyFileAndLoadsNothing) {
    ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
    EXPECT_EQ(ClientCount, 0);
    EXPECT_EQ(CurrentClient, 0);
    EXPECT_EQ(ClientFile, dir.file("DATA401.TRV"));
    EXPECT_EQ(dir.read("DATA401.TRV"), "");
}

TEST_F(ClientFileTest, CountRoundsAPartialRecordToNearest) {
    for (auto [extra, expected] : {std::pair{118, 3}, std::pair{117, 2}, std::pair{0, 2}}) {
        dir.write("DATA401.TRV", Records(2) + std::string(static_cast<std::size_t>(extra), 'x'));
        const std::string before = dir.read("DATA401.TRV");
        ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
        EXPECT_EQ(ClientCount, expected) << extra;
        EXPECT_EQ(CurrentClient, 1);
        EXPECT_EQ(dir.read("DATA401.TRV"), before) << "loading must never write";
    }
    EXPECT_EQ(ClientTable[3].Name.str(), std::string(25, ' ')) << "missing bytes read as blanks";
}

TEST_F(ClientFileTest, FiftyOneRecordsLoadAndFiftyTwoAreRefusedWithoutAdopting) {
    dir.write("DATA401.TRV", Records(51));
    ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
    EXPECT_EQ(ClientCount, 51);
    EXPECT_EQ(ClientTable[51].Name.trimmed(), "Client 51");

    TempDir other;
    other.write("DATA401.TRV", Records(52));
    auto err = EstablishClientFile(other.path());
    EXPECT_EQ(err.number, 9);
    EXPECT_EQ(ClientFile, dir.file("DATA401.TRV")) << "a refused folder is never adopted";
    EXPECT_EQ(ClientCount, 51);
}

TEST_F(ClientFileTest, SaveExtendsByOneRecordAndRewritesOnlyItsOwn) {
    dir.write("DATA401.TRV", Records(3));
    ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
    const std::string before = dir.read("DATA401.TRV");

    ClientTable[2].Name = "Changed";
    ASSERT_TRUE(SaveClientRecord(2).ok());
    std::string after = dir.read("DATA401.TRV");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 235), before.substr(0, 235));
    EXPECT_EQ(after.substr(235, 25), "Changed                  ");
    EXPECT_EQ(after.substr(260), before.substr(260));

    ClientTable[4] = Sample("New One");
    ASSERT_TRUE(SaveClientRecord(4).ok());
    EXPECT_EQ(dir.read("DATA401.TRV").size(), 4 * 235u);

    EXPECT_EQ(SaveClientRecord(0).number, 63);
    EXPECT_EQ(SaveClientRecord(6).number, 63) << "no holes in the file";
}

TEST_F(ClientFileTest, MissingFileOrFolderAfterEstablishingIsDiskNotReady) {
    dir.write("DATA401.TRV", Records(2));
    ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
    std::filesystem::remove(dir.file("DATA401.TRV"));
    EXPECT_EQ(SaveClientRecord(1).number, 71);
    EXPECT_EQ(LoadClientFile().number, 71);
    EXPECT_FALSE(std::filesystem::exists(dir.file("DATA401.TRV"))) << "a save never recreates the file";
    EXPECT_EQ(ClientCount, 2);

    TempDir empty; // no clients yet: the first save must not create a file that has gone either
    ASSERT_TRUE(EstablishClientFile(empty.path()).ok());
    std::filesystem::remove(empty.file("DATA401.TRV"));
    ClientTable[1] = Sample("First");
    EXPECT_EQ(SaveClientRecord(1).number, 71);
    EXPECT_FALSE(std::filesystem::exists(empty.file("DATA401.TRV")));
}

TEST_F(ClientFileTest, EmptyOrRelativeFolderIsABadName) {
    EXPECT_EQ(EstablishClientFile("").number, 52);
    EXPECT_EQ(EstablishClientFile("a:").number, 52);
    EXPECT_EQ(EstablishClientFile(dir.file("nope")).number, 53);
    EXPECT_EQ(EstablishClientFile(dir.file("nope/deeper")).number, 76);
    EXPECT_TRUE(ClientFile.empty());
}

TEST_F(ClientFileTest, ClearCurrentRecordBlanksEveryField) {
    ClientTable[1] = Sample("Someone");
    CurrentClient = 1;
    ClearCurrentRecord();
    EXPECT_EQ(ClientTable[1].ToBytes(), std::string(235, ' '));
}

TEST_F(ClientFileTest, AgeFromBirthDate) {
    SetToday(year_month_day{year{2026}, month{12}, day{6}});
    EXPECT_EQ(AgeFromBirthDate("12/06/1990"), "36");
    EXPECT_EQ(AgeFromBirthDate("12/07/1990"), "36") << "365-day years run slightly ahead";
    EXPECT_EQ(AgeFromBirthDate("12/20/1990"), "35");
    EXPECT_EQ(AgeFromBirthDate("N"), "N");
    EXPECT_EQ(AgeFromBirthDate("13/01/1990"), "N");
    EXPECT_EQ(AgeFromBirthDate("02/30/1990"), "N");
    EXPECT_EQ(AgeFromBirthDate("01/01/2027"), "N");
}

TEST_F(ClientFileTest, CodeTablesArePaddedToTheirWidths) {
    FillCodeTables();
    EXPECT_EQ(GenderNames[2], "Female");
    EXPECT_EQ(RaceNames[5], "Native American");
    EXPECT_EQ(RaceNames[0], "N/A            ");
    EXPECT_EQ(MaritalNames[4], "Separated");
    EXPECT_EQ(MaritalNames[1], "Single   ");
}
