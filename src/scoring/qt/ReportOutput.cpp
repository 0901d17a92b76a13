#include "scoring/qt/ReportOutput.h"

#include "clients/ClientFile.h"
#include "platform/CupsPrinter.h"
#include "scoring/ReportBatch.h"
#include "scoring/ReportFiles.h"
#include "scoring/ReportPrinting.h"
#include "scoring/ScoreAndReport.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/WindowHelpers.h"

#include <QApplication>
#include <QProgressDialog>

namespace {
QString Qs(const std::string& s) {
    return FromCp1252(s);
}
} // namespace

std::string ReportFilePath() {
    return JoinPath(ProgramFolder(), ReportFileName);
}

bool PrintReportFile(QWidget*) {
    BusyPointer();
    const PrintResult result = PrintReportFile(ProgramReportPrinter(), ReportFilePath(), PrintToDosPort);
    NormalPointer();
    if (!result.ok())
        MsgBox(Qs(result.message()), vbOKOnly | vbCritical, QStringLiteral("Print Report"));
    return result.ok();
}

bool PrintClientReports(QWidget* parent, const std::vector<int>& clientSlots) {
    if (clientSlots.empty())
        return true;
    BusyPointer();
    std::vector<BatchReport> batch = ComposeReportBatch(clientSlots, ProgramFolder(), ProgramFolder());
    NormalPointer();

    QProgressDialog progress(QStringLiteral("Preparing to print..."), QStringLiteral("Cancel"), 0,
                             static_cast<int>(clientSlots.size()), parent);
    progress.setObjectName(QStringLiteral("dlgPrintProgress"));
    progress.setWindowTitle(QStringLiteral("Printing Reports"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const PrintResult printed = PrintReportBatch(
        batch, ProgramFolder(), ProgramReportPrinter(), PrintToDosPort,
        [&progress](int done, int total, int slot) {
            progress.setMaximum(total);
            progress.setValue(done);
            progress.setLabelText(QStringLiteral("Printing report %1 of %2 (client number %3)...")
                                      .arg(done + 1)
                                      .arg(total)
                                      .arg(slot));
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
    progress.close();
    // The window that started the batch takes the keyboard back (bare X servers leave it without).
    if (parent) {
        parent->activateWindow();
        QApplication::processEvents();
    }

    bool clean = true;
    if (!printed.ok()) {
        MsgBox(Qs(printed.message()), vbOKOnly | vbCritical, QStringLiteral("Print Report"));
        clean = false;
    }
    QString failed;
    QStringList advice;
    for (const BatchReport& entry : batch)
        if (!entry.composed.ok()) {
            failed +=
                QStringLiteral("\r\nClient number %1: %2").arg(entry.slot).arg(Qs(entry.composed.message()));
            if (!advice.contains(Qs(entry.composed.advice())))
                advice << Qs(entry.composed.advice());
        }
    if (!advice.isEmpty())
        failed += QStringLiteral("\r\n") + advice.join(QStringLiteral("\r\n"));
    if (!failed.isEmpty()) {
        MsgBox(QStringLiteral("These reports could not be made and were not printed:") + failed,
               vbOKOnly | vbExclamation, QStringLiteral("Print Report"));
        clean = false;
    }
    return clean;
}

void PrintAllReports(QWidget* parent) {
    std::vector<int> clientSlots;
    for (int i = 1; i <= ClientCount; ++i)
        clientSlots.push_back(i);
    PrintClientReports(parent, clientSlots);
    CurrentClient = 1;
}

QString ReadReportText() {
    std::string bytes;
    if (!ReadWholeFile(ReportFilePath(), bytes).ok())
        return {};
    // The text box has its own line ends.
    return FromCp1252(ReportText(bytes))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .remove(QLatin1Char('\r'));
}
