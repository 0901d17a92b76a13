// tarvos-cli omr IMAGE [--database FILE] [--today MM/DD/YYYY]
// Reads the marks of a scanned answer sheet (100 dpi page image) with the layout of the question
// database, writes the positions found into its "ScanItem" table as a scan does, and prints the values
// the client windows would receive, then the records of doubtful marks. Exit codes as
// cli/SheetOutput.h gives them; 2 also for bad arguments or an unreadable image.
#include "cli/CliCommand.h"
#include "cli/SheetOutput.h"
#include "entry/qt/PageImage.h"
#include "shell/Clock.h"

#include <cstdio>
#include <optional>

namespace {

constexpr const char* Usage = "omr IMAGE [--database FILE] [--today MM/DD/YYYY]";

int Fail(const std::string& message, int code = 2) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return code;
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
                parsed.today = ParseToday(value);
                if (!parsed.today)
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
        return Fail(std::string("usage: tarvos-cli ") + Usage);
    if (parsed->today)
        SetToday(*parsed->today);
    const std::string database = parsed->database.empty() ? DefaultQuestionDatabase() : parsed->database;

    QString imageError;
    const std::optional<PreparedPage> page =
        LoadPreparedPage(QString::fromStdString(parsed->image), imageError);
    if (!page)
        return Fail(imageError.toStdString());
    return ReportSheetScan(ReadAnswerSheet(*page, database));
}

const CliCommand omrCommand("omr", Usage, RunOmr);

} // namespace
