#include "clients/ClientFile.h"
#include "shell/Clock.h"
#include "support/ProgramState.h"
#include "support/RegistrationFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {
class ClientFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
    TempDir dir;
};
} // namespace

TEST_F(ClientFileTest, RecordLayoutHasExactOffsetsAndEveryByteRoundTrips) {
    const std::string bytes = SampleClient("Ann Lee").ToBytes();
    EXPECT_EQ(bytes, "Ann Lee                  123-45-6789"
                     "34 13122"
                     "04/17/1992"
                     "11/02/2026"
                     "172 1 0 4 1 0 2 1 6 " +
                         std::string(149, '1') + "00");
    EXPECT_EQ(ClientRecord::FromBytes(bytes), SampleClient("Ann Lee"));
    ClientRecord r;
    r.Name = std::string("\x81\x9d\xff name that is far too long");
    EXPECT_EQ(r.Name.str().size(), 25u);
    EXPECT_EQ(ClientRecord::FromBytes(r.ToBytes()).Name, r.Name);
    CurrentClient = 1;
    ClientTable[1] = r;
    ClearCurrentRecord();
    EXPECT_EQ(ClientTable[1].ToBytes(), std::string(235, ' '));
}

TEST_F(ClientFileTest, EstablishCreatesAnEmptyFileAndRefusesBadFolders) {
    EXPECT_EQ(EstablishClientFile("").number, 52);
    EXPECT_EQ(EstablishClientFile("a:").number, 52);
    EXPECT_EQ(EstablishClientFile(dir.file("nope")).number, 53);
    EXPECT_EQ(EstablishClientFile(dir.file("nope/deeper")).number, 76);
    EXPECT_TRUE(ClientFile.empty());
    ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
    EXPECT_EQ(ClientCount + CurrentClient, 0);
    EXPECT_EQ(ClientFile, dir.file("DATA401.TRV"));
    EXPECT_EQ(dir.read("DATA401.TRV"), "");
}

TEST_F(ClientFileTest, CountRoundsAPartialRecordToNearestAndFiftyOneLoad) {
    for (auto [extra, expected] : {std::pair{118, 3}, std::pair{117, 2}, std::pair{0, 2}}) {
        dir.write("DATA401.TRV", ManyRecords(2) + std::string(static_cast<std::size_t>(extra), 'x'));
        const std::string before = dir.read("DATA401.TRV");
        ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
        EXPECT_EQ(ClientCount, expected) << extra;
        EXPECT_EQ(CurrentClient, 1);
        EXPECT_EQ(dir.read("DATA401.TRV"), before) << "loading must never write";
    }
    EXPECT_EQ(ClientTable[3].Name.str(), std::string(25, ' ')) << "missing bytes read as blanks";
    dir.write("DATA401.TRV", ManyRecords(51));
    ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
    EXPECT_EQ(ClientCount, 51);
    EXPECT_EQ(ClientTable[51].Name.trimmed(), "Client 51");
}

TEST_F(ClientFileTest, SaveExtendsByOneRecordAndRewritesOnlyItsOwn) {
    dir.write("DATA401.TRV", ManyRecords(3));
    ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
    const std::string before = dir.read("DATA401.TRV");

    ClientTable[2].Name = "Changed";
    ClientTable[1].Name = "Not saved"; // the other records are kept as the file holds them
    ASSERT_TRUE(SaveClientRecord(2).ok());
    std::string after = dir.read("DATA401.TRV");
    EXPECT_EQ(after, before.substr(0, 235) + "Changed" + std::string(18, ' ') + before.substr(260));

    ClientTable[4] = SampleClient("New One");
    ASSERT_TRUE(SaveClientRecord(4).ok());
    EXPECT_EQ(dir.read("DATA401.TRV").size(), 4 * 235u);
    EXPECT_EQ(SaveClientRecord(0).number, 63);
    EXPECT_EQ(SaveClientRecord(6).number, 63) << "no holes in the file";
    dir.write("DATA401.TRV", before.substr(0, 300)); // cut short since: blanks fill up to the record
    ASSERT_TRUE(SaveClientRecord(4).ok());
    EXPECT_EQ(dir.read("DATA401.TRV"),
              before.substr(0, 300) + std::string(405, ' ') + ClientTable[4].ToBytes());

    std::filesystem::remove(dir.file("DATA401.TRV"));
    EXPECT_EQ(SaveClientRecord(1).number, 71);
    EXPECT_EQ(LoadClientFile().number, 71);
    EXPECT_FALSE(std::filesystem::exists(dir.file("DATA401.TRV"))) << "a save never recreates the file";
    EXPECT_EQ(ClientCount, 3);

    TempDir empty; // no clients yet: the first save must not create a file that has gone either
    ASSERT_TRUE(EstablishClientFile(empty.path()).ok());
    std::filesystem::remove(empty.file("DATA401.TRV"));
    ClientTable[1] = SampleClient("First");
    EXPECT_EQ(SaveClientRecord(1).number, 71);
    EXPECT_FALSE(std::filesystem::exists(empty.file("DATA401.TRV")));
}

TEST_F(ClientFileTest, AgeFromBirthDate) {
    SetToday(year_month_day{year{2026}, month{12}, day{6}});
    // Completed years: one less until the birthday of this year has come.
    const std::pair<const char*, const char*> ages[] = {
        {"12/06/1990", "36"}, {"12/07/1990", "35"}, {"12/20/1990", "35"}, {"11/21/1966", "60"},
        {"12/07/1966", "59"}, {"12/06/2026", "0"},  {"02/29/1964", "62"},
    };
    for (const auto& [birth, age] : ages)
        EXPECT_EQ(AgeFromBirthDate(birth), age) << birth;
    SetToday(year_month_day{year{2025}, month{2}, day{28}});
    EXPECT_EQ(AgeFromBirthDate("02/29/1964"), "60") << "a 29 February birthday comes on 1 March";
    for (const char* bad : {"N", "13/01/1990", "02/30/1990", "01/01/2027"})
        EXPECT_EQ(AgeFromBirthDate(bad), "N") << bad;
}
