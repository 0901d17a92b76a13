// Printing all 51 reports of a full disk: composing each report alone, against composing it and
// laying out its pages as the printer gets them, and (with CUPS_SERVER set, as bench/print_queue does
// with a private scheduler, as bench/run starts one) submitting each to the default queue. Prints the
// time per report and the overhead over composing alone; with --benchmark_out=FILE it also writes the
// figures there in Google Benchmark's JSON shape, for bench/table.py.
#include "FullDisk.h"
#include "clients/ClientFile.h"
#include "platform/CupsPrinter.h"
#include "platform/ReportPages.h"
#include "scoring/ReportFiles.h"
#include "scoring/ScoreAndReport.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {
using Clock = std::chrono::steady_clock;

double MsPerReport(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count() / MaxClients;
}

// The figures as one benchmark entry; a print figure < 0 was not measured, and `skipped` says why.
bool WriteJson(const std::string& path, double compose, double pages, double print, const char* skipped) {
    std::ofstream out(path, std::ios::trunc);
    out << "{\"benchmarks\": [{\"name\": \"PrintReports\", \"compose_ms\": " << compose
        << ", \"pages_ms\": " << pages;
    if (print >= 0)
        out << ", \"print_ms\": " << print;
    else
        out << ", \"print_skipped\": \"" << skipped << "\"";
    out << "}]}\n";
    out.close();
    if (!out)
        std::fprintf(stderr, "%s could not be written\n", path.c_str());
    return static_cast<bool>(out);
}
} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string jsonPath;
    for (int i = 1; i < argc; ++i)
        if (!std::strncmp(argv[i], "--benchmark_out=", 16))
            jsonPath = argv[i] + 16;
    QGuiApplication app(argc, argv);
    const std::string data = std::string(TARVOS_SOURCE_DIR) + "/tests/scoring/data/base";
    QTemporaryDir dir;
    const std::string report = dir.filePath("REPORT.PRN").toStdString();
    FillClients();

    // All reports composed first, as the batch print does.
    auto t0 = Clock::now();
    for (int slot = 1; slot <= MaxClients; ++slot) {
        CurrentClient = static_cast<int16_t>(slot);
        if (!ScoreAndReport(report, data).ok() ||
            !CopyReportFile(report, dir.filePath(QString::fromStdString(ReportCopyName(slot))).toStdString())
                 .ok())
            return 1;
    }
    const auto compose = Clock::now() - t0;

    t0 = Clock::now();
    for (int slot = 1; slot <= MaxClients; ++slot) {
        std::string bytes;
        if (!ReadWholeFile(dir.filePath(QString::fromStdString(ReportCopyName(slot))).toStdString(), bytes)
                 .ok())
            return 1;
        QString error;
        if (!WriteReportPdf(ReportText(bytes), QPageSize(QPageSize::Letter), dir.filePath("page.pdf"), error))
            return 1;
    }
    const auto pages = Clock::now() - t0;

    std::printf("reports                      %d\n", MaxClients);
    std::printf("composing, per report        %.2f ms\n", MsPerReport(compose));
    std::printf("page layout (PDF), per report %.2f ms (overhead over composing: %.0f%%)\n",
                MsPerReport(pages), 100.0 * MsPerReport(pages) / MsPerReport(compose));

    double print = -1;
    if (std::getenv("CUPS_SERVER")) {
        CupsPrinter printer;
        t0 = Clock::now();
        for (int slot = 1; slot <= MaxClients; ++slot) {
            std::string bytes;
            (void)ReadWholeFile(dir.filePath(QString::fromStdString(ReportCopyName(slot))).toStdString(),
                                bytes);
            const PrintResult result = printer.PrintText(ReportText(bytes));
            if (!result.ok()) {
                std::fprintf(stderr, "%s\n", result.message().c_str());
                return 1;
            }
        }
        const auto submit = Clock::now() - t0;
        print = MsPerReport(submit);
        std::printf("printing to the queue, per report %.2f ms on top of composing (queue look-up, "
                    "page layout, lp)\n",
                    print);
    } else {
        std::printf(
            "printing to a queue: skipped (no CUPS_SERVER: bench/run starts a private print system)\n");
    }
    if (!jsonPath.empty() && !WriteJson(jsonPath, MsPerReport(compose), MsPerReport(pages), print,
                                        "no private print system (CUPS_SERVER unset)"))
        return 1;
    return 0;
}
