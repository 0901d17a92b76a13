#include "supervisor/qt/SecretCode.h"

#include "shell/qt/MsgBox.h"
#include "shell/qt/frmMyInputBox.h"

bool AskSecretCode(QWidget* parent) {
    for (;;) {
        // A fresh box each time: nothing typed before can come back.
        frmMyInputBox box(parent);
        box.InputLength = 8;
        box.HelpMessage = QStringLiteral(
            "Enter the Secret Code to continue.  For security, asterisks (*) will show as you type.");
        box.setWindowTitle(QStringLiteral("Secret Code"));
        box.PasswordInput = true;
        box.exec();
        if (box.Cancelled)
            return false;
        if (box.InputValue.toUpper() == QLatin1String("K"))
            return true;
        MsgBox(QStringLiteral("Incorrect Secret Code.  Please try again."), vbOKOnly | vbCritical,
               QStringLiteral("Secret Code"));
    }
}
