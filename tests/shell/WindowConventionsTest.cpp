#include "shell/qt/WindowHelpers.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/MessageScript.h"
#include "support/ModalHelper.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {
const QColor Cyan(0, 255, 255);

// A shown, active window with a text field and three menu buttons.
struct SampleWindow {
    QDialog dlg;
    std::vector<MenuChoice> menu;
    QLineEdit* field = new QLineEdit(QStringLiteral("some text"), &dlg);
    int clicks[3] = {0, 0, 0};
    SampleWindow() {
        auto* layout = new QVBoxLayout(&dlg);
        layout->addWidget(field);
        for (int i = 0; i < 3; ++i) {
            menu.push_back(MakeMenuChoice(&dlg, i, QStringLiteral("Choice %1").arg(i)));
            layout->addWidget(menu.back().ssp);
            QObject::connect(menu.back().cmd, &QPushButton::clicked, [this, i] { ++clicks[i]; });
        }
        dlg.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
};
} // namespace

TEST(WindowHelpersTest, MenuButtonsTakeEnterAndSpaceSwallowOtherKeysAndMoveWithArrows) {
    SampleWindow w;
    w.menu[1].cmd->setFocus();
    for (Qt::Key k : {Qt::Key_A, Qt::Key_Z, Qt::Key_Escape, Qt::Key_F1, Qt::Key_Delete})
        KeyToFocus(k);
    EXPECT_EQ(w.clicks[1], 0);
    EXPECT_TRUE(w.dlg.isVisible());
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        KeyToFocus(k);
    EXPECT_EQ(w.clicks[1], 3);
    EXPECT_EQ(w.clicks[0] + w.clicks[2], 0);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.menu[2].cmd);
    KeyToFocus(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), w.menu[1].cmd);
    KeyToFocus(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), w.menu[2].cmd);
}

TEST(MsgBoxTest, RealBoxesAnswerByKeyOnlyWithTheirWayOutAndGiveTheFocusBack) {
    SampleWindow w;
    w.field->setFocus();
    WhenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->text() + box->windowTitle(), "Question?Title");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        KeyToFocus(Qt::Key_Escape); // no Cancel button: neither Esc
        box->close();               // nor the close box answers
        EXPECT_TRUE(box->isVisible());
        KeyToFocus(Qt::Key_Return); // the second button is the default
    });
    EXPECT_EQ(MsgBox("Question?", vbYesNo | vbQuestion | vbDefaultButton2, "Title"), vbNo);
    EXPECT_TRUE(QTest::qWaitFor([&w] { return QApplication::activeWindow() == &w.dlg; }, 2000));
    EXPECT_EQ(QApplication::focusWidget(), w.field);

    WhenModal<QMessageBox>([](QMessageBox*) { KeyToFocus(Qt::Key_Escape); });
    EXPECT_EQ(MsgBox("Stop", vbOKCancel | vbCritical, "T"), vbCancel);
    WhenModal<QMessageBox>([](QMessageBox*) { KeyToFocus(Qt::Key_Return); });
    EXPECT_EQ(MsgBox("Stop", vbOKCancel | vbCritical, "T"), vbOK);
    WhenModal<QMessageBox>([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(MsgBox("Note", vbOKOnly, "T"), vbOK);
}

TEST(InputBoxTest, LengthLimitEnterToOkEmptyRefusedPasswordStars) {
    MessageScript messages;
    frmMyInputBox box;
    box.InputLength = 4;
    box.PasswordInput = true;
    box.HelpMessage = "Enter the code";
    WhenModal<frmMyInputBox>([&messages](frmMyInputBox* b) {
        EXPECT_EQ(b->lblHelpMsg->text(), "Enter the code");
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), b->cmdMenuChoice[0]);
        EXPECT_EQ(b->sspMenuChoice[0]->palette().color(QPalette::Window), Cyan);
        KeyToFocus(Qt::Key_Return); // empty: refused
        ASSERT_EQ(messages.calls.size(), 1u);
        EXPECT_EQ(messages.calls[0], (MsgBoxCall{"Please enter the required password.", vbOKOnly | vbQuestion,
                                                 "Input required"}));
        EXPECT_EQ(QApplication::focusWidget(), b->txtInput);
        TypeToFocus("abcde");
        EXPECT_EQ(b->txtInput->text(), "abcd");
        EXPECT_EQ(b->txtInput->displayText(), "****");
        KeyToFocus(Qt::Key_Escape);
        EXPECT_TRUE(b->isVisible());
        KeyToFocus(Qt::Key_Return);
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_EQ(box.InputValue, "abcd");
    EXPECT_FALSE(box.Cancelled);

    frmMyInputBox plain;
    plain.cmdMenuChoice_Click(0);
    EXPECT_EQ(messages.calls.back().text, "Please enter the required data.");
}

TEST(InputBoxTest, CancelAndTheCloseBoxCancelKeepingThePreviousValue) {
    frmMyInputBox box;
    box.InputValue = "before";
    WhenModal<frmMyInputBox>([](frmMyInputBox*) {
        TypeToFocus("typed");
        KeyToFocus(Qt::Key_Tab);
        KeyToFocus(Qt::Key_Tab);
        KeyToFocus(Qt::Key_Space);
    });
    box.exec();
    EXPECT_TRUE(box.Cancelled);
    EXPECT_EQ(box.InputValue, "before");

    frmMyInputBox other;
    WhenModal<frmMyInputBox>([](frmMyInputBox* b) { b->close(); });
    other.exec();
    EXPECT_TRUE(other.Cancelled);
}
