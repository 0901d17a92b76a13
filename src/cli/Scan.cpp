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

int UsageError(const char* usage) {
    std::fprintf(stderr, "usage: tarvos-cli %s\n", usage);
    return SheetExit::Usage;
}

int RunScan(const std::vector<std::string>& args) {
    std::string device, database;
    std::vector<std::pair<std::string, std::string>> options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size())
            return UsageError(ScanUsage);
        const std::string& value = args[++i];
        if (a == "--device") {
            device = value;
        } else if (a == "--database") {
            database = value;
        } else if (a == "--today") {
            const auto today = ParseToday(value);
            if (!today)
                return UsageError(ScanUsage);
            SetToday(*today);
        } else if (a == "--option") {
            const std::size_t eq = value.find('=');
            if (eq == std::string::npos || eq == 0)
                return UsageError(ScanUsage);
            options.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else {
            return UsageError(ScanUsage);
        }
    }
    if (device.empty())
        device = ReadScannerSetting();
    if (database.empty())
        database = DefaultQuestionDatabase();

    SaneScanner scanner(device, options);
    const Acquisition acquired = scanner.Acquire({});
    if (!acquired.ok()) {
        std::fprintf(stderr, "%s\n", AcquisitionErrorMessage(acquired.error, acquired.detail).c_str());
        return SheetExit::DeviceFailure;
    }
    return ReportSheetScan(ReadAnswerSheet(PrepareScanImage(acquired.page), database));
}

int RunScanners(const std::vector<std::string>& args) {
    if (!args.empty())
        return UsageError(ScannersUsage);
    std::string error;
    const std::vector<ScannerDevice> devices = ListScanners(error);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return SheetExit::DeviceFailure;
    }
    for (const ScannerDevice& d : devices)
        std::printf("%s\t%s\n", d.name.c_str(), d.description.c_str());
    return 0;
}

const CliCommand scanCommand("scan", ScanUsage, RunScan);
const CliCommand scannersCommand("scanners", ScannersUsage, RunScanners);

} // namespace
