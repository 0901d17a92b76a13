// tarvos-cli omr IMAGE [--database FILE] [--today MM/DD/YYYY]
// Reads the marks of a scanned answer sheet (100 dpi page image) with the layout of the question
// database, writes the positions found into its "ScanItem" table as a scan does, and prints the values
// the client windows would receive, then the records of doubtful marks.
#include "cli/CliCommand.h"
#include "cli/SheetOutput.h"
#include "clients/ClientFile.h"
#include "entry/qt/PageImage.h"
#include "shell/Clock.h"
#include "shell/FileNames.h"
#include "shell/ProgramFolder.h"

#include <cstdio>
#include <optional>

namespace {

constexpr const char* Usage = "omr IMAGE [--database FILE] [--today MM/DD/YYYY]";

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
    return ReportSheetScan(ReadAnswerSheet(*page, database), parsed->image);
}

const CliCommand
    omrCommand({"omr", Usage, "read the marks of a filled answer sheet from a scanned page image",
                "IMAGE is the whole sheet scanned at 100 dpi, in colour or grey (PNG, BMP, PPM, ...).\n"
                "The layout comes from TARVOS.MDB in the program folder, or FILE with --database;\n"
                "like a scan in the program, the positions found are recorded in its ScanItem table.\n"
                "Prints one NAME=VALUE line per field the client windows would receive, then\n"
                "Doubtful= with the locations (1-181) to check against the paper. --today sets\n"
                "the date from which an age is worked out.\n"},
               RunOmr);

} // namespace
