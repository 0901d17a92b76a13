#include "cli/SheetOutput.h"

#include "clients/ClientFile.h"
#include "shell/FileNames.h"
#include "shell/ProgramFolder.h"

#include <cstdio>

namespace {
void Print(const char* name, const std::string& value) {
    std::printf("%s=%s\n", name, value.c_str());
}
} // namespace

std::optional<std::chrono::year_month_day> ParseToday(const std::string& value) {
    if (value.size() != 10)
        return std::nullopt;
    return ParseDate(value);
}

std::string DefaultQuestionDatabase() {
    return JoinPath(ProgramFolder(), QuestionDatabaseName);
}

int ReportSheetScan(const SheetScan& scan, const std::string& source) {
    constexpr const char* NoBoxAdvice =
        " is no answer sheet scanned whole and upright at 100 dpi; scan the sheet again, all of the page";
    switch (scan.registration) {
    case Registration::NoAnchorBox:
        return CliFail(ExitFailed, "Anchor Box not found: " + source + NoBoxAdvice);
    case Registration::NoReferenceBox:
        return CliFail(ExitFailed, "Reference Box not found: " + source + NoBoxAdvice);
    case Registration::Registered:
        break;
    }
    if (!scan.read)
        return CliFail(ExitFailed, scan.databaseError);
    const ScannedSheet& sheet = scan.sheet;
    Print("SSN", sheet.SSN);
    Print("Gender", sheet.Gender);
    Print("Race", sheet.Race);
    Print("Marital", sheet.Marital);
    Print("DateOfBirth", sheet.DateOfBirth);
    Print("Age", sheet.Age);
    Print("Education", sheet.Education);
    for (std::size_t k = 0; k < sheet.CourtHistory.size(); ++k)
        Print(("CourtHistory" + std::to_string(k + 1)).c_str(), sheet.CourtHistory[k]);
    Print("Responses", sheet.ScannedResponses);
    std::string doubtful;
    for (const DoubtfulLocation& d : sheet.doubts)
        doubtful += (doubtful.empty() ? "" : ",") + std::to_string(d.record);
    Print("Doubtful", doubtful);
    if (!sheet.doubts.empty())
        std::fprintf(stderr, "%s\n", DescribeDoubts(sheet.doubts).c_str());
    for (const std::string* warning : {&scan.positionWarning, &scan.databaseError})
        if (!warning->empty())
            std::fprintf(stderr, "tarvos-cli: warning: %s\n", warning->c_str());
    if (!scan.unreadWarning.empty())
        return FinishStandardOutput(CliFail(ExitFailed, scan.unreadWarning));
    return FinishStandardOutput();
}
