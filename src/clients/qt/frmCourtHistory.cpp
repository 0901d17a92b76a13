#include "clients/qt/frmCourtHistory.h"

#include "clients/ClientFile.h"
#include "clients/CourtHistoryRules.h"
#include "clients/Registration.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/WindowHelpers.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int LastItem = CourtItemCount - 1;
} // namespace

frmCourtHistory::frmCourtHistory(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmCourtHistory"), QStringLiteral("Court History")) {
    SetCancelChoice(1);
    auto* outer = new QVBoxLayout(this);
    auto* grid = AddFieldFrame(this, outer, frCourt, "frCourt");

    lblClientName = NewBoldLabel(frCourt, "lblClientName");
    grid->addWidget(lblClientName, 0, 0, 1, 2, Qt::AlignHCenter);

    for (int k = 1; k <= CourtItemCount; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        lblInfo[i] = new QLabel(FromCp1252(CourtItemLabel(k)), frCourt);
        lblInfo[i]->setObjectName(QStringLiteral("lblInfo_%1").arg(k - 1));
        txtItem[i] = new QLineEdit(frCourt);
        txtItem[i]->setObjectName(FromCp1252(CourtItemControl(k)));
        txtItem[i]->setMaxLength(2);
        txtItem[i]->setFixedWidth(48);
        txtItem[i]->installEventFilter(this);
        grid->addWidget(lblInfo[i], k, 0, Qt::AlignRight);
        grid->addWidget(txtItem[i], k, 1, Qt::AlignLeft);
        if (k > 1)
            setTabOrder(txtItem[i - 1], txtItem[i]);
    }
    auto* buttons = new QHBoxLayout;
    AddMenuChoices(frCourt, buttons, {QStringLiteral("Information OK"), QStringLiteral("Cancel Input")});
    grid->addLayout(buttons, CourtItemCount + 1, 0, 1, 2);
    setTabOrder(txtItem[LastItem], cmdMenuChoice[0]);
    setTabOrder(cmdMenuChoice[0], cmdMenuChoice[1]);
    AddStatusPanel(outer);
    adjustSize();
    Form_Load();
}

void frmCourtHistory::Form_Load() {
    if (const ClientRecord* slot = CurrentSlot())
        m_slotAtLoad = *slot;
    if (EditExisting || ScannedAnswers)
        GetCourtData();
}

void frmCourtHistory::Form_Activate() {
    TarvosDialog::Form_Activate();
    if (const ClientRecord* slot = CurrentSlot())
        lblClientName->setText(FromCp1252(slot->Name.view()));
    if (EditExisting || ScannedAnswers)
        cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
    else
        txtItem[0]->setFocus(Qt::OtherFocusReason);
    if (EditExisting)
        GetCourtData();
}

void frmCourtHistory::GetCourtData() {
    const ClientRecord* slot = CurrentSlot();
    if (!slot)
        return;
    const CourtFields fields = ::GetCourtData(*slot);
    for (std::size_t i = 0; i < fields.size(); ++i)
        txtItem[i]->setText(FromCp1252(fields[i]));
}

void frmCourtHistory::SaveCourtData() {
    ClientRecord* slot = CurrentSlot();
    if (!slot)
        return;
    CourtFields fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = ToCp1252(txtItem[i]->text());
    ::SaveCourtData(fields, *slot);
}

bool frmCourtHistory::CheckItem(int item) {
    QLineEdit* field = txtItem[static_cast<std::size_t>(item - 1)];
    const CourtCheck check = CheckCourtItem(item, ToCp1252(field->text()));
    field->setText(FromCp1252(check.text));
    if (check.accepted)
        return true;
    Beep();
    MsgBox(FromCp1252(CourtItemMessage(item)), vbOKOnly | vbCritical, QStringLiteral("Data Entry Error"));
    field->setFocus(Qt::OtherFocusReason);
    SelectAllText();
    return false;
}

void frmCourtHistory::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
    msgPanel->setText(
        index == 0 ? QStringLiteral("If information is correct press Enter or press Tab to change an entry.")
                   : QStringLiteral("Cancel information input and return to Main Menu."));
}

void frmCourtHistory::cmdMenuChoice_Click(int index) {
    if (index == 0) {
        for (int item = 1; item <= CourtItemCount; ++item)
            if (!CheckItem(item))
                return;
        SaveCourtData();
        Finish(true);
        return;
    }
    DiscardSlotChanges(m_slotAtLoad);
    Finish(false);
}

bool frmCourtHistory::eventFilter(QObject* watched, QEvent* event) {
    for (int k = 1; k <= CourtItemCount; ++k) {
        if (watched != txtItem[static_cast<std::size_t>(k - 1)])
            continue;
        if (event->type() == QEvent::FocusIn) {
            SelectAllText();
            HighlightLabel(this, LastItem, k - 1);
            msgPanel->setText(FromCp1252(CourtItemHelp(k)));
        } else if (event->type() == QEvent::FocusOut &&
                   static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
            ResetLabels(this, LastItem);
        } else if (event->type() == QEvent::KeyPress && IsEnterKey(static_cast<QKeyEvent*>(event))) {
            if (CheckItem(k))
                (k < CourtItemCount ? static_cast<QWidget*>(txtItem[static_cast<std::size_t>(k)])
                                    : static_cast<QWidget*>(cmdMenuChoice[0]))
                    ->setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;
    }
    return TarvosDialog::eventFilter(watched, event);
}
