#include "app/qt/ProgramMenuActions.h"
#include "clients/ClientFile.h"
#include "clients/qt/frmClientInfo.h"
#include "clients/qt/frmCourtHistory.h"
#include "entry/qt/ScanAnswerSheet.h"
#include "entry/qt/frmNewEntry.h"
#include "presentation/qt/frmSelectEntryMethod.h"
#include "shell/RunState.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/frmMainMenu.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/AnswerSheetGenerator.h"
#include "support/FakeScanner.h"
#include "support/ModalHelper.h"
#include "support/RegistrationFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest/QTest>
#include <filesystem>
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
            if (!EditExisting) {
                for (const char* v : {"Dee Four", "987-65-4321", "29", "2", "1", "12", "3", "07/04/1997"})
                    TypeEnter(v);
            }
            ArmCourtHistory(cancelAt);
            KeyToFocus(Qt::Key_Return);
        });
    }
    static void ArmCourtHistory(const QString& cancelAt) {
        WhenModal<frmCourtHistory>([cancelAt](frmCourtHistory* f) {
            if (cancelAt == "frmCourtHistory")
                return Cancel(f);
            if (EditExisting) {
                f->txtItem[4]->setFocus(Qt::TabFocusReason);
                TypeToFocus(cancelAt.isEmpty() ? "9" : "7"); // a change the cancelled grid must undo
                f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
            } else {
                for (const char* v : {"19", "1", "2", "0", "3", "1", "0", "1", "0", "8"})
                    TypeEnter(v);
            }
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

    void AddNewClient(const QString& cancelAt) {
        WhenModal<frmSelectEntryMethod>([cancelAt](frmSelectEntryMethod* m) {
            EXPECT_TRUE(m->cmdMenuChoice[0]->isEnabled());
            EXPECT_TRUE(m->cmdMenuChoice[2]->isEnabled());
            EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
            EXPECT_EQ(
                m->msgPanel->text(),
                "Onscreen Presentation. Enter client information then present the test on the computer.");
            KeyToFocus(Qt::Key_Down); // "Enter Test Data from Answer Sheet"
            EXPECT_EQ(
                m->msgPanel->text(),
                "Paper-Pencil Presentation. Manually enter test information from completed answer sheet.");
            if (cancelAt == "frmSelectEntryMethod") {
                KeyToFocus(Qt::Key_Down);
                KeyToFocus(Qt::Key_Down);
                KeyToFocus(Qt::Key_Return);
                return;
            }
            ArmClientInfo(cancelAt);
            KeyToFocus(Qt::Key_Return);
        });
        PressMenuChoice(1);
    }

    TempDir program;
    std::unique_ptr<frmMainMenu> menu;
};
} // namespace

TEST_F(RegistrationFlowTest, CancellingAtAnyStepLeavesTheFileAndTheCount) {
    OpenMenu({SampleClient("One"), SampleClient("Two")});
    CurrentClient = 2;
    const std::string before = FileBytes();
    for (const char* step : {"frmSelectEntryMethod", "frmClientInfo", "frmCourtHistory", "frmNewEntry"}) {
        AddNewClient(QString::fromLatin1(step));
        EXPECT_EQ(ClientCount, 2) << step;
        EXPECT_EQ(FileBytes(), before) << step;
        EXPECT_EQ(ClientTable[3], ClientRecord{}) << step;
        EXPECT_EQ(CurrentClient, 2) << step;
    }
}

TEST_F(RegistrationFlowTest, RegisteringFromAnAnswerSheetAppendsOneRecord) {
    OpenMenu({SampleClient("One"), SampleClient("Two"), SampleClient("Three")});
    const std::string before = FileBytes();
    AddNewClient("");
    ASSERT_EQ(ClientCount, 4);
    const std::string after = FileBytes();
    ASSERT_EQ(after.size(), before.size() + 235);
    EXPECT_EQ(after.substr(0, before.size()), before);
    std::string expected = "Dee Four                 987-65-432129 21123"
                           "07/04/1997"
                           "12/06/2026"
                           "191 2 0 3 1 0 1 0 8 "
                           "122" +
                           std::string(146, '0') + "00";
    EXPECT_EQ(after.substr(before.size()), expected);
    menu->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->lbNameDisplay->count() == 4; }));
    EXPECT_TRUE(messages.empty());
}

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

// "Scan Answer Sheet" with the fake scanner: the three windows open filled from the sheet, the grid
// points out a doubtful mark, and the record reaches the file once the grid is saved.
TEST_F(RegistrationFlowTest, ScanningASheetFillsTheThreeWindowsAndStoresTheRecord) {
    std::filesystem::copy_file(TARVOS_BUILD_DIR "/TARVOS.MDB", program.file("TARVOS.MDB"),
                               std::filesystem::copy_options::overwrite_existing);
    OpenMenu({SampleClient("One")});
    // ID 123-45-6789, gender 1, ethnicity 2, marital 1, born 04/17/63, 12 years of school, court history
    // 19 1 2 0 3 1 0 1 0 08; item i answered i % 2 + 1 (1-108) or i % 4 + 1 (109-149); item 7 has
    // both bubbles filled.
    std::vector<int> marks = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 0, 0, 4, 1, 7,
                              6, 3, 1, 2, 1, 9, 1, 2, 0, 3, 1, 0, 1, 0, 0};
    for (int item = 1; item <= 149; ++item)
        marks.push_back(item <= 108 ? item % 2 : item % 4);
    marks.push_back(8);
    std::mt19937 rng(12);
    QImage page = BlankSheetImage().copy();
    for (std::size_t k = 0; k < marks.size(); ++k)
        DrawPencilMark(page, {k, marks[k], 70, 0.9, 5.8}, rng);
    DrawPencilMark(page, {30 + 7, 0, 70, 0.9, 5.8}, rng);
    std::string answers;
    for (int item = 1; item <= 149; ++item)
        answers += static_cast<char>('1' + (item <= 108 ? item % 2 : item % 4));
    FakeScanner scanner;
    scanner.QueuePage(ScanPage(page, {0.5, 2, -2, 100}, rng));
    SetScanSourceFactory([&](const std::string&) -> std::unique_ptr<PageSource> {
        struct Forward : PageSource {
            explicit Forward(FakeScanner& s) : fake(s) {}
            Acquisition Acquire(const ScanProgress& p) override { return fake.Acquire(p); }
            std::string Name() const override { return fake.Name(); }
            FakeScanner& fake;
        };
        return std::make_unique<Forward>(scanner);
    });

    bool gridSeen = false;
    WhenModal<frmSelectEntryMethod>([&](frmSelectEntryMethod*) {
        WhenModal<frmMyInputBox>([&](frmMyInputBox*) {
            WhenModal<QMessageBox>([&](QMessageBox* prompt) {
                WhenModal<frmClientInfo>([&](frmClientInfo* f) {
                    EXPECT_EQ(f->txtName->text(), "Jane Roe");
                    EXPECT_EQ(f->txtSSN->text(), "123-45-6789");
                    EXPECT_EQ(f->txtAge->text(), "63");
                    EXPECT_EQ(f->cmbGender->currentIndex(), 1);
                    EXPECT_EQ(f->cmbRace->currentIndex(), 2);
                    EXPECT_EQ(f->cmbMarital->currentIndex(), 1);
                    EXPECT_EQ(f->txtEducation->text(), "12");
                    EXPECT_EQ(f->mebDateOfBirth->text(), "04/17/1963");
                    WhenModal<frmCourtHistory>([&](frmCourtHistory* c) {
                        const char* court[] = {"19", "1", "2", "0", "3", "1", "0", "1", "0", "08"};
                        for (std::size_t k = 0; k < 10; ++k)
                            EXPECT_EQ(c->txtItem[k]->text(), court[k]) << "court item " << k + 1;
                        WhenModal<frmNewEntry>([&](frmNewEntry* g) {
                            gridSeen = true;
                            EXPECT_EQ(g->ItemAnswers.substr(0, 6) + g->ItemAnswers.substr(7),
                                      answers.substr(0, 6) + answers.substr(7));
                            EXPECT_TRUE(g->lblScanReview->isVisible());
                            EXPECT_EQ(g->lblScanReview->text(),
                                      "Check against the sheet: item 7 (two marks).");
                            EXPECT_EQ(g->grdResponses[0]->item(6, 0)->background().color(),
                                      QColor(255, 255, 0));
                            g->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
                            KeyToFocus(Qt::Key_Return);
                        });
                        KeyToFocus(Qt::Key_Return);
                    });
                    KeyToFocus(Qt::Key_Return);
                });
                EXPECT_EQ(prompt->text(),
                          "Insert answer sheet for Jane Roe\n(face down, top first) into scanner.");
                prompt->button(QMessageBox::Ok)->click();
            });
            TypeToFocus("Jane Roe");
            KeyToFocus(Qt::Key_Return);
            KeyToFocus(Qt::Key_Return);
        });
        KeyToFocus(Qt::Key_Down);
        KeyToFocus(Qt::Key_Down);
        EXPECT_EQ(FocusName(), "cmdMenuChoice_2");
        KeyToFocus(Qt::Key_Return);
    });
    PressMenuChoice(1);
    SetScanSourceFactory({});
    EXPECT_TRUE(gridSeen);
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].text.toStdString());
    ASSERT_EQ(ClientCount, 2);
    const std::string record = FileBytes().substr(235);
    EXPECT_EQ(record.substr(0, 54), "Jane Roe                 123-45-678963 1212104/17/1963");
    EXPECT_EQ(record.substr(64, 20), "191 2 0 3 1 0 1 0 08");
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
