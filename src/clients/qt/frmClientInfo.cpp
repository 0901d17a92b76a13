#include "clients/qt/frmClientInfo.h"

#include "clients/ClientFile.h"
#include "clients/Registration.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/MsgPanel.h"
#include "shell/qt/StartupErrors.h"
#include "shell/qt/WindowHelpers.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace {
constexpr int LastField = ClientFieldCount - 1;

QString Qs(std::string_view text) {
    return FromCp1252(text);
}

// The masked date field takes its blanks as "_"; setting its text fills only the typed positions.
QString DateInput(const QString& shown) {
    if (shown.startsWith(QLatin1Char('N'), Qt::CaseInsensitive) && shown.contains(QLatin1Char('_')))
        return QStringLiteral("N");
    if (shown == Qs(EmptyDateText))
        return {};
    return shown;
}
} // namespace

frmClientInfo::frmClientInfo(QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmClientInfo"), QStringLiteral("Client Information")) {
    SetCancelChoice(1);
    auto* outer = new QVBoxLayout(this);
    auto* grid = AddFieldFrame(this, outer, frClient, "frClient");

    auto text = [this](const char* name, int length) {
        auto* edit = new QLineEdit(frClient);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(length);
        return edit;
    };
    auto list = [this](const char* name, ClientField field) {
        auto* combo = new QComboBox(frClient);
        combo->setObjectName(QLatin1String(name));
        combo->setEditable(true);
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        for (int i = 0; i < ListEntryCount(field); ++i)
            combo->addItem(Qs(ListEntries(field)[static_cast<std::size_t>(i)]));
        combo->setCurrentIndex(-1);
        connect(combo, &QComboBox::editTextChanged, this, [this, field] { List_Change(field); });
        combo->view()->installEventFilter(this);
        return combo;
    };
    txtName = text("txtName", 25);
    txtSSN = text("txtSSN", 11);
    txtAge = text("txtAge", 2);
    cmbGender = list("cmbGender", ClientField::Gender);
    cmbRace = list("cmbRace", ClientField::Race);
    txtEducation = text("txtEducation", 2);
    cmbMarital = list("cmbMarital", ClientField::Marital);
    mebDateOfBirth = new QLineEdit(frClient);
    mebDateOfBirth->setObjectName(QStringLiteral("mebDateOfBirth"));
    mebDateOfBirth->setInputMask(QStringLiteral(">n0/00/0000;_"));
    txtName->setMinimumWidth(260);

    for (int i = 0; i < ClientFieldCount; ++i) {
        const auto field = static_cast<ClientField>(i);
        auto* label = new QLabel(Qs(FieldLabel(field)), frClient);
        label->setObjectName(QStringLiteral("lblInfo_%1").arg(i));
        lblInfo[static_cast<std::size_t>(i)] = label;
        grid->addWidget(label, i, 0, Qt::AlignRight);
        QWidget* w = FieldWidget(field);
        grid->addWidget(w, i, 1, Qt::AlignLeft);
        w->installEventFilter(this);
        if (i > 0)
            setTabOrder(FieldWidget(static_cast<ClientField>(i - 1)), w);
    }
    for (QComboBox* combo : {cmbGender, cmbRace, cmbMarital})
        combo->setMinimumWidth(170);

    auto* buttons = new QHBoxLayout;
    AddMenuChoices(frClient, buttons, {QStringLiteral("Information OK"), QStringLiteral("Cancel Input")});
    grid->addLayout(buttons, ClientFieldCount, 0, 1, 2);
    setTabOrder(mebDateOfBirth, cmdMenuChoice[0]);
    setTabOrder(cmdMenuChoice[0], cmdMenuChoice[1]);

    AddStatusPanel(outer);
    adjustSize();
    Form_Load();
}

QWidget* frmClientInfo::FieldWidget(ClientField field) const {
    switch (field) {
    case ClientField::Name:
        return txtName;
    case ClientField::SSN:
        return txtSSN;
    case ClientField::Age:
        return txtAge;
    case ClientField::Gender:
        return cmbGender;
    case ClientField::Race:
        return cmbRace;
    case ClientField::Education:
        return txtEducation;
    case ClientField::Marital:
        return cmbMarital;
    case ClientField::DateOfBirth:
        return mebDateOfBirth;
    }
    return nullptr;
}

QComboBox* frmClientInfo::ListOf(ClientField field) const {
    return qobject_cast<QComboBox*>(FieldWidget(field));
}

QString frmClientInfo::FieldText(ClientField field) const {
    if (QComboBox* combo = ListOf(field))
        return combo->currentText();
    if (field == ClientField::DateOfBirth)
        return mebDateOfBirth->displayText();
    return static_cast<QLineEdit*>(FieldWidget(field))->text();
}

void frmClientInfo::SetFieldText(ClientField field, const QString& text) {
    if (QComboBox* combo = ListOf(field))
        combo->setEditText(text);
    else if (field == ClientField::DateOfBirth)
        mebDateOfBirth->setText(DateInput(text));
    else
        static_cast<QLineEdit*>(FieldWidget(field))->setText(text);
}

bool frmClientInfo::FieldEmpty(ClientField field) const {
    const QString text = FieldText(field);
    if (field == ClientField::DateOfBirth)
        return text.trimmed().isEmpty() || text == Qs(EmptyDateText);
    return text.trimmed().isEmpty();
}

ClientInfoValues frmClientInfo::ScreenValues() const {
    auto position = [this](ClientField f) {
        return ListEntryForText(f, ToCp1252(FieldText(f).trimmed())).value_or(-1);
    };
    ClientInfoValues v;
    v.Name = ToCp1252(txtName->text());
    v.SSN = ToCp1252(txtSSN->text());
    v.Age = ToCp1252(txtAge->text());
    v.Gender = position(ClientField::Gender);
    v.Race = position(ClientField::Race);
    v.Education = ToCp1252(txtEducation->text());
    v.Marital = position(ClientField::Marital);
    v.DateOfBirth = ToCp1252(mebDateOfBirth->displayText());
    return v;
}

void frmClientInfo::Form_Load() {
    m_loadedValues = {};
    // A scanned sheet arrives in the new client's slot; the window opens filled for checking.
    if (EditExisting || ScannedAnswers) {
        RecordToScreen();
    } else {
        EditCountNow = 0;
        NameDeletedNow = 0;
    }
}

void frmClientInfo::Form_Activate() {
    TarvosDialog::Form_Activate();
    if (EditExisting || ScannedAnswers)
        cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
    else
        txtName->setFocus(Qt::OtherFocusReason);
    if (NameDeletedNow == 1)
        MsgBox(QStringLiteral(
                   "This client's name has been deleted.\nEditing this information is no longer permitted."),
               vbOKOnly | vbInformation, QStringLiteral("Name Deleted"));
    else if (EditCountNow >= EditLimit)
        MsgBox(QStringLiteral(
                   "This client's information has been changed 3 times.\nNo further editing is permitted. "
                   "Press Enter to continue."),
               vbOKOnly | vbInformation, QStringLiteral("Edit Limit Reached"));
}

void frmClientInfo::RecordToScreen() {
    if (CurrentClient < 1 || CurrentClient > MaxClients)
        return;
    const ClientRecord& record = ClientTable[static_cast<std::size_t>(CurrentClient)];
    const ClientInfoValues v = ClientInfoFromRecord(record);
    txtName->setText(Qs(v.Name));
    txtSSN->setText(Qs(v.SSN));
    txtAge->setText(Qs(v.Age));
    txtEducation->setText(Qs(v.Education));
    m_changingList = true;
    for (auto [field, code] : {std::pair{ClientField::Gender, v.Gender}, std::pair{ClientField::Race, v.Race},
                               std::pair{ClientField::Marital, v.Marital}}) {
        ListOf(field)->setCurrentIndex(code);
        ListOf(field)->setEditText(code >= 0 ? ListOf(field)->itemText(code) : QString());
    }
    m_changingList = false;
    mebDateOfBirth->setText(DateInput(Qs(v.DateOfBirth)));
    NameDeletedNow = StatusNumber(record.NameDeleted);
    EditCountNow = StatusNumber(record.EditCount);
    m_storedEditCount = EditCountNow;
    m_loadedValues = LoadedValuesOf(ScreenValues());
    if (RecordLocked(NameDeletedNow, EditCountNow)) {
        LockFields();
        msgPanel->setText(
            NameDeletedNow == 1
                ? QStringLiteral("Client name has been deleted. Editing is not permitted. Press Enter to "
                                 "continue.")
                : QStringLiteral("Exceeded limits of editing. Press Enter to continue."));
    }
}

void frmClientInfo::LockFields() {
    for (int i = 0; i < ClientFieldCount; ++i)
        FieldWidget(static_cast<ClientField>(i))->setEnabled(false);
}

bool frmClientInfo::FieldsLocked() const {
    return !txtName->isEnabled();
}

void frmClientInfo::ShowEditLimitMessage() {
    MsgBox(QStringLiteral("This client's information has been editted.\n3 times already. Further editting of "
                          "this\ninformation is no longer permitted."),
           vbOKOnly | vbInformation, QStringLiteral("Edit Limit Reached"));
}

void frmClientInfo::RecordFieldChange(ClientField field) {
    if (!EditExisting)
        return;
    const auto change =
        ::RecordFieldChange(field, ClientFieldText(ScreenValues(), field), m_loadedValues, EditCountNow);
    if (change != FieldChange::LimitReached || !FieldWidget(field)->isEnabled())
        return;
    // The focus is still changing: show the message once it has settled.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible() || FieldsLocked())
            return;
        ShowEditLimitMessage();
        LockFields();
        cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
        // The window may not have the keyboard back from the message yet, and then no field hears
        // that it lost the focus: its label is set back here.
        ResetLabels(this, LastField);
    });
}

bool frmClientInfo::CheckField(ClientField field) {
    if (IsListField(field))
        return CheckListField(field, ToCp1252(FieldText(field)));
    const FieldCheck check = CheckTextField(field, ToCp1252(FieldText(field)));
    if (check.accepted)
        SetFieldText(field, Qs(check.text));
    return check.accepted;
}

void frmClientInfo::RefuseField(ClientField field) {
    Beep();
    if (!IsListField(field) && field != ClientField::Name)
        SetFieldText(field, Qs(CheckTextField(field, ToCp1252(FieldText(field))).text));
    MsgBox(Qs(FieldMessage(field)), vbOKOnly | vbCritical, AppTitle());
    FieldWidget(field)->setFocus(Qt::OtherFocusReason);
    SelectAllText();
}

void frmClientInfo::MoveToNext(ClientField field) {
    const int next = static_cast<int>(field) + 1;
    if (next > LastField)
        cmdMenuChoice[0]->setFocus(Qt::TabFocusReason);
    else
        FieldWidget(static_cast<ClientField>(next))->setFocus(Qt::TabFocusReason);
}

bool frmClientInfo::Field_KeyPress(ClientField field, QKeyEvent* event) {
    if (IsEnterKey(event)) {
        if (CheckField(field))
            MoveToNext(field);
        else
            RefuseField(field);
        return true;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.at(0).isPrint())
        return false;
    if (FieldAcceptsChar(field, typed.at(0).unicode()))
        return false;
    if (QComboBox* combo = ListOf(field))
        combo->setEditText(QString());
    Beep();
    return true;
}

void frmClientInfo::List_Change(ClientField field) {
    if (m_changingList)
        return;
    QComboBox* combo = ListOf(field);
    const QString text = combo->currentText();
    if (text.isEmpty())
        return;
    const ListMatch match = MatchListText(field, ToCp1252(text));
    if (match.kind != ListMatch::Entry) {
        // Only a text that matches nothing opens the list; the start of an entry's letters waits.
        const bool open = match.kind == ListMatch::None && combo->hasFocus();
        if (open && !combo->view()->isVisible())
            combo->showPopup();
        else if (!open && combo->view()->isVisible())
            combo->hidePopup();
        return;
    }
    const int entry = match.entry;
    if (combo->view()->isVisible())
        combo->hidePopup();
    const QString entryText = combo->itemText(entry);
    if (combo->currentIndex() == entry && text == entryText)
        return;
    m_changingList = true;
    combo->setCurrentIndex(entry);
    combo->setEditText(entryText);
    combo->lineEdit()->selectAll();
    m_changingList = false;
}

void frmClientInfo::Field_GotFocus(ClientField field) {
    SelectAllText();
    HighlightLabel(this, LastField, static_cast<int>(field));
    msgPanel->setText(Qs(FieldHelp(field)));
}

void frmClientInfo::Field_LostFocus(ClientField field) {
    if (!IsListField(field) && field != ClientField::DateOfBirth && FieldText(field) == QLatin1String("n"))
        SetFieldText(field, QStringLiteral("N"));
    ResetLabels(this, LastField);
    if (IsListField(field))
        List_Change(field);
    RecordFieldChange(field);
}

void frmClientInfo::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(index);
    if (index == 1)
        msgPanel->setText(QStringLiteral("Cancel information input and return to Main Menu."));
    else if (NameDeletedNow == 1)
        msgPanel->setText(QStringLiteral("Client name has been deleted. No further editing is permitted."));
    else if (EditCountNow >= EditLimit)
        msgPanel->setText(QStringLiteral("Exceeded limits of editing. No further editing is permitted."));
    else
        msgPanel->setText(
            QStringLiteral("If information is correct press Enter or press Tab to change an entry."));
}

void frmClientInfo::cmdMenuChoice_Click(int index) {
    if (index != 0) {
        Finish(false);
        return;
    }
    if (!FieldsLocked()) {
        for (int i = 0; i <= LastField; ++i) {
            const auto field = static_cast<ClientField>(i);
            if (FieldEmpty(field) || !CheckField(field)) {
                RefuseField(field);
                return;
            }
        }
    }
    const ClientInfoStore stored = StoreClientInformation(ScreenValues(), m_storedEditCount, EditCountNow);
    switch (stored.outcome) {
    case ClientInfoOutcome::Continue:
        Finish(true);
        break;
    case ClientInfoOutcome::Cancel:
        Finish(false);
        break;
    case ClientInfoOutcome::Stay:
        break;
    case ClientInfoOutcome::WriteFailed:
        // Nothing was stored: let the user retry or cancel.
        MsgBox(UnexpectedErrorText(stored.error), vbOKOnly | vbCritical, AppTitle());
        cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
        break;
    }
}

// A key typed while a list field's drop-down is open belongs to the field, not to the list's own
// search: the list closes and the field takes the key. Arrows, Enter and Esc still work the list.
bool frmClientInfo::ListView_KeyPress(ClientField field, QKeyEvent* event) {
    const bool typing = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete ||
                        (!event->text().isEmpty() && event->text().at(0).isPrint());
    if (!typing)
        return false;
    QComboBox* combo = ListOf(field);
    combo->hidePopup();
    if (!Field_KeyPress(field, event)) {
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QCoreApplication::sendEvent(combo->lineEdit(), &copy);
    }
    return true;
}

bool frmClientInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (const auto field : {ClientField::Gender, ClientField::Race, ClientField::Marital})
            if (watched == ListOf(field)->view())
                return ListView_KeyPress(field, static_cast<QKeyEvent*>(event));
    }
    for (int i = 0; i < ClientFieldCount; ++i) {
        const auto field = static_cast<ClientField>(i);
        if (watched != FieldWidget(field))
            continue;
        switch (event->type()) {
        case QEvent::KeyPress:
            return Field_KeyPress(field, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            // Back from the field's own drop-down: the field was never left, and what the user typed
            // stays as typed (not selected, so the next key adds to it).
            if (std::exchange(m_inOwnList, false))
                break;
            Field_GotFocus(field);
            break;
        case QEvent::FocusOut: {
            // A message box or an open list takes the focus only for a moment: the field is not left.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            const QComboBox* list = ListOf(field);
            m_inOwnList = list && list->view()->isVisible();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !m_inOwnList)
                Field_LostFocus(field);
            break;
        }
        default:
            break;
        }
        return false;
    }
    return TarvosDialog::eventFilter(watched, event);
}
