// "Edit Current Client" from the main menu: the three windows in turn, and a grid cancelled at the end;
// "Add New Client" on a full data disk.
#include "app/qt/ProgramMenuActions.h"
#include "clients/ClientFile.h"
#include "clients/qt/frmClientInfo.h"
#include "clients/qt/frmCourtHistory.h"
#include "entry/qt/frmNewEntry.h"
#include "shell/RunState.h"
#include "shell/qt/frmMainMenu.h"
#include "support/ModalHelper.h"
#include "support/RegistrationFixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

namespace {
// Client information as it is, court item 5 typed as `court`, answers "122", then Save or Cancel.
void ArmEdit(const QString& court, bool save) {
    WhenModal<frmClientInfo>([=](frmClientInfo*) {
        WhenModal<frmCourtHistory>([=](frmCourtHistory* f) {
            WhenModal<frmNewEntry>([=](frmNewEntry* g) {
                TypeToFocus("122");
                g->cmdMenuChoice[save ? 0 : 1]->setFocus(Qt::TabFocusReason);
                KeyToFocus(Qt::Key_Return);
            });
            f->txtItem[4]->setFocus(Qt::TabFocusReason);
            TypeToFocus(court);
            f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
            KeyToFocus(Qt::Key_Return);
        });
        KeyToFocus(Qt::Key_Return);
    });
}
} // namespace

TEST_F(RegistrationWindowTest, EditingFromTheMenuRunsTheThreeWindowsAndRewritesOnlyItsRecord) {
    TempDir program;
    WriteItemDatabase(program.file("TARVOS.MDB"),
                      [](int item) { return item <= 108 ? "False" : item <= 139 ? "Sometimes" : "Other"; });
    QuestionDatabasePath = program.file("TARVOS.MDB");
    UseClients({SampleClient("One"), SampleClient("Two"), SampleClient("Three")});
    frmMainMenu menu(QString::fromStdString(program.path()));
    menu.SetActions(ProgramMenuActions());
    menu.show();
    // Chooses client 2 in the list as a click does, then presses "Edit Current Client".
    auto edit = [&menu] {
        menu.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
        menu.lbNameDisplay->clearSelection();
        menu.lbNameDisplay->setCurrentRow(1);
        ASSERT_EQ(CurrentClient, 2);
        menu.cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
    };
    menu.MenuActive = true;
    menu.Form_Activate();

    const std::string before = FileBytes();
    ArmEdit("9", true);
    edit();
    const std::string after = FileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 235), before.substr(0, 235));
    EXPECT_EQ(after.substr(470), before.substr(470));
    EXPECT_EQ(after.substr(235 + 72, 2), "9 ") << "court history reaches the file with the grid's save";
    EXPECT_EQ(after.substr(235 + 84, 4), "1221");

    const ClientRecord inMemory = ClientTable[2];
    ArmEdit("7", false);
    edit();
    EXPECT_EQ(FileBytes(), after);
    EXPECT_EQ(ClientTable[2], inMemory) << "the court change abandoned with the grid is gone from memory";
    menu.hide(); // closing the main window would end the program
}

TEST_F(RegistrationWindowTest, AddingToAFullDataDiskOpensNothing) {
    UseClients(std::vector<ClientRecord>(MaxClients, SampleClient("Client")));
    QTimer::singleShot(3000, [] { CloseAllModals(); }); // an entry-method window opened by mistake
    ProgramMenuActions().AddNewClient(nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Data Disk Full");
    EXPECT_EQ(ClientCount, MaxClients);
}
