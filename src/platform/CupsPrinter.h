#pragma once
// The printer layer on CUPS: the report's pages drawn by Qt on the queue's own paper, or the report
// file's bytes as a DOS printer port took them, submitted with lp (started directly, never through a
// shell) so that a refused job is reported with CUPS's own words.
#include "scoring/ReportPrinting.h"

#include <QPageSize>
#include <QStringList>
#include <memory>

class CupsPrinter : public ReportPrinter {
public:
    // `queue` empty: at each print, the queue named by the settings' [Options] Printer, or the
    // system's default queue when that is empty too.
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

// The printer layer of the program: CUPS unless a test installed another; nullptr puts CUPS back.
ReportPrinter& ProgramReportPrinter();
void SetProgramReportPrinter(std::unique_ptr<ReportPrinter> printer);
