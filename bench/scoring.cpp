// ScoreAndReport for each of 51 clients in turn (printing every client's report), against the I/O
// floor: reading the ten data files and writing a report's bytes, with nothing computed.
#include "FullDisk.h"
#include "clients/ClientFile.h"
#include "scoring/DataReader.h"
#include "scoring/ReportData.h"
#include "scoring/ScoreAndReport.h"
#include "shell/ProgramFolder.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

// The shipped data files beside the program when present, else the tests' small data set.
std::string DataFolder() {
    if (fs::exists(JoinPath(ProgramFolder(), ScoringDataFileName)))
        return ProgramFolder();
    return std::string(TARVOS_SOURCE_DIR) + "/tests/scoring/data/base";
}

std::vector<std::string> DataFiles(const std::string& folder) {
    std::vector<std::string> files = {JoinPath(folder, ReportTextFileName),
                                      JoinPath(folder, ScoringDataFileName),
                                      JoinPath(folder, InvalidNoticeFileName)};
    for (int s = 1; s <= 7; ++s)
        files.push_back(JoinPath(folder, ParagraphFileNames[static_cast<std::size_t>(s)]));
    return files;
}

// One report's worth of I/O: the ten data files read, `bytes` written to `path`.
void IoFloor(const std::vector<std::string>& files, const std::string& path, const std::string& bytes) {
    for (const auto& f : files)
        benchmark::DoNotOptimize(ReadDataFile(f));
    ::unlink(path.c_str()); // a fresh file: overwriting in place would add the file system's flush
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    ::close(fd);
}

void BM_ScoreAndReport51(benchmark::State& state) {
    const std::string data = DataFolder();
    const std::string out = (fs::temp_directory_path() / "tarvos-bench-REPORT.PRN").string();
    FillClients();
    const auto files = DataFiles(data);
    std::vector<std::string> reports(MaxClients + 1);
    for (int slot = 1; slot <= MaxClients; ++slot) {
        CurrentClient = static_cast<int16_t>(slot);
        if (!ScoreAndCompose(data, reports[static_cast<std::size_t>(slot)]).ok())
            std::abort();
    }
    using Clock = std::chrono::steady_clock;
    Clock::duration scoring{}, floor{};
    for (auto _ : state) {
        auto t0 = Clock::now();
        for (int slot = 1; slot <= MaxClients; ++slot) {
            CurrentClient = static_cast<int16_t>(slot);
            if (!ScoreAndReport(out, data).ok())
                std::abort();
        }
        auto t1 = Clock::now();
        state.PauseTiming();
        for (int slot = 1; slot <= MaxClients; ++slot)
            IoFloor(files, out, reports[static_cast<std::size_t>(slot)]);
        floor += Clock::now() - t1;
        state.ResumeTiming();
        scoring += t1 - t0;
    }
    const double n = static_cast<double>(state.iterations()) * MaxClients;
    const double perReport = std::chrono::duration<double, std::micro>(scoring).count() / n;
    const double perFloor = std::chrono::duration<double, std::micro>(floor).count() / n;
    state.counters["report_us"] = perReport;
    state.counters["floor_us"] = perFloor;
    state.counters["x_floor"] = perReport / perFloor;
    state.SetLabel(data == ProgramFolder() ? "shipped data files" : "test data set");
    fs::remove(out);
}
BENCHMARK(BM_ScoreAndReport51)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
