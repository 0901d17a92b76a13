#pragma once
// The onscreen test's window tests: a program folder with a question database and voice files of both
// languages, a recording sound output, and a client file.
#include "shell/RunState.h"
#include "support/FakeAudioDevice.h"
#include "support/RegistrationFixture.h"
#include "support/TempDir.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>
#include <vector>

inline std::string Num(int n) {
    char s[16];
    std::snprintf(s, sizeof s, "%03d", n);
    return s;
}

// Item tables `tables` of `items` records: section 1 True/False, then four answers; voices Q001..,
// answers A1..A4.
inline void WriteLanguages(const std::string& file, const std::vector<std::string>& tables, int items = 149) {
    std::string sql = "BEGIN; CREATE TABLE ScanItem (LocationName TEXT);";
    for (const std::string& table : tables) {
        sql +=
            "CREATE TABLE " + table +
            " (ID INTEGER, TestQuestion TEXT, QuestionAudio TEXT, ANSWER1 TEXT, ANSWER2 TEXT, ANSWER3 TEXT, "
            "ANSWER4 TEXT, ANSWER5 TEXT, ChoiceAudio1 TEXT, ChoiceAudio2 TEXT, ChoiceAudio3 TEXT, "
            "ChoiceAudio4 TEXT, ChoiceAudio5 TEXT);";
        for (int i = 1; i <= items; ++i)
            sql += "INSERT INTO " + table + " VALUES (" + std::to_string(i) + ", '" + table + " item " +
                   std::to_string(i) + "', 'Q" + Num(i) + "', 'One', 'Two', " +
                   (i <= 108 ? "NULL, NULL" : "'Three', 'Four'") + ", NULL, 'A1', 'A2', 'A3', 'A4', NULL);";
    }
    sql += "COMMIT;";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

// Voice files of both languages: item 2 has none, item 3 a text file named .wav.
class OnscreenTest : public RegistrationWindowTest {
protected:
    void SetUp() override {
        RegistrationWindowTest::SetUp();
        QuestionDatabasePath = program.file("TARVOS.MDB");
        SoundPath = program.path();
        for (const char* language : {"English", "Spanish"}) {
            const std::string folder = std::string("TARVOS/sound/") + language + "/";
            std::filesystem::create_directories(program.file(folder));
            for (const char* name : {"Inst0", "Inst1", "Inst2", "Inst3", "A1", "A2", "A3", "A4"})
                program.write(folder + name + ".wav", SilentWave());
            for (int i = 1; i <= 149; ++i)
                if (i != 2)
                    program.write(folder + "Q" + Num(i) + ".wav", i == 3 ? "not a sound" : SilentWave());
        }
        SetAudioDeviceFactory(Lend(device));
    }
    void TearDown() override {
        SetAudioDeviceFactory({});
        RegistrationWindowTest::TearDown();
    }

    TempDir program;
    FakeAudioDevice device;
    std::string before; // the client file before the test window
};
