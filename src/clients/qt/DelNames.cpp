#include "clients/qt/DelNames.h"

#include "clients/NameDeletion.h"
#include "scoring/ReportFiles.h"
#include "shell/ProgramFolder.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/WindowHelpers.h"

void DelNames() {
    const QString warning = QStringLiteral("You are about to delete the Client Name from\r"
                                           "all tests on this diskette. This should not be done\r"
                                           "until you have printed all reports and are finished\r"
                                           "with this diskette and ready to return it.\r"
                                           "\r"
                                           "Are you SURE you want to do this?");
    if (MsgBox(warning, vbYesNo | vbCritical, QStringLiteral("WARNING!")) != vbYes)
        return;
    BusyPointer();
    const NameDeletionResult result = DeleteClientNames();
    // The report file and its copies hold readable names too.
    const FileError copies = RemoveReportCopies(ProgramFolder());
    NormalPointer();
    if (!result.saveError.ok()) {
        MsgBox(FromCp1252(result.saveError.message()) +
                   QStringLiteral("\r\nThe names from client number %1 on were not deleted. Check the data "
                                  "disk, then run the operation again.")
                       .arg(result.failedSlot),
               vbOKOnly | vbCritical, AppTitle());
        return;
    }
    if (!copies.ok()) {
        MsgBox(QStringLiteral("The report copy %1 still holds client names and could not be removed: %2.\r\n"
                              "Delete it by hand.")
                   .arg(FromCp1252(copies.path), FromCp1252(copies.message())),
               vbOKOnly | vbExclamation, AppTitle());
        return;
    }
    MsgBox(QStringLiteral("Process complete. Press Enter to continue."), vbOKOnly, AppTitle());
}
