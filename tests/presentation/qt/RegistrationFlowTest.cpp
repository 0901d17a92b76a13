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
#include <memory>

namespace {
class RegistrationFlowTest : public RegistrationWindowTest {
protected:
    void SetUp() override {
        RegistrationWindowTest::SetUp();
        WriteItemDatabase(program.file("TARVOS.MDB"), [](int item) {
            return item <= 108 ? "False" : item <= 139 ? "Sometimes" : "Other";
        });
        QuestionDatabasePath = program.file("TARVOS.MDB");
        menu = std::make_unique<frmMainMenu>(QString::fromStdString(program.path()));
        menu->SetActions(ProgramMenuActions());
    }
    // The main menu shows `clients` and has the keyboard.
    void OpenMenu(const std::vector<ClientRecord>& clients) {
        UseClients(clients);
        menu->show();
        ActivateMenu();
        menu->MenuActive = true;
        menu->Form_Activate();
    }
    void TearDown() override {
        menu->hide(); // closing the main window would end the program
        menu.reset();
        RegistrationWindowTest::TearDown();
    }

    static void Cancel(TarvosDialog* window) {
        window->cmdMenuChoice[1]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
    }

    // Client information, court history and grid by keyboard, cancelling at `cancelAt`.
    static void ArmClientInfo(const QString& cancelAt) {
        WhenModal<frmClientInfo>([cancelAt](frmClientInfo* f) {
            if (cancelAt == "frmClientInfo")
                return Cancel(f);
            ArmCourtHistory(cancelAt);
            KeyToFocus(Qt::Key_Return);
        });
    }
    static void ArmCourtHistory(const QString& cancelAt) {
        WhenModal<frmCourtHistory>([cancelAt](frmCourtHistory* f) {
            if (cancelAt == "frmCourtHistory")
                return Cancel(f);
            f->txtItem[4]->setFocus(Qt::TabFocusReason);
            TypeToFocus(cancelAt.isEmpty() ? "9" : "7"); // a change the cancelled grid must undo
            f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
            ArmGrid(cancelAt);
            KeyToFocus(Qt::Key_Return);
        });
    }
    static void ArmGrid(const QString& cancelAt) {
        WhenModal<frmNewEntry>([cancelAt](frmNewEntry* f) {
            TypeToFocus("122");
            if (cancelAt == "frmNewEntry")
                return Cancel(f);
            for (int i = 0; i < 3; ++i)
                KeyToFocus(Qt::Key_Tab);
            EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
            KeyToFocus(Qt::Key_Return);
        });
    }

    void ActivateMenu() {
        menu->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu.get()));
    }
    // Chooses client `n` in the list, as a click does.
    void SelectClient(int n) {
        ActivateMenu();
        QApplication::processEvents();
        menu->lbNameDisplay->clearSelection();
        menu->lbNameDisplay->setCurrentRow(n - 1);
        ASSERT_EQ(CurrentClient, n);
        ASSERT_TRUE(menu->cmdMenuChoice[0]->isEnabled());
    }

    void PressMenuChoice(int index) {
        ActivateMenu();
        menu->cmdMenuChoice[static_cast<std::size_t>(index)]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
    }

    TempDir program;
    std::unique_ptr<frmMainMenu> menu;
};
} // namespace

TEST_F(RegistrationFlowTest, EditingRunsTheThreeWindowsAndRewritesOnlyItsRecord) {
    OpenMenu({SampleClient("One"), SampleClient("Two"), SampleClient("Three")});
    const std::string before = FileBytes();
    SelectClient(2);
    ArmClientInfo("");
    PressMenuChoice(0);
    const std::string after = FileBytes();
    EXPECT_EQ(ClientCount, 3);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 235), before.substr(0, 235));
    EXPECT_EQ(after.substr(470), before.substr(470));
    EXPECT_EQ(after.substr(235 + 72, 2), "9 ") << "court history reaches the file with the grid's save";
    EXPECT_EQ(after.substr(235 + 84, 4), "1221");

    const std::string saved = FileBytes();
    const ClientRecord inMemory = ClientTable[2];
    SelectClient(2);
    ArmClientInfo("frmNewEntry");
    PressMenuChoice(0);
    EXPECT_EQ(FileBytes(), saved);
    EXPECT_EQ(ClientTable[2], inMemory) << "the court change abandoned with the grid is gone from memory";
}

TEST_F(RegistrationFlowTest, AFullDataDiskOpensNothing) {
    std::vector<ClientRecord> clients;
    for (int i = 1; i <= 51; ++i)
        clients.push_back(SampleClient("Client " + std::to_string(i)));
    OpenMenu(clients);
    const std::string before = FileBytes();
    QTimer::singleShot(3000, [] { CloseAllModals(); });
    PressMenuChoice(1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              (MsgBoxCall{"This data disk already holds 51 clients.\nUse a new data disk for more "
                          "clients.",
                          vbOKOnly | vbInformation, "Data Disk Full"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(ClientCount, 51);
}
