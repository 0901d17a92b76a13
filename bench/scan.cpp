// A whole scan from SANE's pnm device (acquire an 850 x 1400 colour page, prepare it, register it,
// read the 181 locations with the question database's layout table) against the acquisition alone.
// bench/run prints the ratio of the two in its table (goal: at most 1.2).
#include "entry/SheetScan.h"
#include "entry/qt/AnswerSheetDrawing.h"
#include "platform/SaneScanner.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

struct PnmSetup {
    std::string folder, page, database;
    bool ready = false;
};

// A private SANE configuration listing the pnm backend, the sheet as a P6 page and a copy of the
// question database, in memory-backed /dev/shm when it exists.
const PnmSetup& Setup() {
    static const PnmSetup setup = [] {
        PnmSetup s;
        std::string folder =
            (std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp") + std::string("/tarvos-bench-XXXXXX");
        if (!::mkdtemp(folder.data()))
            return s;
        s.folder = folder;
        std::FILE* f = std::fopen((folder + "/dll.conf").c_str(), "w");
        if (!f)
            return s;
        std::fputs("pnm\n", f);
        std::fclose(f);
        ::setenv("SANE_CONFIG_DIR", folder.c_str(), 1);
        s.page = folder + "/page.ppm";
        s.database = folder + "/TARVOS.MDB";
        std::error_code ec;
        std::filesystem::copy_file(TARVOS_BUILD_DIR "/TARVOS.MDB", s.database, ec);
        s.ready = !ec && RenderAnswerSheet(AnswerSheetLayout(), 100)
                             .convertToFormat(QImage::Format_RGB888)
                             .save(QString::fromStdString(s.page), "PPM");
        return s;
    }();
    return setup;
}

Acquisition Acquire() {
    SaneScanner scanner("pnm:0", {{"filename", Setup().page}});
    return scanner.Acquire({});
}

// Acquires the page in each round; with `read`, also prepares it and reads its 181 locations.
void Scan(benchmark::State& state, bool read) {
    if (!Setup().ready)
        return state.SkipWithError("the pnm page or the database could not be set up");
    for (auto _ : state) {
        const Acquisition a = Acquire();
        if (!a.ok())
            return state.SkipWithError(a.detail.c_str());
        benchmark::DoNotOptimize(a.page.pixels.data());
        if (!read)
            continue;
        const SheetScan scan = ReadAnswerSheet(PrepareScanImage(a.page), Setup().database);
        if (!scan.read)
            return state.SkipWithError("the page was not read");
        benchmark::DoNotOptimize(scan.sheet.ScannedResponses.data());
    }
}
void AcquisitionOnly(benchmark::State& state) {
    Scan(state, false);
}
void WholeScan(benchmark::State& state) {
    Scan(state, true);
}

BENCHMARK(AcquisitionOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeScan)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!Setup().folder.empty())
        std::filesystem::remove_all(Setup().folder);
    return 0;
}
