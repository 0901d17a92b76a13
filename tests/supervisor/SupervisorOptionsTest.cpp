#include "SupervisorFixture.h"
#include "clients/qt/DelNames.h"
#include "scoring/qt/frmViewReport.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/frmMyInputBox.h"
#include "supervisor/qt/frmSupervisorOptions.h"
#include "support/ModalHelper.h"
#include "support/Tmpfs.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <tuple>

namespace {

class SupervisorOptionsTest : public SupervisorTest {};
} // namespace

TEST_F(SupervisorOptionsTest, AnEmptyDiskSendsTheUserBackAtOnce) {
    frmSupervisorOptions window;
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], (MsgBoxCall{"There are no clients on this data disk.\rReturning to main menu.",
                                       vbOKOnly | vbInformation, "Empty Data Disk"}));
}

// The client line names the current client, or all clients on the delete-names tab; a tab shows its
// help line, and moving back by keyboard leaves no button's line behind: each control shows its own.
TEST_F(SupervisorOptionsTest, TabsShowTheCurrentClientAndEachControlsOwnStatusLine) {
    UseSampleClients(2);
    CurrentClient = 2;
    frmSupervisorOptions window;
    WhenModal<frmSupervisorOptions>([](frmSupervisorOptions* f) {
        QTabWidget* tabs = f->sstSupervisorOperations;
        EXPECT_EQ(f->lblNameDisplay->text(), "Client 2                 ");
        tabs->setCurrentIndex(2);
        EXPECT_EQ(f->lblNameDisplay->text(), "All Clients");
        EXPECT_EQ(f->msgPanel->text(), "Click Execute to perform delete names operation.");
        tabs->setCurrentIndex(1);
        EXPECT_EQ(f->lblNameDisplay->text(), "Client 2                 ");
        tabs->setCurrentIndex(0);
        f->cmdMenuChoice[1]->setFocus();
        for (const auto& [tab, control, line] :
             {std::tuple{0, static_cast<QWidget*>(f->chkSumPage),
                         "Press Space to add or remove the one-page summary on each report."},
              std::tuple{0, static_cast<QWidget*>(tabs->tabBar()), ""},
              std::tuple{1, static_cast<QWidget*>(f->cmdMenuChoice[0]), "Perform the selected operation."},
              std::tuple{1, static_cast<QWidget*>(tabs->tabBar()),
                         "Click Execute to perform data verification."}}) {
            tabs->setCurrentIndex(tab);
            control->setFocus(Qt::BacktabFocusReason);
            EXPECT_EQ(f->msgPanel->text(), line) << control->objectName().toStdString();
        }
        f->cmdMenuChoice[1]->setFocus();
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_TRUE(messages.empty());
}

// The prompt's own rules (a wrong code asks again, each prompt starts empty) are SecretCodeTest's.
TEST_F(SupervisorOptionsTest, NoReportWithoutTheSecretCode) {
    UseSampleClients(1);
    frmSupervisorOptions window;
    WhenModal<frmSupervisorOptions>([&](frmSupervisorOptions* f) {
        WhenModal<frmMyInputBox>([&](frmMyInputBox* box) { box->close(); });
        f->cmdMenuChoice[0]->setFocus();
        KeyToFocus(Qt::Key_Return);
    });
    QTimer::singleShot(3000, &window, [] { CloseAllModals(); }); // a report window opened by mistake
    window.exec();
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(std::filesystem::exists(program.file("REPORT.PRN"))) << "no report was made";
    EXPECT_TRUE(printer->jobs.empty());
}

TEST_F(SupervisorOptionsTest, LowerCaseCodeOpensTheReportWithTheSummaryWhileTheBoxIsTicked) {
    UseSampleClients(2);
    CurrentClient = 2;
    frmSupervisorOptions window;
    WhenModal<frmSupervisorOptions>([&](frmSupervisorOptions* f) {
        f->chkSumPage->setChecked(true);
        WhenModal<frmMyInputBox>([&](frmMyInputBox*) {
            WhenModal<frmViewReport>([&](frmViewReport* view) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return !view->Text1->toPlainText().isEmpty(); }));
                EXPECT_TRUE(view->Text1->toPlainText().contains("ONE-PAGE SUMMARY"));
                EXPECT_TRUE(view->Text1->toPlainText().contains("(TEST # 2 )"));
                view->cmdPrintReport->click();
                view->cmdCancel->click();
            });
            TypeEnter("k");
            KeyToFocus(Qt::Key_Return);
        });
        f->cmdMenuChoice[0]->setFocus();
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_NE(printer->jobs[0].bytes.find("ONE-PAGE SUMMARY"), std::string::npos);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SupervisorOptionsTest, DeleteNamesScramblesSavesAndRemovesTheReportCopies) {
    std::vector<ClientRecord> clients = {SampleClient("Ann Lee"), SampleClient("Gone"), SampleClient(""),
                                         SampleClient("")};
    clients[1].NameDeleted = "1";
    clients[2].Name = std::string("\xFA\xFB\xFC\xFD\xFE\xFF", 6);
    UseClients(clients);
    for (const char* copy : {"REPORT.PRN", "temp1", "temp2"})
        program.write(copy, "Ann Lee's report");

    messages.clear();
    SetMsgBoxResponder([this](const MsgBoxCall& call) {
        messages.push_back(call);
        return call.title == "WARNING!" && messages.size() == 1 ? vbNo : vbYes;
    });
    DelNames(); // declined
    EXPECT_EQ(ClientTable[1].Name.trimmed(), "Ann Lee");
    EXPECT_TRUE(std::filesystem::exists(program.file("temp1")));
    DelNames();
    ASSERT_EQ(messages.size(), 3u) << "the warning twice, then the end";
    EXPECT_EQ(messages[1].buttonsAndIcon, vbYesNo | vbCritical);
    EXPECT_EQ(messages[2].text, "Process complete. Press Enter to continue.");
    EXPECT_EQ(ClientTable[1].Name.trimmed(), "Duu Shh");
    EXPECT_EQ(ClientTable[2].Name.trimmed(), "Gone");
    EXPECT_EQ(ClientTable[3].Name.str().substr(0, 6), std::string("\xFA\xFE\xFC\xFD\xFE\xFF", 6));
    EXPECT_EQ(ClientTable[4].Name.str(), std::string(25, ' '));
    EXPECT_EQ(ClientTable[4].NameDeleted.str(), "1") << "a blank name is still marked and saved";
    std::string table;
    for (int i = 1; i <= 4; ++i)
        table += ClientTable[static_cast<std::size_t>(i)].ToBytes();
    EXPECT_EQ(FileBytes(), table);
    for (const char* copy : {"REPORT.PRN", "temp1", "temp2"})
        EXPECT_FALSE(std::filesystem::exists(program.file(copy))) << copy;
}

TEST_F(SupervisorOptionsTest, DeleteNamesOnAWriteProtectedMediumSaysSoAndKeepsMemoryAsTheFile) {
    Tmpfs medium;
    if (!medium.mounted())
        GTEST_SKIP() << medium.why();
    medium.write("DATA401.TRV", Records({"One", "Two", "Three"}));
    ASSERT_TRUE(EstablishClientFile(medium.path()).ok());
    ASSERT_TRUE(medium.SetReadOnly(true));
    SetMsgBoxResponder([this](const MsgBoxCall& call) {
        messages.push_back(call);
        return vbYes;
    });
    DelNames();
    ASSERT_TRUE(medium.SetReadOnly(false));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "Error 70:Permission denied\r\nThe names from client number 1 on were not "
                                "deleted. Check the data disk, then run the operation again.");
    EXPECT_EQ(ClientTable[1].Name.trimmed(), "One") << "memory keeps what the file has";
    EXPECT_EQ(ClientTable[1].NameDeleted.str(), "0");
}
