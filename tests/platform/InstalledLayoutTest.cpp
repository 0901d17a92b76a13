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

TEST(InstalledLayoutTest, AnInstalledCopyUsesTheUsersFolderSeededFromTheSharedFiles) {
    Installed in;
    ProgramFolderChoice choice = ChooseProgramFolder(in.bin.path(), in.user(), in.shared.path());
    ASSERT_EQ(choice.folder, in.user()) << choice.error;
    const fs::path user(in.user());
    // What the program writes is the user's own copy; what it only reads is read in place.
    EXPECT_FALSE(fs::is_symlink(user / "TARVOS.MDB"));
    EXPECT_EQ(in.home.read("data/tarvos/TARVOS.MDB"), "database");
    for (const char* name : {"TRVV3SC.TXT", "sound"}) {
        ASSERT_TRUE(fs::is_symlink(user / name)) << name;
        EXPECT_EQ(fs::read_symlink(user / name), fs::path(in.shared.file(name))) << name;
    }
    EXPECT_FALSE(fs::exists(user / "tarvos"));
    EXPECT_EQ(std::distance(fs::directory_iterator(in.shared.path()), fs::directory_iterator()), 3);

    // A later start keeps the user's changes and adds what a newer version ships.
    in.home.write("data/tarvos/TARVOS.MDB", "positions found");
    in.shared.write("INVAL.TXT", "notice");
    choice = ChooseProgramFolder(in.bin.path(), in.user(), in.shared.path());
    ASSERT_EQ(choice.folder, in.user()) << choice.error;
    EXPECT_EQ(in.home.read("data/tarvos/TARVOS.MDB"), "positions found");
    EXPECT_TRUE(fs::is_symlink(user / "INVAL.TXT"));
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
