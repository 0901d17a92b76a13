#include "platform/InstalledLayout.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {
// An installed copy: the executable's folder holds only programs, the shared folder the files.
struct Installed {
    Installed() {
        bin.write("tarvos", "program");
        shared.write("TARVOS.MDB", "database");
        shared.write("TRVV3SC.TXT", "scoring");
        fs::create_directory(shared.file("sound"));
    }
    std::string user() const { return home.file("data/tarvos"); }
    TempDir bin, shared, home;
};
} // namespace

TEST(InstalledLayoutTest, AWritableProgramFolderIsUsedAsItIs) {
    TempDir program, home;
    program.write("TARVOS.MDB", "database");
    ProgramFolderChoice choice = ChooseProgramFolder(program.path(), home.file("tarvos"), "/nonexistent");
    EXPECT_EQ(choice.folder, program.path());
    EXPECT_FALSE(fs::exists(home.file("tarvos")));
}

// The first seeding (the database copied, the other shared files linked) is the package test's; a later
// start keeps the user's changes and adds what a newer version ships.
TEST(InstalledLayoutTest, AnInstalledCopyKeepsTheUsersFilesAndAddsNewSharedOnes) {
    Installed in;
    ASSERT_EQ(ChooseProgramFolder(in.bin.path(), in.user(), in.shared.path()).folder, in.user());
    EXPECT_FALSE(fs::exists(in.home.file("data/tarvos/tarvos")));
    in.home.write("data/tarvos/TARVOS.MDB", "positions found");
    in.shared.write("INVAL.TXT", "notice");
    const ProgramFolderChoice choice = ChooseProgramFolder(in.bin.path(), in.user(), in.shared.path());
    ASSERT_EQ(choice.folder, in.user()) << choice.error;
    EXPECT_EQ(in.home.read("data/tarvos/TARVOS.MDB"), "positions found");
    EXPECT_TRUE(fs::is_symlink(in.home.file("data/tarvos/INVAL.TXT")));
}

TEST(InstalledLayoutTest, FailuresNameTheFolderAndWhatToDo) {
    Installed in;
    fs::remove(in.shared.file("TARVOS.MDB"));
    ProgramFolderChoice choice = ChooseProgramFolder(in.bin.path(), in.user(), in.shared.path());
    EXPECT_TRUE(choice.folder.empty());
    EXPECT_NE(choice.error.find(in.shared.file("TARVOS.MDB")), std::string::npos) << choice.error;
    EXPECT_NE(choice.error.find("Install Tarvos again"), std::string::npos) << choice.error;
    EXPECT_FALSE(fs::exists(in.user()));

    in.shared.write("TARVOS.MDB", "database");
    in.home.write("data", "a file where the folder should be");
    choice = ChooseProgramFolder(in.bin.path(), in.user(), in.shared.path());
    EXPECT_TRUE(choice.folder.empty());
    EXPECT_NE(choice.error.find(in.user()), std::string::npos) << choice.error;
}
