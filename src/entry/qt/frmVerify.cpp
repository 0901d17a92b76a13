#include "entry/qt/frmVerify.h"

#include "clients/ClientFile.h"
#include "entry/GridItems.h"
#include "entry/ResponseGridRules.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString EntryHelp = QStringLiteral("Enter response data from answer sheet. ") +
                          QStringLiteral("Press Backspace for previous question.");

QString QuestionLabel(int item) {
    return QStringLiteral("Question #") + QString::number(item);
}

// Each item's number of answers from the question database; where it cannot be read, the answer codes
// scoring accepts in each section.
ItemAnswerLimits LoadAnswerLimits() {
    ItemAnswerLimits limits = SectionAnswerLimits();
    GridItemList items;
    if (!LoadGridItems(QuestionDatabasePath, items).ok())
        return limits;
    for (const auto& [item, answer2] : items)
        if (item >= 1 && item <= ItemCount)
            limits[static_cast<std::size_t>(item)] = AnswerColumnCount(AnswerTypeOf(answer2));
    return limits;
}
} // namespace

frmVerify::frmVerify(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmVerify"), QStringLiteral("Test Data Input Verification")) {
    auto* outer = new QVBoxLayout(this);
    frAll = new QGroupBox(QStringLiteral("Data Verification"), this);
    frAll->setObjectName(QStringLiteral("frAll"));
    outer->addWidget(frAll);
    auto* grid = new QGridLayout(frAll);
    auto makeFrame = [this](const char* name, const char* caption, QLineEdit*& box, QLabel*& label,
                            const char* boxName, const char* labelName) {
        auto* frame = new QGroupBox(QString::fromLatin1(caption), frAll);
        frame->setObjectName(QString::fromLatin1(name));
        auto* l = new QHBoxLayout(frame);
        label = new QLabel(frame);
        label->setObjectName(QString::fromLatin1(labelName));
        box = new QLineEdit(frame);
        box->setObjectName(QString::fromLatin1(boxName));
        box->setMaxLength(1);
        box->setFixedWidth(40);
        l->addWidget(label);
        l->addWidget(box);
        return frame;
    };
    Frame2 = makeFrame("Frame2", "Current Question", txtCurQuestion, lblCurQuestion, "txtCurQuestion",
                       "lblCurQuestion");
    Frame1 = makeFrame("Frame1", "Previous Question", txtPrevQuestion, lblPrevQuestion, "txtPrevQuestion",
                       "lblPrevQuestion");
    txtPrevQuestion->setReadOnly(true);
    txtPrevQuestion->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(Frame1, 0, 0);
    grid->addWidget(Frame2, 0, 1);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), frAll);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    ClickOnEnter(cmdCancel);
    grid->addWidget(cmdCancel, 1, 1, Qt::AlignRight);
    pnlMessage = new ::MsgPanel(this);
    pnlMessage->setObjectName(QStringLiteral("pnlMessage"));
    outer->addWidget(pnlMessage);

    txtCurQuestion->installEventFilter(this);
    cmdCancel->installEventFilter(this);
    connect(cmdCancel, &QPushButton::clicked, this, &frmVerify::cmdCancel_Click);
    resize(520, sizeHint().height());
    Form_Load();
}

frmVerify::~frmVerify() = default;

void frmVerify::Form_Load() {
    // The pass starts here, once: a window activated again after a message box keeps its pass.
    m_verify = std::make_unique<Verification>(
        ClientTable[static_cast<std::size_t>(CurrentClient)].Responses.str(), LoadAnswerLimits());
    UpdateLabels();
    pnlMessage->setText(EntryHelp);
    txtCurQuestion->setFocus(Qt::OtherFocusReason);
}

void frmVerify::UpdateLabels() {
    const int p = m_verify->VerifyPos();
    lblCurQuestion->setText(QuestionLabel(m_verify->CurrentItem()));
    Frame1->setVisible(p > 1);
    if (p > 1)
        lblPrevQuestion->setText(QuestionLabel(m_verify->ItemAt(p - 1)));
}

void frmVerify::txtCurQuestion_KeyPress(QKeyEvent* event) {
    txtCurQuestion->clear();
    if (m_saveFailed) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            WriteRecord(m_unsaved);
        else
            Beep();
        return;
    }
    const char key = event->key() == Qt::Key_Backspace ? '\b'
                     : event->text().size() == 1       ? static_cast<char>(event->text().at(0).toLatin1())
                                                       : '\0';
    switch (m_verify->Key(key)) {
    case Verification::KeyResult::Bell:
        Beep();
        return;
    case Verification::KeyResult::BackedUp: {
        const int p = m_verify->VerifyPos();
        if (p < 2) {
            lblPrevQuestion->clear();
            txtPrevQuestion->clear();
        } else {
            txtPrevQuestion->setText(QString(QLatin1Char(m_verify->EntryOf(m_verify->ItemAt(p - 1)))));
        }
        UpdateLabels();
        return;
    }
    case Verification::KeyResult::Stored:
        txtPrevQuestion->setText(QString(QLatin1Char(key)));
        UpdateLabels();
        return;
    case Verification::KeyResult::PassEnded:
        txtPrevQuestion->setText(QString(QLatin1Char(key)));
        EndOfPass();
        return;
    }
}

void frmVerify::EndOfPass() {
    switch (m_verify->EndPass()) {
    case Verification::PassResult::CorrectionNeeded:
        MsgBox(QStringLiteral("Data Correction needed. Please correct the following questions."), vbOKOnly,
               QStringLiteral("Data Corrections"));
        UpdateLabels();
        txtCurQuestion->clear();
        txtCurQuestion->setFocus(Qt::OtherFocusReason);
        return;
    case Verification::PassResult::NoDifferences:
        m_doneText = QStringLiteral("Data Verification complete. No corrections needed.");
        m_doneTitle = QStringLiteral("Data Verification.");
        WriteRecord(ClientTable[static_cast<std::size_t>(CurrentClient)].Responses.str());
        return;
    case Verification::PassResult::Corrected:
        m_doneText = QStringLiteral("Data Verification complete.");
        m_doneTitle = QStringLiteral("Data Verification");
        WriteRecord(m_verify->VerifyEntry());
        return;
    }
}

bool frmVerify::WriteRecord(const std::string& responses) {
    ClientRecord& record = ClientTable[static_cast<std::size_t>(CurrentClient)];
    const ClientRecord before = record;
    record.Responses = responses;
    if (auto err = SaveClientRecord(CurrentClient); !err.ok()) {
        record = before;
        m_saveFailed = true;
        m_unsaved = responses;
        MsgBox(
            FromCp1252(err.message()) +
                QStringLiteral("\r\nThe answers were not saved; they are kept in this window. Check the data "
                               "disk, then press Enter to save them again."),
            vbOKOnly | vbCritical, m_doneTitle);
        pnlMessage->setText(
            QStringLiteral("Press Enter to save the answers again, or Cancel to leave them."));
        txtCurQuestion->setFocus(Qt::OtherFocusReason);
        return false;
    }
    m_saveFailed = false;
    MsgBox(m_doneText, vbOKOnly, m_doneTitle);
    accept();
    return true;
}

void frmVerify::cmdCancel_Click() {
    reject();
}

void frmVerify::cmdCancel_GotFocus() {
    pnlMessage->setText(QStringLiteral("Press Enter to Cancel Data Verification ") +
                        QStringLiteral("and return to Main Menu"));
}

void frmVerify::cmdCancel_LostFocus() {
    pnlMessage->setText(
        m_saveFailed ? QStringLiteral("Press Enter to save the answers again, or Cancel to leave them.")
                     : EntryHelp);
}

bool frmVerify::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtCurQuestion && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        txtCurQuestion_KeyPress(key);
        return true;
    }
    if (watched == cmdCancel && event->type() == QEvent::FocusIn)
        cmdCancel_GotFocus();
    else if (watched == cmdCancel && event->type() == QEvent::FocusOut)
        cmdCancel_LostFocus();
    return TarvosDialog::eventFilter(watched, event);
}

bool frmVerify::CloseBox_Click() {
    cmdCancel_Click();
    return false;
}
