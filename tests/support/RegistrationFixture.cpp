#include "support/RegistrationFixture.h"

#include "clients/ClientFile.h"
#include "shell/Clock.h"
#include "shell/qt/WindowHelpers.h"
#include "support/ModalHelper.h"
#include "support/ProgramState.h"

#include <sqlite3.h>

void WriteItemDatabase(const std::string& file, const std::function<std::string(int)>& answer2) {
    std::string sql =
        "BEGIN; CREATE TABLE English (ID INTEGER, TestQuestion TEXT, QuestionAudio TEXT, ANSWER1 "
        "TEXT, ANSWER2 TEXT, ANSWER3 TEXT, ANSWER4 TEXT, ANSWER5 TEXT, ChoiceAudio1 TEXT, "
        "ChoiceAudio2 TEXT, ChoiceAudio3 TEXT, ChoiceAudio4 TEXT, ChoiceAudio5 TEXT);";
    for (int i = 1; i <= 149; ++i)
        sql += "INSERT INTO English VALUES (" + std::to_string(i) + ", 'Item', NULL, 'One', '" + answer2(i) +
               "', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);";
    sql += "COMMIT;";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

QString FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void TypeEnter(const QString& text) {
    TypeToFocus(text);
    KeyToFocus(Qt::Key_Return);
}

ClientRecord SampleClient(const std::string& name) {
    ClientRecord r;
    r.Name = name;
    r.SSN = "123-45-6789";
    r.Age = "34";
    r.Gender = "1";
    r.Race = "3";
    r.Education = "12";
    r.Marital = "2";
    r.DateOfBirth = "04/17/1992";
    r.TestDate = "11/02/2026";
    const char* court[] = {"17", "2", "1", "0", "4", "1", "0", "2", "1", "6"};
    for (std::size_t k = 0; k < r.CourtHistory.size(); ++k)
        r.CourtHistory[k] = court[k];
    r.Responses = std::string(149, '1');
    r.EditCount = "0";
    r.NameDeleted = "0";
    return r;
}

std::string Records(const std::vector<std::string>& names) {
    std::string bytes;
    for (const auto& n : names)
        bytes += SampleClient(n).ToBytes();
    return bytes;
}

std::string ManyRecords(int n) {
    std::string bytes;
    for (int i = 1; i <= n; ++i)
        bytes += Records({"Client " + std::to_string(i)});
    return bytes;
}

void RegistrationWindowTest::SetUp() {
    ResetProgramState();
    FillCodeTables();
    SetSectionBounds();
    SetToday(
        std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::December, std::chrono::day{6}});
    SetMsgBoxResponder([this](const MsgBoxCall& call) {
        messages.push_back(call);
        return vbOK;
    });
    UseClients({});
}

void RegistrationWindowTest::TearDown() {
    CloseAllModals();
    SetMsgBoxResponder({});
    ResetProgramState();
}

void RegistrationWindowTest::UseClients(const std::vector<ClientRecord>& clients) {
    std::string bytes;
    for (const auto& c : clients)
        bytes += c.ToBytes();
    data.write("DATA401.TRV", bytes);
    ASSERT_TRUE(EstablishClientFile(data.path()).ok());
}

std::string RegistrationWindowTest::FileBytes() const {
    return data.read("DATA401.TRV");
}
