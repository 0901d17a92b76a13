// tarvos-cli scan [--device NAME] [--option NAME=VALUE]... [--database FILE] [--today MM/DD/YYYY]
// Scans one page and prints what omr prints for it; a device failure prints its message and exits 5.
// tarvos-cli scanners: lists the local scanners, one "NAME<TAB>DESCRIPTION" line each.
#include "cli/CliCommand.h"
#include "cli/SheetOutput.h"
#include "entry/ScanErrors.h"
#include "platform/SaneScanner.h"
#include "shell/Clock.h"
#include "shell/Settings.h"

#include <cstdio>

namespace {

constexpr const char* ScanUsage =
    "scan [--device NAME] [--option NAME=VALUE]... [--database FILE] [--today MM/DD/YYYY]";
constexpr const char* ScannersUsage = "scanners";

int RunScan(const std::vector<std::string>& args) {
    std::string device, database;
    std::vector<std::pair<std::string, std::string>> options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size())
            return CliUsageError("scan", a + " needs a value");
        const std::string& value = args[++i];
        if (a == "--device") {
            device = value;
        } else if (a == "--database") {
            database = value;
        } else if (a == "--today") {
            const auto today = ParseToday(value);
            if (!today)
                return CliUsageError("scan", "a date is given as MM/DD/YYYY");
            SetToday(*today);
        } else if (a == "--option") {
            const std::size_t eq = value.find('=');
            if (eq == std::string::npos || eq == 0)
                return CliUsageError("scan", "an option is given as NAME=VALUE");
            options.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else {
            return CliUsageError("scan", "unknown argument " + a);
        }
    }
    if (device.empty())
        device = ReadScannerSetting();
    if (database.empty())
        database = DefaultQuestionDatabase();
    if (auto problem = InputFileProblem(database))
        return CliFail(ExitFailed, *problem);

    SaneScanner scanner(device, options);
    const Acquisition acquired = scanner.Acquire({});
    if (!acquired.ok())
        return CliFail(ExitDeviceFailure, AcquisitionErrorMessage(acquired.error, acquired.detail));
    return ReportSheetScan(ReadAnswerSheet(PrepareScanImage(acquired.page), database),
                           "the page from " + scanner.Name());
}

int RunScanners(const std::vector<std::string>& args) {
    if (!args.empty())
        return CliUsageError("scanners", "it takes no arguments");
    std::string error;
    const std::vector<ScannerDevice> devices = ListScanners(error);
    if (!error.empty())
        return CliFail(ExitDeviceFailure, error);
    for (const ScannerDevice& d : devices)
        std::printf("%s\t%s\n", d.name.c_str(), d.description.c_str());
    return FinishStandardOutput();
}

const CliCommand scanCommand(
    {"scan",
     ScanUsage,
     "scan one answer sheet and read its marks",
     "Scans one page at 100 dpi over the whole 8.5 x 14 inch page, in colour where the scanner\n"
     "offers it, else grey, and prints what omr prints for it. The scanner is NAME with --device,\n"
     "else Scanner= of [Options] in trvtest.ini, else the first one found (see scanners).\n"
     "--option sets a scanner option by name, as scanimage does (--option source=ADF).\n",
     {{ExitDeviceFailure, "the scanner failed; the message says what to do"}}},
    RunScan);
const CliCommand scannersCommand({"scanners",
                                  ScannersUsage,
                                  "list the scanners found on this computer",
                                  "Prints one line per local scanner: its name, a tab, its description.\n",
                                  {{ExitDeviceFailure, "the scanner support could not start"}}},
                                 RunScanners);

} // namespace
