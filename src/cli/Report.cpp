// tarvos-cli report: the report of one client of a client file, exactly as the desktop program
// writes it, to a file or standard output. The client file is only read.
#include "cli/CliCommand.h"
#include "clients/ClientFile.h"
#include "platform/ReportPages.h"
#include "scoring/ReportFiles.h"
#include "scoring/ReportOptions.h"
#include "scoring/ScoreAndReport.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {
constexpr const char* Usage = "report CLIENTFILE SLOT [--summary] [--data DIR] [--pdf] [-o FILE]";

int Failure(const std::string& message) {
    std::fprintf(stderr, "tarvos-cli report: %s\n", message.c_str());
    return 1;
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
    bool pdf = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--summary") {
            summary = true;
        } else if (a == "--pdf") {
            pdf = true;
        } else if ((a == "--data" || a == "-o") && i + 1 < args.size()) {
            (a == "--data" ? dataFolder : outputPath) = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            return Failure(std::string("unknown or incomplete option '") + a + "'; usage: tarvos-cli " +
                           Usage);
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2 || (pdf && outputPath.empty()))
        return Failure(std::string("usage: tarvos-cli ") + Usage);
    const std::string& clientFile = positional[0];
    const auto slot = ParseSlot(positional[1]);
    if (!slot)
        return Failure("'" + positional[1] + "' is not a slot number");

    if (auto err = ReadClientFile(clientFile, ClientTable, ClientCount); !err.ok())
        return Failure(clientFile + ": " + err.description);
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
        if (std::fwrite(report.data(), 1, report.size(), stdout) != report.size() || std::fflush(stdout) != 0)
            return Failure("standard output: write failed");
        return 0;
    }
    std::error_code ec;
    if (std::filesystem::equivalent(outputPath, clientFile, ec))
        return Failure(outputPath + ": is the client file, which this command never changes");
    if (pdf) {
        // The pages as the desktop program prints them and saves them as PDF.
        QString error;
        if (!WriteReportPdf(ReportText(report), DefaultReportPaper(), QString::fromStdString(outputPath),
                            error))
            return Failure(outputPath + ": cannot be written (" + error.toStdString() + ")");
        return 0;
    }
    const std::string temporary = outputPath + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(report.data(), static_cast<std::streamsize>(report.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, ec);
            return Failure(outputPath + ": cannot be written");
        }
    }
    std::filesystem::rename(temporary, outputPath, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return Failure(outputPath + ": cannot be written");
    }
    return 0;
}

const CliCommand reportCommand("report", Usage, RunReport);
} // namespace
