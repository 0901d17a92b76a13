// Loading a client file of 51 records, and saving one record (the whole file replaced at once and
// flushed to the medium), on a tmpfs (needs root to mount; skipped otherwise) and on the disk under the
// build folder; each against its floor, the same bytes read or written and flushed with bare system calls.
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

// The least a load or a save costs with bare system calls. A load: open, read the whole file, close. A
// save: read the whole file, write it to a new file beside it, fsync, rename it over the old one and
// fsync the folder, which is what replacing the file at once takes.
bool Floor(bool save) {
    static char buffer[MaxClients * ClientRecordSize];
    const int fd = ::open(ClientFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool got = ::read(fd, buffer, sizeof buffer) == static_cast<ssize_t>(sizeof buffer);
    if (::close(fd) != 0 || !got)
        return false;
    if (!save)
        return true;
    const std::string temp = ClientFile + ".floor";
    const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0)
        return false;
    const bool written =
        ::write(out, buffer, sizeof buffer) == static_cast<ssize_t>(sizeof buffer) && ::fsync(out) == 0;
    if (::close(out) != 0 || !written || ::rename(temp.c_str(), ClientFile.c_str()) != 0)
        return false;
    const int folder = ::open(fs::path(ClientFile).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = folder >= 0 && ::fsync(folder) == 0;
    return ::close(folder) == 0 && flushed;
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
void BM_SaveFileFloor_Tmpfs(benchmark::State& s) {
    Run(s, true, true, true);
}
void BM_SaveFileFloor_Disk(benchmark::State& s) {
    Run(s, false, true, true);
}
} // namespace

BENCHMARK(BM_ReadFileFloor_Tmpfs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFileFloor_Disk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFileFloor_Tmpfs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFileFloor_Disk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadClientFile51_Tmpfs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadClientFile51_Disk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveClientRecord_Tmpfs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveClientRecord_Disk)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
