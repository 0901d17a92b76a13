#include "shell/qt/DataDriveSetup.h"

#include "clients/ClientFile.h"
#include "clients/DataDrive.h"
#include "shell/Settings.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/StartupErrors.h"
#include "shell/qt/frmDriveSelect.h"

#include <QApplication>

namespace {
std::function<void()> g_refresh;
std::string g_lastCandidate;

enum class Handling { NotFound, WriteProtected, Other };

Handling Classify(int number) {
    switch (number) {
    case 52:
    case 53:
    case 57:
    case 71:
    case 76:
    case 3024:
    case 3044:
    case 3051:
        return Handling::NotFound;
    case 70:
        return Handling::WriteProtected;
    default:
        return Handling::Other;
    }
}

QString ChooseDrive() {
    frmDriveSelect window(QApplication::activeWindow());
    window.exec();
    return window.SelectedDrive;
}

void Refresh() {
    if (g_refresh)
        g_refresh();
}

// Returns to the folder in use before a failed change from the menu.
DriveSetup RestorePrevious(const std::string& previous) {
    FileError err = SetExistingDataFolder(previous);
    if (err.ok())
        err = LoadClientFile();
    if (!err.ok()) {
        MsgBox(QStringLiteral("Reload of original data disk failed, aborting Program"), vbOKOnly, AppTitle());
        return DriveSetup::EndProgram;
    }
    if (ReadFilePathSetting() != previous)
        (void)SaveFilePathSetting(previous);
    Refresh();
    return DriveSetup::Ended;
}
} // namespace

std::string LastDriveCandidate() {
    return g_lastCandidate;
}
void SetNameDisplayRefresher(std::function<void()> refresh) {
    g_refresh = std::move(refresh);
}

DriveSetup SetUpDataDrive(bool AtStartup) {
    const std::string previous = DataDrive;
    bool firstAttempt = true;
    for (;;) {
        const std::string folder =
            AtStartup && firstAttempt ? ReadFilePathSetting() : ChooseDrive().toLocal8Bit().toStdString();
        const QString candidate = QString::fromLocal8Bit(folder);
        firstAttempt = false;
        g_lastCandidate = folder;

        // The steps of an establishment; a failed step is repeated after "OK" to the write-protect message.
        std::function<FileError()> steps[] = {[&] { return SetDataFolder(folder); },
                                              [&] { return SaveFilePathSetting(folder); },
                                              [] { return LoadClientFile(); }};
        bool chooseAgain = false;
        for (std::size_t step = 0; step < std::size(steps) && !chooseAgain;) {
            const FileError err = steps[step]();
            if (err.ok()) {
                ++step;
                continue;
            }
            switch (Classify(err.number)) {
            case Handling::NotFound:
                if (MsgBox(QStringLiteral("No test information found on drive ") + candidate +
                               QStringLiteral(", would you like to try another drive?"),
                           vbYesNo, AppTitle()) == vbYes) {
                    chooseAgain = true;
                    break;
                }
                return AtStartup ? DriveSetup::EndProgram : RestorePrevious(previous);
            case Handling::WriteProtected:
                if (AskWriteProtectedRetry())
                    break; // the same step again
                return AtStartup ? DriveSetup::Ended : RestorePrevious(previous);
            case Handling::Other:
                // At start-up a folder that did not load is loaded again by the start-up handler,
                // which reports the failure: one message for one fault.
                if (!AtStartup || (!DataDrive.empty() && step + 1 != std::size(steps)))
                    MsgBox(UnexpectedErrorText(err), vbOKOnly, AppTitle());
                return AtStartup ? DriveSetup::Ended : RestorePrevious(previous);
            }
        }
        if (chooseAgain)
            continue;
        if (!AtStartup)
            Refresh();
        return DriveSetup::Established;
    }
}
