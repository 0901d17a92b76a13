#include "scoring/ReportPrinting.h"

#include "scoring/ReportFiles.h"

std::string PrintResult::message() const {
    if (printer.empty())
        return "The report was not printed: " + cause + ".";
    return "The report was not printed on the printer \"" + printer + "\": " + cause +
           ".\r\nCheck the printer, then print the report again.";
}

PrintResult PrintReportFile(ReportPrinter& printer, const std::string& reportPath, bool dosPort) {
    std::string bytes;
    FileError err;
    if (dosPort)
        err = AppendFormFeedLine(reportPath);
    if (err.ok())
        err = ReadWholeFile(reportPath, bytes);
    if (!err.ok())
        return PrintResult{"", "the report file " + reportPath + " cannot be read (" + err.message() + ")"};
    return dosPort ? printer.PrintPort(bytes) : printer.PrintText(ReportText(bytes));
}
