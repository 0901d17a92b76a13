#include "shell/RunState.h"
#include "shell/qt/QuickStartStyle.h"
#include "shell/qt/TarvosDialog.h"
#include "shell/qt/WindowHelpers.h"
#include "shell/qt/frmMyInputBox.h"
#include "support/MessageScript.h"
#include "support/ModalHelper.h"
#include "support/RegistrationFixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {
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
// A window on the dialog base: a field, a plain button and the menu buttons OK and Cancel.
class SampleDialog : public TarvosDialog {
    Q_OBJECT
public:
    explicit SampleDialog(int cancelChoice, QWidget* parent = nullptr)
        : TarvosDialog(parent, QStringLiteral("SampleDialog"), QStringLiteral("Sample")) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(field);
        layout->addWidget(plain);
        AddMenuChoices(this, layout, {QStringLiteral("OK"), QStringLiteral("Cancel")});
        AddStatusPanel(layout);
        SetCancelChoice(cancelChoice);
    }
    void cmdMenuChoice_Click(int index) override {
        clicks.push_back(index);
        Finish(index == 0);
    }
    void Form_Activate() override {
        ++activations;
        TarvosDialog::Form_Activate();
        field->setFocus();
    }
    QLineEdit* field = new QLineEdit(this);
    QPushButton* plain = new QPushButton(QStringLiteral("Plain"), this);
    std::vector<int> clicks;
    int activations = 0;
};
} // namespace

TEST(DialogBaseTest, EscAndEnterMeanNothingNoButtonIsDefaultAndTheCloseBoxCancels) {
    Proceed = true;
    SampleDialog w(1);
    WhenModal<SampleDialog>([](SampleDialog* d) {
        const QPoint centre = d->screen()->geometry().center();
        EXPECT_LE((d->frameGeometry().center() - centre).manhattanLength(), 4) << "centred when shown";
        EXPECT_FALSE(d->plain->autoDefault() || d->plain->isDefault());
        d->plain->setFocus();
        for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
            KeyToFocus(k);
        d->field->setFocus();
        for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
            KeyToFocus(k);
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(d->clicks.empty());
        d->close();
    });
    EXPECT_EQ(w.exec(), QDialog::Rejected);
    EXPECT_EQ(w.clicks, std::vector<int>{1}) << "the close box is the cancel button";
    EXPECT_FALSE(Proceed);
}

TEST(DialogBaseTest, WithoutAWayOutTheCloseBoxDoesNothing) {
    SampleDialog w(TarvosDialog::NoWayOut);
    WhenModal<SampleDialog>([](SampleDialog* d) {
        d->close();
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(d->clicks.empty());
        d->cmdMenuChoice[0]->setFocus();
        KeyToFocus(Qt::Key_Return);
    });
    EXPECT_EQ(w.exec(), QDialog::Accepted);
    EXPECT_TRUE(Proceed);
}

// The panels lit by the focus are the main menu test's (the same menu buttons).
TEST(DialogBaseTest, ActivationRunsOnceAndTheFocusComesBackAfterAMessageAndToTheOpener) {
    SampleWindow opener;
    SampleDialog w(1, &opener.dlg);
    WhenModal<SampleDialog>([](SampleDialog* d) {
        EXPECT_EQ(d->activations, 1);
        d->cmdMenuChoice[1]->setFocus();
        d->field->setFocus();
        EXPECT_FALSE(d->cmdMenuChoice[1]->font().bold()) << "a button is bold only while it has the focus";
        WhenModal<QMessageBox>([](QMessageBox*) { KeyToFocus(Qt::Key_Return); });
        MsgBox("Note", vbOKOnly, "T");
        EXPECT_TRUE(QTest::qWaitFor([d] { return QApplication::activeWindow() == d; }, 2000));
        EXPECT_EQ(QApplication::focusWidget(), d->field) << "the focus comes back after a message box";
        EXPECT_EQ(d->activations, 1);
        d->cmdMenuChoice[0]->click();
    });
    w.exec();
    EXPECT_TRUE(QTest::qWaitFor([&opener] { return QApplication::activeWindow() == &opener.dlg; }, 2000));
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
    WhenModal<frmMyInputBox>([&messages](frmMyInputBox* b) {
        KeyToFocus(Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), b->cmdMenuChoice[0]);
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

TEST(InputBoxTest, EachPromptStartsEmptyAndCancelOrTheCloseBoxHandsBackNothing) {
    frmMyInputBox box;
    WhenModal<frmMyInputBox>([](frmMyInputBox*) {
        TypeEnter("first");
        KeyToFocus(Qt::Key_Return);
    });
    box.exec();
    ASSERT_EQ(box.InputValue, "first");
    WhenModal<frmMyInputBox>([](frmMyInputBox* b) {
        EXPECT_EQ(b->txtInput->text(), "") << "the earlier answer is not offered again";
        TypeToFocus("typed");
        KeyToFocus(Qt::Key_Tab);
        KeyToFocus(Qt::Key_Tab);
        KeyToFocus(Qt::Key_Space);
    });
    box.exec();
    EXPECT_TRUE(box.Cancelled);
    EXPECT_EQ(box.InputValue, "");

    WhenModal<frmMyInputBox>([](frmMyInputBox* b) { b->close(); });
    box.exec();
    EXPECT_TRUE(box.Cancelled);
    EXPECT_EQ(box.InputValue, "");
}

#include "WindowConventionsTest.moc"

// Drawn in bands, a tall scroll bar must come out exactly as the style draws it at once: whatever the
// height (a band boundary through the handle, a last band of one row), the handle's place and state.
TEST(QuickStartStyleTest, ABandedScrollBarHasTheStylesOwnPixels) {
    QuickStartStyle quick(QStyleFactory::create(QStringLiteral("Fusion")));
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 50);
    for (const int height : {QuickStartStyle::BandRows + 1, 2 * QuickStartStyle::BandRows + 1, 333}) {
        for (const int value : {0, 17, 50}) {
            for (const bool enabled : {true, false}) {
                bar.resize(16, height);
                bar.setValue(value);
                bar.setEnabled(enabled);
                QStyleOptionSlider option;
                option.initFrom(&bar);
                option.orientation = Qt::Vertical;
                option.minimum = bar.minimum();
                option.maximum = bar.maximum();
                option.sliderPosition = option.sliderValue = value;
                option.pageStep = bar.pageStep();
                option.singleStep = bar.singleStep();
                option.subControls = QStyle::SC_All;
                const auto draw = [&](const QStyle& style) {
                    QImage image(bar.size(), QImage::Format_ARGB32_Premultiplied);
                    image.fill(Qt::magenta);
                    QPainter p(&image);
                    style.drawComplexControl(QStyle::CC_ScrollBar, &option, &p, &bar);
                    return image;
                };
                EXPECT_EQ(draw(quick), draw(*plain))
                    << height << " rows, value " << value << ", enabled " << enabled;
            }
        }
    }
}
