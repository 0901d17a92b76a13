#pragma once
// Printing the report file: the printer layer's interface and PrintReportFile, which picks the path
// the settings ask for (the printer's page layout, or the DOS printer port).
#include <string>

struct PrintResult {
    std::string printer; // the queue the report went to, or was meant for
    std::string cause;   // empty on success; else what went wrong, in plain words

    bool ok() const { return cause.empty(); }
    // One paragraph for a message box: the printer, the cause and what to do.
    std::string message() const;
};

// The printer layer. Implementations: CUPS (src/platform) and a recording fake (tests).
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Prints the report's text (Windows-1252, CR LF, form feeds) on sheets of the printer's paper:
    // "Courier New" 11.5 pt, a new sheet at every form feed, no line or column cut.
    virtual PrintResult PrintText(const std::string& reportText) = 0;
    // Sends the bytes of the report file as the DOS printer port took them: a raw queue gets them
    // unchanged, any other queue as plain text for its text filter.
    virtual PrintResult PrintPort(const std::string& fileBytes) = 0;
};

// Prints the report file at `reportPath` on `printer`. With `dosPort` the file first gets one more
// form-feed line (as the DOS port print always left it) and its bytes go to PrintPort; otherwise its
// text goes to PrintText. A missing or unreadable report file is a failure naming the file.
PrintResult PrintReportFile(ReportPrinter& printer, const std::string& reportPath, bool dosPort);
