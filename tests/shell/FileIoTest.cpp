#include "shell/FileIo.h"

#include "support/TempDir.h"
#include "support/Tmpfs.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
// The names in `folder`, to prove that no temporary file stays behind.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(WriteFileAtomically, ReplacesOnlyRegularFilesAndKeepsTheOldOneOnFailure) {
    TempDir dir;
    // A regular file is replaced whole and keeps its mode; a new one is created.
    dir.write("a.txt", "old");
    ::chmod(dir.file("a.txt").c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(dir.file("a.txt"), "new").ok());
    EXPECT_EQ(dir.read("a.txt"), "new");
    EXPECT_EQ(fs::status(dir.file("a.txt")).permissions(), fs::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(dir.file("b.txt"), "fresh").ok());
    EXPECT_EQ(dir.read("b.txt"), "fresh");

    // A link stays a link; the file it points to takes the bytes.
    fs::create_symlink("a.txt", dir.file("link"));
    ASSERT_TRUE(WriteFileAtomically(dir.file("link"), "through").ok());
    EXPECT_TRUE(fs::is_symlink(dir.file("link")));
    EXPECT_EQ(dir.read("a.txt"), "through");
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"a.txt", "b.txt", "link"}));

    // A temporary file of a writer that is gone is removed; a live process's, another file's and a
    // name of another form stay. No pid is as large as 2147483646.
    for (const char* name :
         {"a.txt.tmp2147483646-0", "a.txt.tmp1-0", "b.txt.tmp2147483646-0", "a.txt.tmp2147483646-0~"})
        dir.write(name, "left");
    ASSERT_TRUE(WriteFileAtomically(dir.file("a.txt"), "swept").ok());
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"a.txt", "a.txt.tmp1-0", "a.txt.tmp2147483646-0~",
                                                           "b.txt", "b.txt.tmp2147483646-0", "link"}));

    // A device stays a device.
    ASSERT_TRUE(WriteFileAtomically("/dev/null", "discarded").ok());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    // A missing folder and an empty name fail with their numbers.
    EXPECT_EQ(WriteFileAtomically(dir.file("gone/x.txt"), "x").number, 76);
    EXPECT_EQ(WriteFileAtomically("", "x").number, 52);

    // A full medium: the old file stays whole and no temporary file remains.
    Tmpfs medium(64);
    if (!medium.mounted())
        GTEST_SKIP() << "skipped: full medium, " << medium.why();
    medium.write("REPORT.PRN", "the old report");
    medium.Fill();
    const FileError err = WriteFileAtomically(medium.file("REPORT.PRN"), std::string(128 * 1024, 'x'));
    EXPECT_EQ(err.number, 61);
    EXPECT_EQ(err.path, medium.file("REPORT.PRN"));
    EXPECT_EQ(medium.read("REPORT.PRN"), "the old report");
    EXPECT_EQ(Names(medium.path()), (std::vector<std::string>{"REPORT.PRN", "filler"}));
}
