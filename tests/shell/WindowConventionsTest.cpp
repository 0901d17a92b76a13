#include "shell/qt/Cp1252.h"
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
const QColor Blue(0, 0, 255), Cyan(0, 255, 255);

// A shown, active window with two labels, a text field and three menu buttons.
struct SampleWindow {
    QDialog dlg;
    std::vector<MenuChoice> menu;
    QLineEdit* field = new QLineEdit(QStringLiteral("some text"), &dlg);
    int clicks[3] = {0, 0, 0};
    SampleWindow() {
        auto* layout = new QVBoxLayout(&dlg);
        for (int i = 0; i < 2; ++i) {
            layout->addWidget(new QLabel(&dlg));
            layout->itemAt(i)->widget()->setObjectName(QStringLiteral("lblInfo_%1").arg(i));
        }
        layout->addWidget(field);
        for (int i = 0; i < 3; ++i) {
            menu.push_back(MakeMenuChoice(&dlg, i, QStringLiteral("Choice %1").arg(i)));
            layout->addWidget(menu.back().ssp);
            QObject::connect(menu.back().cmd, &QPushButton::clicked, [this, i] { ++clicks[i]; });
        }
        dlg.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    QColor panel(int i) const {
        return menu[static_cast<std::size_t>(i)].ssp->palette().color(QPalette::Window);
    }
    bool bold(int i) const { return menu[static_cast<std::size_t>(i)].cmd->font().bold(); }
};
} // namespace

TEST(Cp1252Test, EveryByteRoundTripsAndTheHighRangeIsWindows1252) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    EXPECT_EQ(text.mid(0x80, 2), QString::fromUtf8("\u20ac\u0081"));
    EXPECT_EQ(text.mid(0x96, 1) + text.mid(0x9F, 1) + text.mid(0xE9, 1),
              QString::fromUtf8("\u2013\u0178\u00e9"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Jos\u00e9 \u2014 \u0416 \U0001F600")),
              std::string("Jos\xe9 \x97 ? ?"));
}

TEST(WindowHelpersTest, HighlightsFollowTheIndexAndSelectAllTakesTheFocusedText) {
    SampleWindow w;
    HighlightMenuChoice(&w.dlg, 2, 1);
    EXPECT_TRUE(w.panel(1) == Cyan && w.bold(1) && w.panel(0) == Blue && !w.bold(0));
    HighlightMenuChoice(&w.dlg, 2, 2);
    EXPECT_TRUE(w.panel(1) == Blue && !w.bold(1) && w.panel(2) == Cyan && w.bold(2));
    ResetMenuChoices(&w.dlg, 2);
    EXPECT_TRUE(w.panel(2) == Blue && !w.bold(2));

    auto* l0 = w.dlg.findChild<QLabel*>("lblInfo_0");
    auto* l1 = w.dlg.findChild<QLabel*>("lblInfo_1");
    HighlightLabel(1, 1);
    EXPECT_TRUE(l1->font().bold() && !l0->font().bold());
    HighlightLabel(1, 0);
    EXPECT_TRUE(l0->font().bold() && !l1->font().bold());

    w.field->setFocus();
    w.field->deselect();
    SelectAllText();
    EXPECT_EQ(w.field->selectedText(), "some text");
    w.menu[0].cmd->setFocus();
    SelectAllText(); // no text selection on a button: left alone
}

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
        EXPECT_EQ(messages.calls[0].text, "Please enter the required password.");
        EXPECT_EQ(messages.calls[0].title, "Input required");
        EXPECT_EQ(messages.calls[0].buttonsAndIcon, vbOKOnly | vbQuestion);
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
