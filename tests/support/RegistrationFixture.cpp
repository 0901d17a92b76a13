#include "support/RegistrationFixture.h"

#include "clients/ClientFile.h"
#include "shell/Clock.h"
#include "shell/RunState.h"
#include "shell/qt/WindowHelpers.h"
#include "support/ModalHelper.h"

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

void RegistrationWindowTest::SetUp() {
    ResetClientFileState();
    ClearRunState();
    FillCodeTables();
    SetSectionBounds();
    SetToday(
        std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::December, std::chrono::day{6}});
    ResetBeepCount();
    SetMsgBoxResponder([this](const MsgBoxCall& call) {
        messages.push_back(call);
        return vbOK;
    });
    UseClients({});
}

void RegistrationWindowTest::TearDown() {
    CloseAllModals();
    SetMsgBoxResponder({});
    SetToday(std::nullopt);
    ResetClientFileState();
    ClearRunState();
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

std::vector<QString> RegistrationWindowTest::MessageTexts() const {
    std::vector<QString> texts;
    for (const auto& m : messages)
        texts.push_back(m.text);
    return texts;
}
