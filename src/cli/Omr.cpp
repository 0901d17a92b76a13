// tarvos-cli omr IMAGE [--database FILE] [--today MM/DD/YYYY]
// Reads the marks of a scanned answer sheet (100 dpi page image) with the layout of the question
// database, writes the positions found into its "ScanItem" table as a scan does, and prints the values
// the client windows would receive.
#include "cli/CliCommand.h"
#include "clients/ClientFile.h"
#include "entry/ScanItemDatabase.h"
#include "entry/SheetFields.h"
#include "entry/qt/PageImage.h"
#include "shell/Clock.h"
#include "shell/FileNames.h"
#include "shell/ProgramFolder.h"

#include <cstdio>
#include <optional>

namespace {

constexpr const char* Usage = "omr IMAGE [--database FILE] [--today MM/DD/YYYY]";
constexpr const char* NoBoxAdvice =
    " is no answer sheet scanned whole and upright at 100 dpi; scan the sheet again, all of the page";

int Fail(const std::string& message) {
    return CliFail(ExitFailed, message);
}

struct OmrArguments {
    std::string image;
    std::string database;
    std::optional<std::chrono::year_month_day> today;
};

std::optional<OmrArguments> Parse(const std::vector<std::string>& args) {
    OmrArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--database" || a == "--today") && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (a == "--database") {
                parsed.database = value;
            } else {
                parsed.today = ParseDate(value);
                if (!parsed.today || value.size() != 10)
                    return std::nullopt;
            }
        } else if (a.empty() || a[0] == '-' || !parsed.image.empty()) {
            return std::nullopt;
        } else {
            parsed.image = a;
        }
    }
    if (parsed.image.empty())
        return std::nullopt;
    return parsed;
}

void Print(const char* name, const std::string& value) {
    std::printf("%s=%s\n", name, value.c_str());
}

int RunOmr(const std::vector<std::string>& args) {
    const std::optional<OmrArguments> parsed = Parse(args);
    if (!parsed)
        return CliUsageError("omr", "one page image is needed; a date is given as MM/DD/YYYY");
    if (parsed->today)
        SetToday(*parsed->today);
    const std::string database =
        parsed->database.empty() ? JoinPath(ProgramFolder(), QuestionDatabaseName) : parsed->database;

    for (const std::string& input : {parsed->image, database})
        if (auto problem = InputFileProblem(input))
            return Fail(*problem);

    QString imageError;
    const std::optional<PreparedPage> page =
        LoadPreparedPage(QString::fromStdString(parsed->image), imageError);
    if (!page)
        return Fail(imageError.toStdString());

    std::unique_ptr<ScanItemRecordset> items;
    try {
        items = ScanItemRecordset::Open(database);
    } catch (const ScanItemDatabaseError& e) {
        return Fail(e.what());
    }

    switch (RegisterSheet(*page)) {
    case Registration::NoAnchorBox:
        return Fail("Anchor Box not found: " + parsed->image + NoBoxAdvice);
    case Registration::NoReferenceBox:
        return Fail("Reference Box not found: " + parsed->image + NoBoxAdvice);
    case Registration::Registered:
        break;
    }
    const ScannedSheet sheet = ReadSheetFields(*items);
    ResetScanState();
    try {
        items->Close();
    } catch (const ScanItemDatabaseError& e) {
        return Fail(e.what());
    }

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
    return FinishStandardOutput();
}

const CliCommand
    omrCommand({"omr", Usage, "read the marks of a filled answer sheet from a scanned page image",
                "IMAGE is the whole sheet scanned at 100 dpi, in colour or grey (PNG, BMP, PPM, ...).\n"
                "The layout comes from TARVOS.MDB in the program folder, or FILE with --database;\n"
                "like a scan in the program, the positions found are recorded in its ScanItem table.\n"
                "Prints one NAME=VALUE line per field the client windows would receive. --today sets\n"
                "the date from which an age is worked out.\n"},
               RunOmr);

} // namespace
