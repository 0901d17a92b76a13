#include "scoring/ReportBatch.h"

#include "clients/ClientFile.h"
#include "scoring/ReportFiles.h"
#include "scoring/ScoreAndReport.h"
#include "shell/ProgramFolder.h"

#include <algorithm>
#include <unistd.h>

std::vector<BatchReport> ComposeReportBatch(const std::vector<int>& slots, const std::string& folder,
                                            const std::string& dataFolder) {
    const std::string report = JoinPath(folder, ReportFileName);
    std::vector<BatchReport> batch;
    for (int slot : slots) {
        BatchReport entry;
        entry.slot = slot;
        entry.copy = static_cast<int>(batch.size()) + 1;
        const std::string copy = JoinPath(folder, ReportCopyName(entry.copy));
        CurrentClient = static_cast<int16_t>(slot);
        entry.composed = ScoreAndReport(report, dataFolder);
        if (entry.composed.ok()) {
            if (auto err = CopyReportFile(report, copy); !err.ok())
                entry.composed = ReportResult{err.number, copy, err.description};
        }
        if (!entry.composed.ok())
            ::unlink(copy.c_str());
        batch.push_back(entry);
    }
    return batch;
}

PrintResult PrintReportBatch(std::vector<BatchReport>& batch, const std::string& folder,
                             ReportPrinter& printer, bool dosPort,
                             const std::function<bool(int done, int total, int slot)>& proceed) {
    const std::string report = JoinPath(folder, ReportFileName);
    const int total = static_cast<int>(
        std::count_if(batch.begin(), batch.end(), [](const BatchReport& b) { return b.composed.ok(); }));
    int done = 0;
    for (BatchReport& entry : batch) {
        if (!entry.composed.ok())
            continue;
        if (proceed && !proceed(done, total, entry.slot))
            break;
        if (auto err = CopyReportFile(JoinPath(folder, ReportCopyName(entry.copy)), report); !err.ok())
            return PrintResult{"", "the report copy cannot be read back (" + err.message() + " on " +
                                       err.path + ")"};
        PrintResult printed = PrintReportFile(printer, report, dosPort);
        if (!printed.ok())
            return printed;
        entry.printed = true;
        ++done;
    }
    return {};
}
