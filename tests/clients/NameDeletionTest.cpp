#include "clients/NameDeletion.h"
#include "clients/ClientFile.h"
#include "clients/ClientInfoRules.h"
#include "support/RegistrationFixture.h"
#include "support/TempDir.h"
#include "support/Tmpfs.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {
std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes)
        s += static_cast<char>(c);
    return s;
}

ClientRecord Client(const std::string& name, const char* deleted) {
    ClientRecord r = SampleClient("x");
    r.Name = name;
    r.NameDeleted = deleted;
    return r;
}

std::string FileOf(const std::vector<ClientRecord>& clients) {
    std::string bytes;
    for (const auto& c : clients)
        bytes += c.ToBytes();
    return bytes;
}

class NameDeletionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetClientFileState();
        NameDeletedNow = 0;
    }
    void TearDown() override { ResetClientFileState(); }
    void Use(const std::string& folder, const std::vector<ClientRecord>& clients) {
        std::ofstream(folder + "/DATA401.TRV", std::ios::binary) << FileOf(clients);
        ASSERT_TRUE(EstablishClientFile(folder).ok());
    }
    std::string TableBytes() const {
        std::string bytes;
        for (int i = 1; i <= ClientCount; ++i)
            bytes += ClientTable[static_cast<std::size_t>(i)].ToBytes();
        return bytes;
    }
    static std::string Scrambled(std::string name) {
        ScrambleName(name);
        return name;
    }
};
} // namespace

TEST_F(NameDeletionTest, ScrambleFollowsTheOddEvenRuleAndKeepsBytesThatWouldOverflow) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Ab E", "Di H"},                                 // 65 odd +3, 98 even +7, blank stays
        {"ab", "di"},                                     // 97 -> 100, 98 -> 105
        {"   ", "   "},                                   // blanks only
        {Bytes({248, 249, 251}), Bytes({255, 252, 254})}, // the last codes that still fit
        {Bytes({250, 252, 253, 254, 255}), Bytes({250, 252, 253, 254, 255})},
        {Bytes({0x81, 0xE9}), Bytes({0x84, 0xEC})},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(Scrambled(in), out) << in;
}

TEST_F(NameDeletionTest, FailedSaveStopsThereAndRestoresThatSlotInMemory) {
    Tmpfs medium;
    if (!medium.mounted())
        GTEST_SKIP() << medium.why();
    const std::vector<ClientRecord> clients = {Client("One", "0"), Client("Two", "0"), Client("Three", "0"),
                                               Client("Four", "0")};
    Use(medium.path(), clients);
    bool remounted = false;
    const NameDeletionResult result = DeleteClientNames([&](int slot) {
        if (slot == 2)
            remounted = medium.SetReadOnly(true);
    });
    ASSERT_TRUE(remounted);
    EXPECT_EQ(result.deleted, 2);
    EXPECT_EQ(NameDeletedNow, 1);
    EXPECT_EQ(result.failedSlot, 3);
    EXPECT_EQ(result.saveError.number, 70);
    std::ifstream in(medium.file("DATA401.TRV"), std::ios::binary);
    const std::string onDisk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(TableBytes(), onDisk) << "memory and file agree";
    EXPECT_EQ(ClientTable[1].NameDeleted.str(), "1");
    EXPECT_EQ(ClientTable[3], clients[2]);
    EXPECT_EQ(ClientTable[4], clients[3]);
    ASSERT_TRUE(medium.SetReadOnly(false));
}
