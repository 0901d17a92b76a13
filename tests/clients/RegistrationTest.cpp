#include "clients/Registration.h"
#include "clients/ClientFile.h"
#include "support/RegistrationFixture.h"

#include <filesystem>

namespace {
class RegistrationTest : public RegistrationWindowTest {};
} // namespace

TEST_F(RegistrationTest, UnreadableOrUnwritableFileChangesNeitherMemoryNorCount) {
    UseClients({SampleClient("One"), SampleClient("Two")});
    std::filesystem::remove(data.file("DATA401.TRV"));
    ClientTable[2].Name = "Kept";
    EXPECT_EQ(RestoreClientFromFile(2).number, 71);
    EXPECT_EQ(ClientTable[2].Name.trimmed(), "Kept") << "a failed reload leaves memory as it was";

    CurrentClient = 3;
    ClientTable[3] = SampleClient("Three");
    EXPECT_EQ(StoreClientAnswers(std::string(149, '2'), true).number, 71);
    EXPECT_EQ(ClientCount, 2) << "a client whose record was not written is not counted in";
    EXPECT_FALSE(DataDiskFull());
}
