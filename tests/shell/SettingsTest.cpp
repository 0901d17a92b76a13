#include "shell/Settings.h"
#include "shell/Profile.h"
#include "shell/ProgramFolder.h"
#include "support/ProgramState.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        SetProgramFolder(dir.path());
    }
    void TearDown() override { ResetProgramState(); }
    std::string Ini() const { return dir.read("trvtest.ini"); }
    TempDir dir;
};
} // namespace

TEST_F(SettingsTest, MissingOrEmptyFileGivesTheDefaults) {
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_TRUE(ReadNumLockSetting());
        EXPECT_TRUE(ReadPrintDOSSetting());
        EXPECT_EQ(ReadFilePathSetting(), "a:");
        EXPECT_EQ(GetINISndPath(), dir.path());
        EXPECT_EQ(ReadPublisherCode(), "m");
        dir.write("trvtest.ini", "");
    }
    EXPECT_EQ(Ini(), ""); // reading never writes
}

TEST_F(SettingsTest, FlagsCompareTheFirstThreeCharactersExactly) {
    const std::pair<const char*, bool> cases[] = {
        {"True", true},  {"Truth", true},    {"TRUE", false},
        {"true", false}, {"False", false},   {"Tr", false},
        {"", false},     {"  True  ", true}, {"Truexxxxxxxxxxxxxxxxxxxxxxx", true}};
    for (const auto& [value, expected] : cases) {
        dir.write("trvtest.ini",
                  std::string("[Settings]\r\nNumLock=") + value + "\r\nPrintDOS=" + value + "\r\n");
        EXPECT_EQ(ReadNumLockSetting(), expected) << value;
        EXPECT_EQ(ReadPrintDOSSetting(), expected) << value;
    }
}

TEST_F(SettingsTest, ProfileLookupRules) {
    const std::string ini = dir.file("trvtest.ini");
    dir.write("trvtest.ini", "; comment=x\n"
                             "junk line without equals\r\n"
                             "[  pATH ]\n"
                             "  FILEPATH  =   /media/usb  \r\n"
                             "filepath=/second\n"
                             "quoted=\"  spaced  \"\n"
                             "[Other]\n"
                             "SndPath=/other\n"
                             "[Path\n"
                             "SndPath=/still/other\n"
                             "[path]\n"
                             "SndPath=/snd\n"
                             "Long=ABCDEFGHIJKLMNOP");
    EXPECT_EQ(ReadFilePathSetting(), "/media/usb");
    EXPECT_EQ(GetINISndPath(), "/snd");
    EXPECT_EQ(GetPrivateProfileString("Path", "quoted", "", 50, ini), "  spaced  ");
    EXPECT_EQ(GetPrivateProfileString("Path", "Long", "", 10, ini), "ABCDEFGHI");
    EXPECT_EQ(GetPrivateProfileString("Path", "Long", "", 1, ini), "");
    EXPECT_EQ(GetPrivateProfileString("Path", "Long", "", 0, ini), "");
    EXPECT_EQ(GetPrivateProfileString("Path", "comment", "d", 10, ini), "d");
    EXPECT_EQ(GetPrivateProfileString("Nowhere", "x", "default   ", 50, ini), "default");
    EXPECT_EQ(GetPrivateProfileString("Path", "x", "0123456789AB", 5, ini), "0123");

    // Binary garbage neither crashes nor yields a key.
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    dir.write("trvtest.ini", garbage);
    EXPECT_EQ(ReadFilePathSetting(), "a:");
    // A value far longer than any buffer keeps its start.
    dir.write("trvtest.ini", "[Path]\nFilePath=/" + std::string(10000, 'x') + "\n");
    EXPECT_EQ(ReadFilePathSetting().size(), 4095u);
}

TEST_F(SettingsTest, WritingCreatesTheFileAndKeepsEverythingElse) {
    ASSERT_TRUE(SaveNumLockSetting(false).ok());
    EXPECT_EQ(Ini(), "[Settings]\r\nNumLock=False\r\n");
    EXPECT_FALSE(ReadNumLockSetting());

    dir.write("trvtest.ini", "; kept\n[settings]\nnumlock = True\nOther=1\n\n[Path]\nFilePath=/old\n");
    ASSERT_TRUE(SaveNumLockSetting(false).ok());
    ASSERT_TRUE(SavePrintDOSSetting(false).ok());
    ASSERT_TRUE(SaveFilePathSetting("/media/new disk").ok());
    ASSERT_TRUE(WriteSystemDBSetting().ok());
    EXPECT_EQ(
        Ini(),
        "; kept\n[settings]\nNumLock=False\nOther=1\nPrintDOS=False\r\n\n[Path]\nFilePath=/media/new disk\n"
        "[Options]\r\nSystemDB=" +
            dir.file("mokltd.mda") + "\r\n");
    EXPECT_EQ(ReadFilePathSetting(), "/media/new disk");
    EXPECT_TRUE(SaveNumLockSetting(true).ok());
    EXPECT_TRUE(ReadNumLockSetting());

    // Writing what the file already says leaves it untouched (every start writes SystemDB).
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24);
    std::filesystem::last_write_time(dir.file("trvtest.ini"), old);
    ASSERT_TRUE(WriteSystemDBSetting().ok());
    ASSERT_TRUE(SaveNumLockSetting(true).ok());
    EXPECT_EQ(std::filesystem::last_write_time(dir.file("trvtest.ini")), old);

    // A last line without its line end gets one before anything is added.
    dir.write("trvtest.ini", "[A]\nx=1");
    ASSERT_TRUE(WritePrivateProfileString("B", "y", "2", dir.file("trvtest.ini")).ok());
    EXPECT_EQ(Ini(), "[A]\nx=1\r\n[B]\r\ny=2\r\n");
}

TEST_F(SettingsTest, AWriteThatCannotHappenReportsIt) {
    const std::string missingFolder = dir.file("gone/trvtest.ini");
    EXPECT_EQ(WritePrivateProfileString("A", "b", "c", missingFolder).number, 76);
    const std::string isFolder = dir.path();
    EXPECT_NE(WritePrivateProfileString("A", "b", "c", isFolder).number, 0);
}
