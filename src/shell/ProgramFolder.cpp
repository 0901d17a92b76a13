#include "shell/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>

namespace {
std::string g_programFolder;
}

std::string ProgramFolder() {
    if (!g_programFolder.empty())
        return g_programFolder;
    if (const char* env = std::getenv("TARVOS_PROGRAM_DIR"); env && *env)
        return env;
    return ExecutableFolder();
}

std::string ExecutableFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path(ec).string();
    return exe.parent_path().string();
}

void SetProgramFolder(const std::string& folder) {
    g_programFolder = folder;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}
