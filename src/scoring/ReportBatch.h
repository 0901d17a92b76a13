#pragma once
// Several clients' reports printed in one go: every report is composed and set aside as "temp" + n
// before the first is printed, and each is then copied back over the report file and printed.
#include "scoring/ReportPrinting.h"
#include "scoring/ReportResult.h"

#include <functional>
#include <string>
#include <vector>

struct BatchReport {
    int slot = 0;          // the client's slot
    int copy = 0;          // n of its copy "temp" + n (its place in the batch, from 1)
    ReportResult composed; // a failure leaves no copy for this client
    bool printed = false;
};

// Scores each slot of `slots` in turn into `folder`/"REPORT.PRN" and copies the report to
// `folder`/"temp" + n, overwriting what is there. A client whose report cannot be composed gets no
// copy (an old "temp" + n of that number is removed), so no other client's report can stand in for it.
// CurrentClient is left at the last slot.
std::vector<BatchReport> ComposeReportBatch(const std::vector<int>& slots, const std::string& folder,
                                            const std::string& dataFolder);

// Copies each composed report back over the report file and prints it, in order, until one fails
// or `proceed` (asked before each report, with its position and the number of reports to print)
// says stop. Returns the failure, or success.
PrintResult PrintReportBatch(std::vector<BatchReport>& batch, const std::string& folder,
                             ReportPrinter& printer, bool dosPort,
                             const std::function<bool(int done, int total, int slot)>& proceed);
