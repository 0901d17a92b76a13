#include "clients/ClientFile.h"
#include "clients/qt/frmClientInfo.h"
#include "shell/RunState.h"
#include "shell/qt/WindowHelpers.h"
#include "support/ModalHelper.h"
#include "support/RegistrationFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <filesystem>

namespace {
class ClientInfoWindowTest : public RegistrationWindowTest {
protected:
    // Opens the window on client `slot` for editing and runs `steps` in it.
    void EditClient(int slot, const std::function<void(frmClientInfo*)>& steps) {
        EditExisting = true;
        CurrentClient = static_cast<int16_t>(slot);
        frmClientInfo window;
        WhenModal<frmClientInfo>(steps);
        window.exec();
    }
};

const QString AgeMessage = QStringLiteral("Enter age of client in number of years. Press Enter to continue.");
const QString DateMessage = QStringLiteral(
    "Enter date of birth month, day, year as MM/DD/YYYY or N for Not Available. Press Enter to continue.");
} // namespace

TEST_F(ClientInfoWindowTest, NewClientIsCheckedFieldByFieldAndFillsTheNextSlotInMemoryOnly) {
    UseClients({SampleClient("One")});
    const std::string before = FileBytes();
    frmClientInfo window;
    WhenModal<frmClientInfo>([&](frmClientInfo* f) {
        EXPECT_EQ(FocusName(), "txtName");
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(messages.back(), (MsgBoxCall{"Enter client's name. Press Enter to continue.",
                                               vbOKOnly | vbCritical, AppTitle()}));
        TypeEnter("Ann Lee");
        TypeToFocus("12/45");
        EXPECT_EQ(f->txtSSN->text(), "1245") << "the ID takes digits, hyphens and N only";
        f->txtSSN->clear();
        TypeEnter("123456789");
        EXPECT_EQ(FocusName(), "txtSSN");
        EXPECT_EQ(f->txtSSN->text(), "") << "a refused ID is emptied";
        TypeEnter("123-45-6789");
        TypeEnter("10");
        EXPECT_EQ(LastMessage(), AgeMessage);
        EXPECT_EQ(FocusName(), "txtAge");
        TypeEnter("11");
        EXPECT_EQ(FocusName(), "cmbGender");
        TypeToFocus("x");
        EXPECT_EQ(f->cmbGender->currentText(), "");
        TypeToFocus("2");
        EXPECT_EQ(f->cmbGender->currentText(), "Female");
        KeyToFocus(Qt::Key_Return);
        TypeEnter("5");
        EXPECT_EQ(f->cmbRace->currentText(), "Native American");
        TypeEnter("-1");
        EXPECT_EQ(FocusName(), "txtEducation");
        TypeEnter("99");
        TypeToFocus("4");
        EXPECT_EQ(f->cmbMarital->currentText(), "Separated");
        TypeEnter("1");
        EXPECT_EQ(f->cmbMarital->currentText(), "Single");
        TypeEnter("02/29/1999");
        EXPECT_EQ(LastMessage(), DateMessage);
        EXPECT_EQ(f->mebDateOfBirth->displayText(), "__/__/____");
        TypeEnter("01/01/2001");
        EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(Proceed);
    EXPECT_EQ(BeepCount(), 7);
    EXPECT_EQ(CurrentClient, 2);
    EXPECT_EQ(ClientTable[2].ToBytes(), "Ann Lee                  123-45-678911 25991"
                                        "01/01/2001"
                                        "12/06/2026" +
                                            std::string(20, ' ') + std::string(149, '0') + "00");
    EXPECT_EQ(FileBytes(), before) << "a new client reaches the file only with its answers";
    EXPECT_EQ(ClientCount, 1);
}

TEST_F(ClientInfoWindowTest, InformationOkAppliesEachFieldsOwnCheckInOrder) {
    frmClientInfo window;
    WhenModal<frmClientInfo>([&](frmClientInfo* f) {
        TypeEnter("Ann Lee");
        TypeEnter("n");
        EXPECT_EQ(f->txtSSN->text(), "N");
        TypeToFocus("5");
        KeyToFocus(Qt::Key_Tab);
        TypeEnter("1");
        TypeEnter("1");
        KeyToFocus(Qt::Key_Tab); // education left empty
        TypeEnter("0");
        TypeToFocus("02/29/1999");
        KeyToFocus(Qt::Key_Tab);
        EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
        EXPECT_TRUE(messages.empty());
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(LastMessage(), AgeMessage);
        EXPECT_EQ(FocusName(), "txtAge");
        TypeToFocus("40");
        f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(LastMessage(),
                  "Enter education level of client in number of years. Press Enter to continue.");
        EXPECT_EQ(FocusName(), "txtEducation");
        TypeToFocus("n");
        f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(f->txtEducation->text(), "N") << "a lone n becomes N when the field is left";
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(LastMessage(), DateMessage);
        EXPECT_EQ(FocusName(), "mebDateOfBirth");
        TypeEnter("n");
        EXPECT_EQ(f->mebDateOfBirth->displayText(), "N_/__/____");
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(messages.size(), 3u);
    const ClientRecord& r = ClientTable[1];
    EXPECT_EQ(r.Age.trimmed(), "40");
    EXPECT_EQ(r.Education.trimmed(), "N");
    EXPECT_EQ(r.DateOfBirth.trimmed(), "N");
    EXPECT_EQ(r.SSN.trimmed(), "N");
}

TEST_F(ClientInfoWindowTest, TheCloseBoxCancelsAnEditStoringNothing) {
    UseClients({SampleClient("One")});
    const std::string before = FileBytes();
    EditClient(1, [](frmClientInfo* f) {
        f->txtName->setFocus(Qt::TabFocusReason);
        TypeEnter("Changed");
        f->close();
    });
    EXPECT_FALSE(Proceed);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(ClientInfoWindowTest, EditLimitIsReachedAcrossTwoSessionsAndSavedWithThree) {
    UseClients({SampleClient("Ann One"), SampleClient("Bea Two"), SampleClient("Cy Three")});
    const std::string before = FileBytes();
    EditClient(2, [&](frmClientInfo* f) {
        EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
        f->txtName->setFocus(Qt::TabFocusReason);
        TypeEnter("Bea Twomey");
        f->txtAge->setFocus(Qt::TabFocusReason);
        TypeEnter("41");
        f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
    });
    std::string after = FileBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 235), before.substr(0, 235));
    EXPECT_EQ(after.substr(470), before.substr(470)) << "editing rewrites only its own record";
    EXPECT_EQ(after.substr(235, 25), "Bea Twomey               ");
    EXPECT_EQ(after.substr(235 + 233, 1), "2");

    EditClient(2, [&](frmClientInfo* f) {
        f->txtEducation->setFocus(Qt::TabFocusReason);
        TypeEnter("14");
        QTest::qWait(20);
        EXPECT_EQ(messages.back().title, "Edit Limit Reached");
        EXPECT_FALSE(f->txtName->isEnabled());
        EXPECT_FALSE(f->mebDateOfBirth->isEnabled());
        EXPECT_EQ(FocusName(), "cmdMenuChoice_0");
        KeyToFocus(Qt::Key_Return);
    });
    after = FileBytes();
    EXPECT_EQ(after.substr(235 + 41, 2), "14");
    EXPECT_EQ(after.substr(235 + 233, 1), "3");

    messages.clear();
    const std::string locked = FileBytes();
    EditClient(2, [&](frmClientInfo* f) {
        ASSERT_EQ(messages.size(), 1u) << "the limit is told at once";
        EXPECT_FALSE(f->txtAge->isEnabled());
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_TRUE(Proceed);
    EXPECT_EQ(FileBytes(), locked);
}

TEST_F(ClientInfoWindowTest, DeletedNameLocksTheFieldsAndOkWritesNothing) {
    ClientRecord deleted = SampleClient("Xq Zzv Wpl");
    deleted.NameDeleted = "1";
    deleted.DateOfBirth = "01/01/1880"; // a stored value no check would pass must not trap the user
    UseClients({deleted});
    const std::string before = FileBytes();
    EditClient(1, [&](frmClientInfo* f) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, "Name Deleted");
        for (QWidget* w : {static_cast<QWidget*>(f->txtName), static_cast<QWidget*>(f->cmbRace),
                           static_cast<QWidget*>(f->mebDateOfBirth)})
            EXPECT_FALSE(w->isEnabled());
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_TRUE(Proceed);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(ClientInfoWindowTest, RemovedMediumIsToldInWordsAndTheChangeStaysUnsaved) {
    UseClients({SampleClient("One")});
    const ClientRecord before = ClientTable[1];
    std::filesystem::remove(data.file("DATA401.TRV")); // the medium has gone: its file with it
    EditClient(1, [&](frmClientInfo* f) {
        f->txtName->setFocus(Qt::TabFocusReason);
        TypeEnter("Changed");
        f->cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
        KeyToFocus(Qt::Key_Return);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages.back(),
                  (MsgBoxCall{QString::fromStdString(
                                  "Error 71:Disk not ready\n\nThe disk holding " + data.file("DATA401.TRV") +
                                  " is not ready; it may have been removed: insert it again and "
                                  "try once more."),
                              vbOKOnly | vbCritical, AppTitle()}));
        EXPECT_TRUE(f->isVisible()) << "the user may put the medium back and press OK again";
        f->cmdMenuChoice[1]->click();
    });
    EXPECT_EQ(ClientTable[1], before);
}

// A list field takes an entry's leading letters key by key in either case (every entry's keys are the
// core rule's table). The list opens only for a text that matches nothing, and a key typed while it is
// open still goes to the field (it used to go to the open list: "N", "A" chose "Asian").
TEST_F(ClientInfoWindowTest, AListFieldSelectsByLeadingLettersAndOpensOnlyForNoMatch) {
    frmClientInfo window;
    WhenModal<frmClientInfo>([&](frmClientInfo* f) {
        f->cmbRace->setFocus(Qt::TabFocusReason);
        for (const auto& [keys, entry] : {std::pair{"hi", "Hispanic"}, {"NA", "Native American"}, {"ca", "Caucasian"}}) {
            for (QChar key : QString(keys)) {
                TypeToFocus(key);
                EXPECT_FALSE(f->cmbRace->view()->isVisible()) << keys;
            }
            EXPECT_EQ(f->cmbRace->currentText(), entry);
        }
        TypeToFocus("BA");
        EXPECT_TRUE(f->cmbRace->view()->isVisible()) << "a text matching nothing opens the list";
        KeyToFocus(Qt::Key_Backspace);
        TypeToFocus("L");
        EXPECT_FALSE(f->cmbRace->view()->isVisible());
        EXPECT_EQ(f->cmbRace->currentText(), "Black");
        EXPECT_EQ(FocusName(), "cmbRace");
        f->close();
    });
    window.exec();
    EXPECT_EQ(BeepCount(), 0);
}

// With the program's real message boxes (which take the keyboard while they show), a label is bold
// exactly while its field has the focus: after a refused field, and after the change that locks the
// fields and moves the focus on to "Information OK".
TEST_F(ClientInfoWindowTest, WithRealMessageBoxesOnlyTheFocusedFieldsLabelIsBold) {
    SetMsgBoxResponder({});
    auto closeBox = [] { WhenModal<QMessageBox>([](QMessageBox* box) { box->accept(); }); };
    auto bold = [](frmClientInfo* f) {
        QStringList names;
        for (const QLabel* label : f->lblInfo)
            if (label->font().bold())
                names << label->objectName();
        return names;
    };
    ClientRecord twice = SampleClient("Ann One");
    twice.EditCount = "2";
    UseClients({twice});
    EditClient(1, [&](frmClientInfo* f) {
        f->txtAge->setFocus(Qt::TabFocusReason);
        f->txtAge->clear();
        closeBox();
        TypeEnter("10"); // refused: its message, then the focus back on the field
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == f->txtAge; }, 2000));
        EXPECT_EQ(bold(f), QStringList{"lblInfo_2"});
        closeBox();
        TypeEnter("44"); // the third change: "Edit Limit Reached", fields locked, focus on OK
        EXPECT_TRUE(QTest::qWaitFor([&] { return FocusName() == "cmdMenuChoice_0"; }, 2000));
        QTest::qWait(20);
        EXPECT_EQ(bold(f), QStringList{});
        f->cmdMenuChoice[1]->click();
    });
}
