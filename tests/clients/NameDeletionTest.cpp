#include "clients/NameDeletion.h"
#include "clients/ClientFile.h"
#include "clients/ClientInfoRules.h"
#include "support/RegistrationFixture.h"
#include "support/Tmpfs.h"

#include <gtest/gtest.h>

namespace {
std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes)
        s += static_cast<char>(c);
    return s;
}

std::string Scrambled(std::string name) {
    ScrambleName(name);
    return name;
}
} // namespace

TEST(NameDeletionTest, ScrambleFollowsTheOddEvenRuleAndKeepsBytesThatWouldOverflow) {
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

TEST(NameDeletionTest, FailedSaveStopsThereAndRestoresThatSlotInMemory) {
    Tmpfs medium;
    if (!medium.mounted())
        GTEST_SKIP() << medium.why();
    ResetClientFileState();
    NameDeletedNow = 0;
    medium.write("DATA401.TRV", Records({"One", "Two", "Three", "Four"}));
    ASSERT_TRUE(EstablishClientFile(medium.path()).ok());
    const ClientRecord third = ClientTable[3], fourth = ClientTable[4];
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
    std::string table;
    for (int i = 1; i <= ClientCount; ++i)
        table += ClientTable[static_cast<std::size_t>(i)].ToBytes();
    EXPECT_EQ(table, medium.read("DATA401.TRV")) << "memory and file agree";
    EXPECT_EQ(ClientTable[1].NameDeleted.str(), "1");
    EXPECT_EQ(ClientTable[3], third);
    EXPECT_EQ(ClientTable[4], fourth);
    ASSERT_TRUE(medium.SetReadOnly(false));
    ResetClientFileState();
}
