#pragma once
// Shared set-up of the supervisor windows' tests: a data folder with clients, a program folder with
// the scoring data files and a question database, a recording printer, every message answered.
#include "clients/ClientFile.h"
#include "platform/CupsPrinter.h"
#include "scoring/ReportOptions.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "support/FakeReportPrinter.h"
#include "support/ProgramState.h"
#include "support/RegistrationFixture.h"

#include <QtTest/QTest>
#include <filesystem>

class SupervisorTest : public RegistrationWindowTest {
protected:
    void SetUp() override {
        RegistrationWindowTest::SetUp();
        namespace fs = std::filesystem;
        for (const auto& f :
             fs::directory_iterator(std::string(TARVOS_SOURCE_DIR) + "/tests/scoring/data/base"))
            fs::copy_file(f.path(), fs::path(program.path()) / f.path().filename());
        SetProgramFolder(program.path());
        QuestionDatabasePath = program.file("TARVOS.MDB");
        // Section 3 items have four answers, except item 141 with five.
        WriteItemDatabase(QuestionDatabasePath, [](int item) {
            return std::string(item <= 108   ? "False"
                               : item <= 139 ? "Sometimes"
                               : item == 141 ? "Mostly True"
                                             : "2");
        });
        printer = Install(SetProgramReportPrinter, std::make_unique<FakeReportPrinter>());
        PrintToDosPort = false;
        SummaryReport = false;
    }
    void TearDown() override {
        SetProgramFolder("");
        SummaryReport = false;
        RegistrationWindowTest::TearDown();
    }
    // A client whose answers give a full report of several pages.
    static ClientRecord ReportClient(const std::string& name) {
        ClientRecord r = SampleClient(name);
        r.Responses = std::string(149, '2');
        return r;
    }
    // `n` such clients named "Client 1" ...
    void UseSampleClients(int n) {
        std::vector<ClientRecord> clients;
        for (int i = 1; i <= n; ++i)
            clients.push_back(ReportClient("Client " + std::to_string(i)));
        UseClients(clients);
    }

    TempDir program;
    FakeReportPrinter* printer = nullptr;
};
