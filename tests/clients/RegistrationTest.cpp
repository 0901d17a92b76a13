#include "clients/Registration.h"
#include "clients/ClientFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
ClientRecord Named(const std::string& name) {
    ClientRecord r;
    r.Name = name;
    r.Responses = std::string(149, '0');
    r.EditCount = "0";
    r.NameDeleted = "0";
    return r;
}

class RegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetClientFileState();
        dir.write("DATA401.TRV", Named("One").ToBytes() + Named("Two").ToBytes());
        ASSERT_TRUE(EstablishClientFile(dir.path()).ok());
    }
    void TearDown() override { ResetClientFileState(); }
    TempDir dir;
};
} // namespace

TEST_F(RegistrationTest, RestoreDiscardsAbandonedChangesInMemoryOnly) {
    const std::string before = dir.read("DATA401.TRV");
    ClientTable[2].Name = "Changed";
    ClientTable[2].CourtHistory[0] = "17";
    ClientTable[1].Name = "Other change";
    ASSERT_TRUE(RestoreClientFromFile(2).ok());
    EXPECT_EQ(ClientTable[2], Named("Two"));
    EXPECT_EQ(ClientTable[1].Name.trimmed(), "Other change") << "only the one slot is reloaded";
    EXPECT_EQ(dir.read("DATA401.TRV"), before);

    std::filesystem::remove(dir.file("DATA401.TRV"));
    ClientTable[2].Name = "Kept";
    EXPECT_FALSE(RestoreClientFromFile(2).ok());
    EXPECT_EQ(ClientTable[2].Name.trimmed(), "Kept");
}

TEST_F(RegistrationTest, StoringANewClientAppendsOneRecordAndCountsItIn) {
    CurrentClient = 3;
    ClientTable[3] = Named("Three");
    ASSERT_TRUE(StoreClientAnswers(std::string(149, '2'), true).ok());
    EXPECT_EQ(ClientCount, 3);
    const std::string bytes = dir.read("DATA401.TRV");
    ASSERT_EQ(bytes.size(), 3 * 235u);
    EXPECT_EQ(bytes.substr(2 * 235 + 84, 149), std::string(149, '2'));

    CurrentClient = 1;
    ASSERT_TRUE(StoreClientAnswers(std::string(149, '1'), false).ok());
    EXPECT_EQ(ClientCount, 3);
    EXPECT_EQ(dir.read("DATA401.TRV").substr(84, 149), std::string(149, '1'));
}

TEST_F(RegistrationTest, AFailedWriteCountsNobodyIn) {
    std::filesystem::remove(dir.file("DATA401.TRV"));
    CurrentClient = 3;
    ClientTable[3] = Named("Three");
    EXPECT_EQ(StoreClientAnswers(std::string(149, '2'), true).number, 71);
    EXPECT_EQ(ClientCount, 2);
}

TEST_F(RegistrationTest, AbandoningBlanksTheNewSlotAndRestoresTheCurrentClient) {
    CurrentClient = 3;
    ClientTable[3] = Named("Half done");
    AbandonNewClient(2);
    EXPECT_EQ(ClientTable[3], ClientRecord{});
    EXPECT_EQ(CurrentClient, 2);
    EXPECT_EQ(ClientCount, 2);
    EXPECT_FALSE(DataDiskFull());
    ClientCount = 51;
    EXPECT_TRUE(DataDiskFull());
}
