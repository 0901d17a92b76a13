#include "presentation/qt/StoreTestAnswers.h"

#include "clients/ClientFile.h"
#include "clients/Registration.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"

bool StoreTestAnswers(const std::string& responses) {
    for (;;) {
        const FileError err = StoreClientAnswers(responses, !EditExisting);
        if (err.ok())
            return true;
        const QString problem = FromCp1252(err.message()) + QStringLiteral("\n") +
                                QString::fromLocal8Bit(err.path.empty() ? ClientFile : err.path);
        if (MsgBox(problem +
                       QStringLiteral("\n\nThe client's answers are not saved yet. Make sure the data disk "
                                      "is in place, then choose Retry."),
                   vbRetryCancel | vbCritical, AppTitle()) == vbRetry)
            continue;
        if (MsgBox(QStringLiteral("The client's answers to the test have not been saved and will be lost.\n"
                                  "Discard them?"),
                   vbYesNo | vbExclamation | vbDefaultButton2, AppTitle()) == vbYes)
            return false;
    }
}
