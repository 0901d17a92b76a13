// Loading a client file of 51 records, and saving one record (flushed to the medium with fsync), on a
// tmpfs (needs root to mount; skipped otherwise) and on the disk under the build folder; each against
// its floor, the same bytes read or written and flushed with bare system calls.
#include "clients/ClientFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
bool Prepare(const fs::path& folder) {
    ResetClientFileState();
    std::ofstream out(folder / ClientFileName, std::ios::binary | std::ios::trunc);
    ClientRecord r;
    r.Name = "Benchmark Client";
    r.Responses = std::string(ItemCount, '2');
    for (int i = 0; i < MaxClients; ++i)
        out << r.ToBytes();
    out.close();
    return EstablishClientFile(folder.string()).ok();
}

struct Medium {
    fs::path path;
    bool mounted = false;
    explicit Medium(bool tmpfs) {
        std::string tmpl = (tmpfs ? fs::temp_directory_path() : fs::current_path()) / "tarvos-bench-XXXXXX";
        path = ::mkdtemp(tmpl.data());
        if (tmpfs)
            mounted = ::mount("tarvos-bench", path.c_str(), "tmpfs", 0, "size=1m") == 0;
    }
    ~Medium() {
        if (mounted)
            ::umount2(path.c_str(), MNT_DETACH);
        fs::remove_all(path);
    }
};

// The least a load or a save costs: open, read the whole file or write one record and fsync, close.
bool Floor(bool save) {
    static char buffer[MaxClients * ClientRecordSize];
    const int fd = ::open(ClientFile.c_str(), (save ? O_WRONLY : O_RDONLY) | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto size = static_cast<ssize_t>(save ? ClientRecordSize : sizeof buffer);
    const bool ok = save ? ::pwrite(fd, buffer, ClientRecordSize, 0) == size && ::fsync(fd) == 0
                         : ::read(fd, buffer, sizeof buffer) == size;
    return ::close(fd) == 0 && ok;
}

void Run(benchmark::State& state, bool tmpfs, bool save, bool floor = false) {
    Medium medium(tmpfs);
    if ((tmpfs && !medium.mounted) || !Prepare(medium.path)) {
        state.SkipWithError(tmpfs ? "cannot mount a tmpfs (needs root)" : "cannot prepare the folder");
        return;
    }
    for (auto _ : state) {
        const bool ok = floor ? Floor(save) : save ? SaveClientRecord(1).ok() : LoadClientFile().ok();
        if (!ok) {
            state.SkipWithError("client file operation failed");
            break;
        }
    }
    ResetClientFileState();
}

void BM_LoadClientFile51_Tmpfs(benchmark::State& s) {
    Run(s, true, false);
}
void BM_LoadClientFile51_Disk(benchmark::State& s) {
    Run(s, false, false);
}
void BM_SaveClientRecord_Tmpfs(benchmark::State& s) {
    Run(s, true, true);
}
void BM_SaveClientRecord_Disk(benchmark::State& s) {
    Run(s, false, true);
}
void BM_ReadFileFloor_Tmpfs(benchmark::State& s) {
    Run(s, true, false, true);
}
void BM_ReadFileFloor_Disk(benchmark::State& s) {
    Run(s, false, false, true);
}
void BM_WriteRecordFloor_Tmpfs(benchmark::State& s) {
    Run(s, true, true, true);
}
void BM_WriteRecordFloor_Disk(benchmark::State& s) {
    Run(s, false, true, true);
}
} // namespace

BENCHMARK(BM_ReadFileFloor_Tmpfs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFileFloor_Disk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteRecordFloor_Tmpfs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteRecordFloor_Disk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadClientFile51_Tmpfs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadClientFile51_Disk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveClientRecord_Tmpfs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveClientRecord_Disk)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
