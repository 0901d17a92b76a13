#include "platform/CupsPrinter.h"

#include "platform/ReportPages.h"
#include "shell/Cp1252.h"
#include "shell/LayerSlot.h"
#include "shell/Settings.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace {
constexpr int LpTimeoutMs = 60000;
// CUPS names a queue without a driver (a line printer taking bytes as they come) so.
constexpr const char* RawQueueModel = "Local Raw Printer";

LayerSlot<ReportPrinter, CupsPrinter> printerSlot;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The text without the form-feed lines at its very end: they eject the last sheet of a line printer,
// but a text filter makes a blank sheet of each.
std::string WithoutTrailingFormFeeds(std::string text) {
    while (text.size() >= 3 && text.compare(text.size() - 3, 3, "\f\r\n") == 0)
        text.resize(text.size() - 3);
    return text;
}

bool WriteTemporary(QTemporaryFile& file, const std::string& bytes) {
    if (!file.open())
        return false;
    const auto written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    const bool ok = written == static_cast<qint64>(bytes.size()) && file.flush();
    file.close();
    return ok;
}
} // namespace

CupsPrinter::CupsPrinter(std::string queue) : m_queue(std::move(queue)) {}

PrintResult CupsPrinter::ChooseQueue(bool& raw, QPageSize& paper) const {
    raw = false;
    const std::string setting = m_queue.empty() ? ReadPrinterSetting() : std::string();
    const std::string chosen = m_queue.empty() ? setting : m_queue;
    const QString name = chosen.empty() ? QPrinterInfo::defaultPrinterName() : Q(chosen);
    if (name.isEmpty())
        return PrintResult{"", "no printer is set up on this computer; add one in the system's printer "
                               "settings (or name one as Printer= under [Options] in " +
                                   SettingsPath() + ")"};
    PrintResult result{name.toStdString(), ""};
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        result.cause = "there is no such printer on this computer";
        // The name came from the settings file: that is where it must be corrected.
        if (!setting.empty())
            result.cause += "; correct or remove Printer= under [Options] in " + SettingsPath();
        return result;
    }
    if (info.state() == QPrinter::Error) {
        result.cause = "the printer is stopped; start it again in the system's printer settings";
        return result;
    }
    raw = info.makeAndModel() == QLatin1String(RawQueueModel);
    paper = info.defaultPageSize();
    if (!paper.isValid())
        paper = DefaultReportPaper();
    return result;
}

PrintResult CupsPrinter::Submit(const std::string& queue, const QString& file,
                                const QStringList& options) const {
    PrintResult result{queue, ""};
    QStringList args{QStringLiteral("-d"), Q(queue), QStringLiteral("-t"), QStringLiteral("Tarvos report")};
    for (const QString& option : options)
        args << QStringLiteral("-o") << option;
    args << QStringLiteral("--") << file;
    QProcess lp;
    lp.setProgram(QStringLiteral("lp"));
    lp.setArguments(args);
    lp.start();
    if (!lp.waitForStarted()) {
        result.cause = "the print command lp cannot be started (" + lp.errorString().toStdString() +
                       "); install the package cups-client";
        return result;
    }
    if (!lp.waitForFinished(LpTimeoutMs)) {
        lp.kill();
        lp.waitForFinished();
        result.cause = "the print system did not answer within a minute";
        return result;
    }
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
        QString why = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        if (why.startsWith(QLatin1String("lp: ")))
            why = why.mid(4);
        while (why.endsWith(QLatin1Char('.')))
            why.chop(1);
        result.cause = why.isEmpty() ? "the print system refused the job" : why.toStdString();
    }
    return result;
}

PrintResult CupsPrinter::PrintText(const std::string& reportText) {
    bool raw = false;
    QPageSize paper;
    PrintResult queue = ChooseQueue(raw, paper);
    if (!queue.ok())
        return queue;
    // A line printer takes the text as the report file holds it, not a PDF.
    if (raw)
        return PrintPort(reportText + "\n\f\r\n");
    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/tarvos-report-XXXXXX.pdf"));
    if (!pdf.open()) {
        queue.cause = "no temporary file can be made in " + QDir::tempPath().toStdString();
        return queue;
    }
    QString error;
    const bool written = WriteReportPdf(reportText, paper, static_cast<QIODevice&>(pdf), error);
    if (written && !pdf.flush())
        error = pdf.errorString();
    pdf.close();
    if (!written || !error.isEmpty()) {
        queue.cause = "the pages could not be prepared in " + pdf.fileName().toStdString() + " (" +
                      error.toStdString() + ")";
        return queue;
    }
    return Submit(queue.printer, pdf.fileName(), {QStringLiteral("document-format=application/pdf")});
}

PrintResult CupsPrinter::PrintPort(const std::string& fileBytes) {
    bool raw = false;
    QPageSize paper;
    PrintResult queue = ChooseQueue(raw, paper);
    if (!queue.ok())
        return queue;
    // CUPS's text filter reads UTF-8 only (the scheduler drops any other charset), so a filtering
    // queue gets the Windows-1252 text converted, at 12 characters and 7 lines per inch so that a
    // page of 61 lines of 80 columns fits one sheet of Letter or A4. A raw queue gets the bytes as
    // they are.
    const std::string bytes = raw ? fileBytes : Utf8FromCp1252(WithoutTrailingFormFeeds(fileBytes));
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tarvos-report-XXXXXX.prn"));
    if (!WriteTemporary(file, bytes)) {
        queue.cause = "no temporary file can be written in " + QDir::tempPath().toStdString();
        return queue;
    }
    const QStringList options = raw ? QStringList{QStringLiteral("raw")}
                                    : QStringList{QStringLiteral("document-format=text/plain"),
                                                  QStringLiteral("cpi=12"), QStringLiteral("lpi=7")};
    return Submit(queue.printer, file.fileName(), options);
}

ReportPrinter& ProgramReportPrinter() {
    return printerSlot.Get();
}

void SetProgramReportPrinter(std::unique_ptr<ReportPrinter> printer) {
    printerSlot.Set(std::move(printer));
}
