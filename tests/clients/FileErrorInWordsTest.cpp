// Failures told in words: each names the file or disk and says what to do; an over-full client file
// is told apart from a file that is no client file at all, by its size.
#include "clients/FileErrorInWords.h"
#include "clients/ClientFile.h"
#include "support/RegistrationFixture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

TEST(FileErrorInWordsTest, NamesTheFileAndWhatToDo) {
    TempDir dir;
    dir.write("full.trv", ManyRecords(52));
    std::string noise(30000, '\0');
    std::mt19937 random(7);
    for (char& c : noise)
        c = static_cast<char>(random());
    dir.write("noise.trv", noise);
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);

    struct Case {
        std::string path;
        int number;
        std::string expected;
    };
    const Case cases[] = {
        {dir.file("full.trv"), 9,
         dir.file("full.trv") +
             " holds 52 client records (12220 bytes), but one data disk holds at most 51: keep "
             "the first 51 (its first 11985 bytes) there and move the other records to the "
             "client file of another disk folder."},
        {dir.file("noise.trv"), 9,
         dir.file("noise.trv") +
             " (30000 bytes) is not a client file: move it out of the data folder or choose another folder."},
        {dir.path(), 52,
         dir.path() + " is a folder, not a file: give the path of a file in it (such as DATA401.TRV)."},
        {dir.file("pipe"), 52,
         dir.file("pipe") + " is not a regular file (a device, pipe or socket): give the path of a file."},
        {"/media/usb/DATA401.TRV", 71,
         "The disk holding /media/usb/DATA401.TRV is not ready; it may have been removed: insert it again "
         "and try "
         "once more."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileErrorInWords(MakeFileError(c.number, c.path)), c.expected) << c.number << " " << c.path;
}

TEST(FileErrorInWordsTest, ClientFileThatIsNoRegularFileFailsAtOnce) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    ClientSlots table{};
    int16_t count = 0;
    for (const std::string& path : {dir.file("pipe"), dir.path()}) // a pipe without writer must not hang
        EXPECT_EQ(ReadClientFile(path, table, count).number, 52) << path;
}
