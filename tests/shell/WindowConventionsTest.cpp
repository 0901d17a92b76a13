#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/ModalHelper.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {
class Recorder {
public:
    explicit Recorder(int answer = vbOK) {
        SetMsgBoxResponder([this, answer](const MsgBoxCall& c) {
            calls.push_back(c);
            return answer;
        });
    }
    ~Recorder() { SetMsgBoxResponder({}); }
    std::vector<MsgBoxCall> calls;
};

QColor PanelColor(QWidget* w, int i) {
    return w->findChild<QFrame*>(QStringLiteral("sspMenuChoice_%1").arg(i))
        ->palette()
        .color(QPalette::Window);
}
bool CaptionBold(QWidget* w, int i) {
    return w->findChild<QPushButton*>(QStringLiteral("cmdMenuChoice_%1").arg(i))->font().bold();
}

// A window of three menu buttons and two labelled fields, shown and active.
struct SampleWindow {
    QDialog dlg;
    std::vector<MenuChoice> menu;
    QLineEdit* field;
    int clicks[3] = {0, 0, 0};
    SampleWindow() {
        auto* layout = new QVBoxLayout(&dlg);
        for (int i = 0; i < 2; ++i) {
            auto* l = new QLabel(QStringLiteral("Label %1").arg(i), &dlg);
            l->setObjectName(QStringLiteral("lblInfo_%1").arg(i));
            layout->addWidget(l);
        }
        field = new QLineEdit(QStringLiteral("some text"), &dlg);
        layout->addWidget(field);
        for (int i = 0; i < 3; ++i) {
            menu.push_back(MakeMenuChoice(&dlg, i, QStringLiteral("Choice %1").arg(i)));
            layout->addWidget(menu.back().ssp);
            QObject::connect(menu.back().cmd, &QPushButton::clicked, [this, i] { ++clicks[i]; });
        }
        dlg.show();
        dlg.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
};
} // namespace

TEST(Cp1252Test, EveryByteRoundTripsAndTheHighRangeIsWindows1252) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x81], QChar(0x0081));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x96], QChar(0x2013));
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
    EXPECT_EQ(ToCp1252(QStringLiteral("Jos\u00e9 \u2014 \u0416")), std::string("Jos\xe9 \x97 ?"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                         "b")),
              "a?b");
}

TEST(WindowHelpersTest, SmallHelpers) {
    EXPECT_TRUE(InRange(5, 5, 5));
    EXPECT_FALSE(InRange(4, 5, 99));
    EXPECT_TRUE(InRange(99, 5, 99));
    EXPECT_FALSE(InRange(100, 5, 99));
    EXPECT_EQ(ColorFromBgr(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromBgr(0xFFFF00), QColor(0, 255, 255));
    EXPECT_EQ(ColorFromBgr(0x0080FF), QColor(255, 128, 0));
    ResetBeepCount();
    Beep();
    Beep();
    EXPECT_EQ(BeepCount(), 2);
    BusyPointer();
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    BusyPointer();
    NormalPointer();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    MsgPanel panel;
    EXPECT_EQ(panel.objectName(), "MsgPanel");
}

TEST(WindowHelpersTest, CenterFormPlacesTheWindowInTheMiddleOfTheScreen) {
    QDialog dlg;
    dlg.resize(300, 200);
    dlg.show();
    CenterForm(&dlg);
    const QRect screen = dlg.screen()->geometry();
    const QRect frame = dlg.frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

TEST(WindowHelpersTest, HighlightAndResetOfMenuChoicesAndLabels) {
    SampleWindow w;
    HighlightMenuChoice(&w.dlg, 2, 1);
    EXPECT_EQ(PanelColor(&w.dlg, 1), QColor(0, 255, 255));
    EXPECT_TRUE(CaptionBold(&w.dlg, 1));
    EXPECT_EQ(PanelColor(&w.dlg, 0), QColor(0, 0, 255));
    EXPECT_FALSE(CaptionBold(&w.dlg, 0));
    HighlightMenuChoice(&w.dlg, 2, 2);
    EXPECT_EQ(PanelColor(&w.dlg, 1), QColor(0, 0, 255));
    EXPECT_FALSE(CaptionBold(&w.dlg, 1));
    EXPECT_TRUE(CaptionBold(&w.dlg, 2));
    ResetMenuChoices(&w.dlg, 2);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(PanelColor(&w.dlg, i), QColor(0, 0, 255));
        EXPECT_FALSE(CaptionBold(&w.dlg, i));
    }

    auto* l0 = w.dlg.findChild<QLabel*>("lblInfo_0");
    auto* l1 = w.dlg.findChild<QLabel*>("lblInfo_1");
    HighlightLabel(1, 1);
    EXPECT_TRUE(l1->font().bold());
    HighlightLabel(1, 0);
    EXPECT_TRUE(l0->font().bold());
    EXPECT_FALSE(l1->font().bold());
    ResetLabels(1);
    EXPECT_FALSE(l0->font().bold());

    w.field->setFocus();
    w.field->deselect();
    SelectAllText();
    EXPECT_EQ(w.field->selectedText(), "some text");
    w.menu[0].cmd->setFocus();
    SelectAllText(); // a button has no text selection: left alone
}

TEST(WindowHelpersTest, MenuButtonKeysEnterAndSpacePressLettersDoNothing) {
    SampleWindow w;
    w.menu[1].cmd->setFocus();
    EXPECT_FALSE(w.menu[1].cmd->autoDefault());
    for (Qt::Key k : {Qt::Key_A, Qt::Key_Z, Qt::Key_Escape, Qt::Key_F1, Qt::Key_Delete})
        KeyToFocus(k);
    EXPECT_EQ(w.clicks[1], 0);
    EXPECT_TRUE(w.dlg.isVisible());
    KeyToFocus(Qt::Key_Return);
    EXPECT_EQ(w.clicks[1], 1);
    KeyToFocus(Qt::Key_Enter);
    EXPECT_EQ(w.clicks[1], 2);
    KeyToFocus(Qt::Key_Space);
    EXPECT_EQ(w.clicks[1], 3);
    EXPECT_EQ(w.clicks[0] + w.clicks[2], 0);
    KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w.menu[2].cmd);
    KeyToFocus(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), w.menu[1].cmd);
    KeyToFocus(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), w.menu[2].cmd);
}

TEST(MsgBoxTest, RealBoxesAnswerByKeyAndGiveTheFocusBack) {
    SampleWindow w;
    w.field->setFocus();
    WhenModal<QMessageBox>([](QMessageBox* box) {
        EXPECT_EQ(box->text(), "Question?");
        EXPECT_EQ(box->windowTitle(), "Title");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        KeyToFocus(Qt::Key_Escape); // no Cancel button: Esc does nothing
        box->close();               // nor does the close box
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

TEST(MsgBoxTest, TheResponderSeesEveryCallAndAnswers) {
    Recorder rec(vbRetry);
    EXPECT_EQ(MsgBox("x", vbRetryCancel | vbExclamation, "y"), vbRetry);
    ASSERT_EQ(rec.calls.size(), 1u);
    EXPECT_EQ(rec.calls[0].text, "x");
    EXPECT_EQ(rec.calls[0].buttonsAndIcon, vbRetryCancel | vbExclamation);
    EXPECT_EQ(rec.calls[0].title, "y");
}

class InputBoxTest : public ::testing::Test {
protected:
    // Runs the box modally; `drive` works it by keyboard once it is active.
    void Run(const std::function<void(frmMyInputBox*)>& drive) {
        WhenModal<frmMyInputBox>(drive);
        box.exec();
    }
    frmMyInputBox box;
};

TEST_F(InputBoxTest, LengthLimitEnterMovesToOkAndOkAccepts) {
    box.InputLength = 4;
    box.HelpMessage = "Enter the code";
    box.setWindowTitle("Code");
    Run([](frmMyInputBox* b) {
        EXPECT_EQ(b->lblHelpMsg->text(), "Enter the code");
        EXPECT_EQ(QApplication::focusWidget(), b->txtInput);
        TypeToFocus("abcde");
        EXPECT_EQ(b->txtInput->text(), "abcd");
        KeyToFocus(Qt::Key_Escape);
        EXPECT_TRUE(b->isVisible());
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), b->cmdMenuChoice[0]);
        EXPECT_TRUE(b->sspMenuChoice[0]->palette().color(QPalette::Window) == QColor(0, 255, 255));
        EXPECT_TRUE(b->isVisible());
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_EQ(box.InputValue, "abcd");
    EXPECT_FALSE(box.Cancelled);
}

TEST_F(InputBoxTest, EmptyInputIsRefusedWithTheRightMessage) {
    Recorder rec;
    box.PasswordInput = true;
    Run([&rec](frmMyInputBox* b) {
        KeyToFocus(Qt::Key_Return);
        KeyToFocus(Qt::Key_Return);
        ASSERT_EQ(rec.calls.size(), 1u);
        EXPECT_EQ(rec.calls[0].text, "Please enter the required password.");
        EXPECT_EQ(rec.calls[0].title, "Input required");
        EXPECT_EQ(rec.calls[0].buttonsAndIcon, vbOKOnly | vbQuestion);
        EXPECT_TRUE(b->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), b->txtInput);
        TypeToFocus("ab1");
        EXPECT_EQ(b->txtInput->displayText(), "***");
        KeyToFocus(Qt::Key_Return);
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(box.InputValue, "ab1");

    frmMyInputBox plain;
    plain.cmdMenuChoice_Click(0);
    ASSERT_EQ(rec.calls.size(), 2u);
    EXPECT_EQ(rec.calls[1].text, "Please enter the required data.");
}

TEST_F(InputBoxTest, CancelAndTheCloseBoxCancelKeepingThePreviousValue) {
    box.InputValue = "before";
    Run([](frmMyInputBox*) {
        KeyToFocus(Qt::Key_Tab);
        KeyToFocus(Qt::Key_Tab);
        KeyToFocus(Qt::Key_Space);
    });
    EXPECT_TRUE(box.Cancelled);
    EXPECT_EQ(box.InputValue, "before");

    frmMyInputBox other;
    WhenModal<frmMyInputBox>([](frmMyInputBox* b) {
        TypeToFocus("x");
        b->close();
    });
    other.exec();
    EXPECT_TRUE(other.Cancelled);
    EXPECT_TRUE(other.InputValue.isEmpty());
}
