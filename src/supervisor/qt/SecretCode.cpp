#include "supervisor/qt/SecretCode.h"

#include "shell/qt/MsgBox.h"
#include "shell/qt/frmMyInputBox.h"

#include <QApplication>

namespace {
const QString Code = QStringLiteral("K");
const QString Title = QStringLiteral("Secret Code");
} // namespace

bool AskSecretCode() {
    for (;;) {
        frmMyInputBox box(QApplication::activeWindow());
        box.InputLength = 8;
        box.HelpMessage = QStringLiteral(
            "Enter the Secret Code to continue.  For security, asterisks (*) will show as you type.");
        box.setWindowTitle(Title);
        box.PasswordInput = true;
        box.exec();
        if (box.Cancelled || box.result() != QDialog::Accepted)
            return false;
        if (box.InputValue.toUpper() == Code)
            return true;
        MsgBox(QStringLiteral("Incorrect Secret Code.  Please try again."), vbOKOnly | vbCritical, Title);
    }
}
