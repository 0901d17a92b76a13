#include "cli/SheetOutput.h"

#include "clients/ClientFile.h"
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
    return JoinPath(ProgramFolder(), "TARVOS.MDB");
}

int ReportSheetScan(const SheetScan& scan) {
    switch (scan.registration) {
    case Registration::NoAnchorBox:
        std::fprintf(stderr, "Anchor Box not found\n");
        return SheetExit::NoAnchorBox;
    case Registration::NoReferenceBox:
        std::fprintf(stderr, "Reference Box not found\n");
        return SheetExit::NoReferenceBox;
    case Registration::Registered:
        break;
    }
    if (!scan.read) {
        std::fprintf(stderr, "%s\n", scan.databaseError.c_str());
        return SheetExit::Usage;
    }
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
            std::fprintf(stderr, "Warning: %s\n", warning->c_str());
    if (!scan.unreadWarning.empty()) {
        std::fprintf(stderr, "%s\n", scan.unreadWarning.c_str());
        return SheetExit::Usage;
    }
    return SheetExit::Read;
}
