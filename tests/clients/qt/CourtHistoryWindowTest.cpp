#include "clients/ClientFile.h"
#include "clients/qt/frmCourtHistory.h"
#include "shell/RunState.h"
#include "shell/qt/WindowHelpers.h"
#include "support/ModalHelper.h"
#include "support/RegistrationFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString Range(int low, int high) {
    return QStringLiteral("Enter a number from %1 to %2 or N for Not Available. Press Enter to continue.")
        .arg(low)
        .arg(high);
}
const QString Range1 = Range(5, 99), Range100 = Range(0, 100), Range12 = Range(0, 12);

class CourtHistoryWindowTest : public RegistrationWindowTest {
protected:
    // A registration in progress: client information accepted for the slot after the last record.
    void StartNewClient() {
        UseClients({SampleClient("One")});
        CurrentClient = 2;
        ClientTable[2].Name = "Ann Lee";
    }
};
} // namespace

TEST_F(CourtHistoryWindowTest, EachItemIsCheckedOnEnterWithItsRangeMessage) {
    StartNewClient();
    const std::string before = FileBytes();
    frmCourtHistory window;
    WhenModal<frmCourtHistory>([&](frmCourtHistory* f) {
        EXPECT_EQ(f->lblClientName->text().trimmed(), "Ann Lee");
        EXPECT_EQ(FocusName(), "txtAgeAtFirstArrest");
        TypeEnter("4");
        EXPECT_EQ(messages.back(), (MsgBoxCall{Range1, vbOKOnly | vbCritical, "Data Entry Error"}));
        EXPECT_EQ(FocusName(), "txtAgeAtFirstArrest");
        EXPECT_EQ(f->txtItem[0]->text(), "4") << "a refused item keeps its text";
        TypeEnter("n");
        EXPECT_EQ(f->txtItem[0]->text(), "N");
        KeyToFocus(Qt::Key_Return); // an empty item 2
        EXPECT_EQ(LastMessage(), Range100);
        TypeEnter("00");
        EXPECT_EQ(FocusName(), "txtFelonyArrests");
        TypeEnter("0");
        for (const char* v : {"99", "1", "12", "3", "0", "2", "5"})
            TypeEnter(v);
        EXPECT_EQ(FocusName(), "txtPercentageTimeEmployed");
        TypeEnter("13");
        EXPECT_EQ(LastMessage(), Range12);
        TypeEnter("12");
        EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(Proceed);
    EXPECT_EQ(BeepCount(), 4);
    EXPECT_EQ(ClientTable[2].ToBytes().substr(64, 20), "N 0 991 123 0 2 5 12");
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(CourtHistoryWindowTest, InformationOkAppliesEachItemsOwnRange) {
    StartNewClient();
    frmCourtHistory window;
    WhenModal<frmCourtHistory>([&](frmCourtHistory* f) {
        TypeToFocus("3");
        KeyToFocus(Qt::Key_Tab);
        for (int i = 1; i < 9; ++i)
            TypeEnter("1");
        TypeToFocus("40");
        KeyToFocus(Qt::Key_Tab);
        EXPECT_TRUE(messages.empty()) << "Tab leaves an item unchecked";
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(LastMessage(), Range1);
        EXPECT_EQ(FocusName(), "txtAgeAtFirstArrest");
        TypeToFocus("30");
        f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(LastMessage(), Range12);
        EXPECT_EQ(FocusName(), "txtPercentageTimeEmployed");
        TypeEnter("n");
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(ClientTable[2].CourtHistory[0].trimmed(), "30");
    EXPECT_EQ(ClientTable[2].CourtHistory[9].trimmed(), "N");
}

TEST_F(CourtHistoryWindowTest, CancellingAnEditRestoresTheSlotFromTheFile) {
    UseClients({SampleClient("One"), SampleClient("Two")});
    const ClientRecord stored = ClientTable[2];
    ClientTable[2].CourtHistory[0] = "88"; // an abandoned change still in memory
    EditExisting = true;
    CurrentClient = 2;
    frmCourtHistory window;
    WhenModal<frmCourtHistory>([&](frmCourtHistory* f) {
        EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
        EXPECT_EQ(f->txtItem[0]->text(), "88");
        f->cmdMenuChoice[1]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_EQ(ClientTable[2], stored);
    EXPECT_EQ(ClientCount, 2);
}
