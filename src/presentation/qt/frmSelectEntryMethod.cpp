#include "presentation/qt/frmSelectEntryMethod.h"

#include "clients/ClientFile.h"
#include "clients/Registration.h"
#include "clients/qt/EntryDialog.h"
#include "clients/qt/frmClientInfo.h"
#include "clients/qt/frmCourtHistory.h"
#include "entry/qt/frmNewEntry.h"
#include "shell/RunState.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
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
// The onscreen test (0) and the scanner (2) are not part of this build yet.
constexpr std::array<bool, 4> ChoiceBuilt = {false, true, false, true};

template <class Window> bool RunStep(QWidget* parent) {
    Proceed = false;
    Window window(parent);
    window.exec();
    return Proceed;
}
} // namespace

frmSelectEntryMethod::frmSelectEntryMethod(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelectEntryMethod"));
    setWindowTitle(QStringLiteral("Entry Method"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    fraSelectMethod = new QGroupBox(QStringLiteral("Select Client Data Entry Method"), this);
    fraSelectMethod->setObjectName(QStringLiteral("fraSelectMethod"));
    auto* column = new QVBoxLayout(fraSelectMethod);
    column->setContentsMargins(30, 24, 30, 24);
    column->setSpacing(12);
    for (int i = 0; i <= LastChoice; ++i) {
        auto mc = MakeMenuChoice(fraSelectMethod, i, QString::fromLatin1(Captions[i]), this,
                                 [this](int k) { cmdMenuChoice_Click(k); });
        mc.ssp->setObjectName(QStringLiteral("shpMenuChoice_%1").arg(i));
        mc.cmd->setMinimumWidth(320);
        mc.cmd->setEnabled(ChoiceBuilt[static_cast<std::size_t>(i)]);
        shpMenuChoice[static_cast<std::size_t>(i)] = mc.ssp;
        cmdMenuChoice[static_cast<std::size_t>(i)] = mc.cmd;
        column->addWidget(mc.ssp);
        if (i > 0)
            setTabOrder(cmdMenuChoice[static_cast<std::size_t>(i - 1)], mc.cmd);
    }
    outer->addWidget(fraSelectMethod);
    frBlank = new QFrame(this);
    frBlank->setObjectName(QStringLiteral("frBlank"));
    frBlank->hide();
    MsgPanel = new ::MsgPanel(this);
    outer->addWidget(MsgPanel);
    adjustSize();
    Form_Load();
}

void frmSelectEntryMethod::Form_Load() {
    if (!(windowState() & Qt::WindowMaximized))
        CenterForm(this);
}

void frmSelectEntryMethod::Form_Activate() {
    frBlank->setGeometry(fraSelectMethod->geometry());
    ClearShpButtonColor(LastChoice);
    for (QPushButton* b : cmdMenuChoice) {
        if (b->isEnabled()) {
            b->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void frmSelectEntryMethod::ClearShpButtonColor(int lastIndex) {
    for (int i = 0; i <= lastIndex; ++i) {
        SetBackColor(shpMenuChoice[static_cast<std::size_t>(i)], PanelNormal);
        QFont f = cmdMenuChoice[static_cast<std::size_t>(i)]->font();
        f.setBold(false);
        cmdMenuChoice[static_cast<std::size_t>(i)]->setFont(f);
    }
}

void frmSelectEntryMethod::SetShpButtonColor(int lastIndex, int index) {
    ClearShpButtonColor(lastIndex);
    SetBackColor(shpMenuChoice[static_cast<std::size_t>(index)], PanelFocused);
    QFont f = cmdMenuChoice[static_cast<std::size_t>(index)]->font();
    f.setBold(true);
    cmdMenuChoice[static_cast<std::size_t>(index)]->setFont(f);
}

void frmSelectEntryMethod::cmdMenuChoice_GotFocus(int index) {
    SetShpButtonColor(LastChoice, index);
    MsgPanel->setText(QString::fromLatin1(HelpTexts[index]));
}

void frmSelectEntryMethod::cmdMenuChoice_Click(int index) {
    if (m_choosing)
        return;
    m_choosing = true;
    if (index == 1)
        EnterFromAnswerSheet();
    done(QDialog::Accepted);
}

void frmSelectEntryMethod::EnterFromAnswerSheet() {
    if (DataDiskFull())
        return;
    const int16_t previousClient = CurrentClient;
    const int16_t countBefore = ClientCount;
    fraSelectMethod->hide();
    frBlank->show();
    if (RunStep<frmClientInfo>(this) && RunStep<frmCourtHistory>(this))
        RunStep<frmNewEntry>(this);
    if (ClientCount == countBefore)
        AbandonNewClient(previousClient);
}

void frmSelectEntryMethod::done(int result) {
    QDialog::done(result);
    ActivateOpener(this);
}

bool frmSelectEntryMethod::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i <= LastChoice; ++i) {
        if (watched != cmdMenuChoice[static_cast<std::size_t>(i)])
            continue;
        if (event->type() == QEvent::FocusIn)
            cmdMenuChoice_GotFocus(i);
        else if (event->type() == QEvent::FocusOut)
            ClearShpButtonColor(LastChoice);
        return false;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSelectEntryMethod::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
    }
}

// The close box is "Cancel New Client Entry".
void frmSelectEntryMethod::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdMenuChoice_Click(LastChoice);
}

void frmSelectEntryMethod::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}
