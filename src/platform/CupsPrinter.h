#pragma once
// The printer layer on CUPS: the report's pages drawn by Qt on the queue's own paper, or the report
// file's bytes as a DOS printer port took them, submitted with lp (started directly, never through a
// shell) so that a refused job is reported with CUPS's own words.
#include "scoring/ReportPrinting.h"

#include <QPageSize>
#include <QStringList>

class CupsPrinter : public ReportPrinter {
public:
    // `queue` empty: the system's default queue at the time of each print.
    explicit CupsPrinter(std::string queue = {});

    PrintResult PrintText(const std::string& reportText) override;
    PrintResult PrintPort(const std::string& fileBytes) override;

private:
    // The queue to use now (its name, paper and whether it is raw), or a failure saying why there is
    // none or why it cannot print.
    PrintResult ChooseQueue(bool& raw, QPageSize& paper) const;
    PrintResult Submit(const std::string& queue, const QString& file, const QStringList& options) const;

    std::string m_queue;
};

// The printer the windows print on: the one installed by InstallReportPrinter, else CUPS with the
// queue named by the settings' [Options] Printer (the default queue when it is empty).
ReportPrinter& ActiveReportPrinter();
// Replaces the printer of the windows (tests); nullptr returns to CUPS.
void InstallReportPrinter(ReportPrinter* printer);
