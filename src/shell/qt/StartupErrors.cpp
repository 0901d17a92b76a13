#include "shell/qt/StartupErrors.h"

#include "clients/FileErrorInWords.h"
#include "shell/qt/MsgBox.h"

bool AskWriteProtectedRetry() {
    return MsgBox(QStringLiteral(
                      "Data disk write protected!\n\nSet the data disk to writable and replace in drive."),
                  vbOKCancel | vbCritical, QStringLiteral("Data Disk Error")) == vbOK;
}

QString UnexpectedErrorText(const FileError& err) {
    return QString::fromStdString(err.message()) + QStringLiteral("\n\n") +
           QString::fromLocal8Bit(FileErrorInWords(err));
}

bool StartupErrorRetry(const FileError& err) {
    switch (err.number) {
    case 52:
    case 53:
    case 57:
    case 71:
    case 3024:
    case 3044:
    case 3051:
        return MsgBox(QStringLiteral("Data disk not found!\n\nInsert data disk in drive A to continue."),
                      vbOKCancel | vbCritical, QStringLiteral("Data Disk Error")) == vbOK;
    case 70:
        return AskWriteProtectedRetry();
    default:
        MsgBox(UnexpectedErrorText(err), vbOKOnly, AppTitle());
        return false;
    }
}
