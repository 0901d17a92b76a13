#include "presentation/qt/frmSelectEntryMethod.h"

#include "clients/qt/RunRegistration.h"
#include "entry/qt/ScanAnswerSheet.h"
#include "entry/qt/frmNewEntry.h"
#include "presentation/qt/OnscreenTest.h"
#include "shell/qt/MsgPanel.h"
#include "supervisor/qt/SecretCode.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int LastChoice = 3;
const char* const Captions[4] = {"Administer Test to Client", "Enter Test Data from Answer Sheet",
                                 "Scan Answer Sheet", "Cancel New Client Entry"};
const char* const HelpTexts[4] = {
    "Onscreen Presentation. Enter client information then present the test on the computer.",
    "Paper-Pencil Presentation. Manually enter test information from completed answer sheet.",
    "Optical Scanner Presentation. Scan completed answer sheet.",
    "Cancel. Do not enter a new client. Return to Main Menu."};
} // namespace

frmSelectEntryMethod::frmSelectEntryMethod(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmSelectEntryMethod"), QStringLiteral("Entry Method")) {
    SetCancelChoice(LastChoice);
    auto* outer = new QVBoxLayout(this);
    fraSelectMethod = new QGroupBox(QStringLiteral("Select Client Data Entry Method"), this);
    fraSelectMethod->setObjectName(QStringLiteral("fraSelectMethod"));
    auto* column = new QVBoxLayout(fraSelectMethod);
    column->setContentsMargins(30, 24, 30, 24);
    column->setSpacing(12);
    QStringList captions;
    for (const char* c : Captions)
        captions << QString::fromLatin1(c);
    AddMenuChoices(fraSelectMethod, column, captions);
    for (int i = 0; i <= LastChoice; ++i) {
        const auto k = static_cast<std::size_t>(i);
        sspMenuChoice[k]->setObjectName(QStringLiteral("shpMenuChoice_%1").arg(i));
        cmdMenuChoice[k]->setMinimumWidth(320);
    }
    outer->addWidget(fraSelectMethod);
    frBlank = new QFrame(this);
    frBlank->setObjectName(QStringLiteral("frBlank"));
    frBlank->hide();
    AddStatusPanel(outer);
    adjustSize();
}

void frmSelectEntryMethod::Form_Activate() {
    frBlank->setGeometry(fraSelectMethod->geometry());
    TarvosDialog::Form_Activate();
    for (QPushButton* b : cmdMenuChoice) {
        if (b->isEnabled()) {
            b->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void frmSelectEntryMethod::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
    msgPanel->setText(QString::fromLatin1(HelpTexts[index]));
}

void frmSelectEntryMethod::cmdMenuChoice_Click(int index) {
    if (m_choosing)
        return;
    m_choosing = true;
    if (index == 0) {
        // Once the client has seen the test, only the secret code leads back to the main menu and its
        // list of clients.
        bool presented = false;
        RunRegistration(this, RegistrationKind::NewClient,
                        {.answersFirst = {}, .answers = [this, &presented](QWidget* parent) {
                             fraSelectMethod->hide();
                             frBlank->show();
                             return RunOnscreenTest(parent, msgPanel, presented);
                         }});
        QApplication::processEvents();
        if (presented)
            while (!AskSecretCode()) {
            }
    } else if (index == 1) {
        fraSelectMethod->hide();
        frBlank->show();
        RunRegistration(this, RegistrationKind::NewClient,
                        {.answersFirst = {}, .answers = RunModalStep<frmNewEntry>});
    } else if (index == 2) {
        fraSelectMethod->hide();
        frBlank->show();
        RunRegistration(this, RegistrationKind::NewClient, ScanRegistrationSteps());
    }
    done(QDialog::Accepted);
}
