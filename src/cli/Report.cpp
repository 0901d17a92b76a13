// tarvos-cli report: the report of one client of a client file, exactly as the desktop program
// writes it, to a file or standard output. The client file is only read.
#include "cli/CliCommand.h"
#include "clients/ClientFile.h"
#include "clients/FileErrorInWords.h"
#include "scoring/ReportOptions.h"
#include "scoring/ScoreAndReport.h"
#include "shell/Cp1252.h"
#include "shell/FileIo.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace {
constexpr const char* Usage = "report CLIENTFILE SLOT [--summary] [--data DIR] [-o FILE]";

int Failure(const std::string& message) {
    return CliFail(ExitFailed, message);
}

// The report as a terminal shows it readably: UTF-8, plain line ends, a page break as an empty line,
// and no control byte of a damaged record that the terminal would take for a command.
std::string ForTerminal(const std::string& report) {
    std::string text;
    for (char c : Utf8FromCp1252(report)) {
        if (c == '\r')
            continue;
        if (c == '\f')
            c = '\n';
        else if ((static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') || c == 0x7f)
            c = '?';
        text += c;
    }
    return text;
}

std::optional<int> ParseSlot(const std::string& text) {
    int slot = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), slot);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return slot;
}

int RunReport(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::string dataFolder = ProgramFolder();
    std::string outputPath;
    bool summary = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--summary") {
            summary = true;
        } else if ((a == "--data" || a == "-o") && i + 1 < args.size()) {
            (a == "--data" ? dataFolder : outputPath) = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            return CliUsageError("report", "unknown or incomplete option '" + a + "'");
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2)
        return CliUsageError("report", "a client file and a slot number are needed");
    const std::string& clientFile = positional[0];
    const auto slot = ParseSlot(positional[1]);
    if (!slot)
        return CliUsageError("report", "'" + positional[1] + "' is not a slot number");

    if (auto err = ReadClientFile(clientFile, ClientTable, ClientCount); !err.ok())
        return Failure(FileErrorInWords(err));
    if (*slot < 1 || *slot > ClientCount)
        return Failure(clientFile + ": no client in slot " + positional[1] + " (the file holds " +
                       std::to_string(ClientCount) + ")");
    CurrentClient = static_cast<int16_t>(*slot);
    SummaryReport = summary;

    PublisherCode = ReadPublisherCode();

    // Compose in memory first, so that a failure writes nothing anywhere.
    std::string report;
    if (auto result = ScoreAndCompose(dataFolder, report); !result.ok())
        return Failure(result.message());
    if (outputPath.empty()) {
        if (::isatty(STDOUT_FILENO))
            report = ForTerminal(report);
        std::fwrite(report.data(), 1, report.size(), stdout);
        return FinishStandardOutput();
    }
    std::error_code ec;
    if (std::filesystem::equivalent(outputPath, clientFile, ec))
        return Failure(outputPath + ": is the client file, which this command never changes");
    if (FileError err = WriteFileAtomically(outputPath, report); !err.ok())
        return Failure(FileErrorInWords(err));
    return 0;
}

const CliCommand
    reportCommand({"report", Usage, "write the report of one client, as the desktop program writes it",
                   "SLOT is the client's number in the client list (1 to 51). The report is scored from\n"
                   "the data files of the program folder, or of DIR with --data; --summary adds the\n"
                   "one-page summary. With -o the report goes to FILE, else to standard output: there\n"
                   "the exact bytes of the report file (Windows-1252, CRLF line ends, form feeds) when\n"
                   "it is a file or a pipe, and readable UTF-8 when it is a terminal. CLIENTFILE is\n"
                   "only read; a failure writes nothing.\n"},
                  RunReport);
} // namespace
