#include "shell/qt/frmMyInputBox.h"

#include "shell/qt/MsgBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Password characters show as "*" whatever the widget style prefers.
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
} // namespace

frmMyInputBox::frmMyInputBox(QWidget* parent) : TarvosDialog(parent, QStringLiteral("frmMyInputBox")) {
    SetCancelChoice(1);
    SetActivationRepeats(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    lblHelpMsg = new QLabel(this);
    lblHelpMsg->setObjectName(QStringLiteral("lblHelpMsg"));
    lblHelpMsg->setWordWrap(true);
    layout->addWidget(lblHelpMsg);
    txtInput = new QLineEdit(this);
    txtInput->setObjectName(QStringLiteral("txtInput"));
    auto* style = new StarPasswordStyle;
    style->setParent(txtInput);
    txtInput->setStyle(style);
    layout->addWidget(txtInput);
    auto* buttons = new QHBoxLayout;
    AddMenuChoices(this, buttons, {QStringLiteral("Information OK"), QStringLiteral("Cancel Input")});
    layout->addLayout(buttons);
    txtInput->installEventFilter(this);
    setTabOrder(txtInput, cmdMenuChoice[0]);
    setTabOrder(cmdMenuChoice[0], cmdMenuChoice[1]);
    resize(420, sizeHint().height());
}

void frmMyInputBox::Form_Load() {
    Cancelled = false;
    InputValue.clear();
    txtInput->clear();
    txtInput->setFocus(Qt::OtherFocusReason);
}

// Runs on every activation, after a message box too.
void frmMyInputBox::Form_Activate() {
    txtInput->setMaxLength(InputLength > 0 ? InputLength : 32767);
    lblHelpMsg->setText(HelpMessage);
    txtInput->setEchoMode(PasswordInput ? QLineEdit::Password : QLineEdit::Normal);
    TarvosDialog::Form_Activate();
}

void frmMyInputBox::cmdMenuChoice_Click(int index) {
    if (index == 0) {
        if (txtInput->text().isEmpty()) {
            MsgBox(PasswordInput ? QStringLiteral("Please enter the required password.")
                                 : QStringLiteral("Please enter the required data."),
                   vbOKOnly | vbQuestion, QStringLiteral("Input required"));
            txtInput->setFocus(Qt::OtherFocusReason);
            return;
        }
        InputValue = txtInput->text();
        done(QDialog::Accepted);
    } else {
        Cancelled = true;
        done(QDialog::Rejected);
    }
}

void frmMyInputBox::txtInput_KeyPress(QKeyEvent* event) {
    if (IsEnterKey(event))
        cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
}

bool frmMyInputBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtInput && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(key)) {
            txtInput_KeyPress(key);
            return true;
        }
    }
    return TarvosDialog::eventFilter(watched, event);
}

// Each showing is a new prompt; the properties apply before the box is first drawn.
void frmMyInputBox::showEvent(QShowEvent* event) {
    Form_Load();
    Form_Activate();
    TarvosDialog::showEvent(event);
}
