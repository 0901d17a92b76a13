#include "shell/qt/frmMyInputBox.h"

#include "shell/qt/MsgBox.h"

#include <QCloseEvent>
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

frmMyInputBox::frmMyInputBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMyInputBox"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setModal(true);

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
    const QString captions[2] = {QStringLiteral("Information OK"), QStringLiteral("Cancel Input")};
    for (int i = 0; i < 2; ++i) {
        auto mc = MakeMenuChoice(this, i, captions[i], this, [this](int k) { cmdMenuChoice_Click(k); });
        sspMenuChoice[static_cast<std::size_t>(i)] = mc.ssp;
        cmdMenuChoice[static_cast<std::size_t>(i)] = mc.cmd;
        buttons->addWidget(mc.ssp);
    }
    layout->addLayout(buttons);
    txtInput->installEventFilter(this);
    setTabOrder(txtInput, cmdMenuChoice[0]);
    setTabOrder(cmdMenuChoice[0], cmdMenuChoice[1]);
    resize(420, sizeHint().height());
    Form_Load();
}

void frmMyInputBox::Form_Load() {
    if (!(windowState() & Qt::WindowMaximized))
        CenterForm(this);
    Cancelled = false;
}

void frmMyInputBox::Form_Activate() {
    txtInput->setMaxLength(InputLength > 0 ? InputLength : 32767);
    lblHelpMsg->setText(HelpMessage);
    txtInput->setEchoMode(PasswordInput ? QLineEdit::Password : QLineEdit::Normal);
    ResetMenuChoices(this, 1);
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
        accept();
    } else {
        Cancelled = true;
        QDialog::reject();
    }
}

void frmMyInputBox::cmdMenuChoice_GotFocus(int index) {
    HighlightMenuChoice(this, 1, index);
}

void frmMyInputBox::cmdMenuChoice_LostFocus(int) {
    ResetMenuChoices(this, 1);
}

void frmMyInputBox::txtInput_KeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        cmdMenuChoice[0]->setFocus(Qt::OtherFocusReason);
}

bool frmMyInputBox::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 2; ++i) {
        if (watched != cmdMenuChoice[static_cast<std::size_t>(i)])
            continue;
        if (event->type() == QEvent::FocusIn)
            cmdMenuChoice_GotFocus(i);
        else if (event->type() == QEvent::FocusOut)
            cmdMenuChoice_LostFocus(i);
        return false;
    }
    if (watched == txtInput && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            txtInput_KeyPress(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmMyInputBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QDialog::changeEvent(event);
}

void frmMyInputBox::showEvent(QShowEvent* event) {
    Form_Activate();
    QDialog::showEvent(event);
}

// The close box is the "Cancel Input" button.
void frmMyInputBox::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdMenuChoice_Click(1);
}

// Esc has no meaning here; Enter is handled by the focused control.
void frmMyInputBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}
