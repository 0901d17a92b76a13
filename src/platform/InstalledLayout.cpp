#include "platform/InstalledLayout.h"

#include "shell/ProgramFolder.h"

#include <QStandardPaths>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// Files of the program folder that the program changes; every other shipped file is only read.
constexpr std::array<std::string_view, 1> WrittenFiles = {"TARVOS.MDB"};

bool HoldsProgramFiles(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / WrittenFiles[0], ec);
}

bool IsWritten(const fs::path& name) {
    for (auto w : WrittenFiles)
        if (name == w)
            return true;
    return false;
}

std::string Failure(const fs::path& folder, const std::error_code& ec) {
    return "Cannot prepare the program folder " + folder.string() + ": " + ec.message() +
           ". Check that you may write to it and that the disk is not full.";
}

// Copies `from` to `to` through a temporary name, so that an interrupted copy leaves nothing behind
// that a later start would take for the whole file.
void CopyWhole(const fs::path& from, const fs::path& to, std::error_code& ec) {
    fs::path temp = to;
    temp += ".part";
    fs::copy_file(from, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::permissions(temp, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    if (!ec)
        fs::rename(temp, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
    }
}
} // namespace

ProgramFolderChoice ChooseProgramFolder(const std::string& executableFolder, const std::string& userFolder,
                                        const std::string& sharedFolder) {
    const fs::path exe(executableFolder);
    if (HoldsProgramFiles(exe) && ::access(exe.c_str(), W_OK) == 0)
        return {executableFolder, {}};
    const fs::path shared = HoldsProgramFiles(exe) ? exe : fs::path(sharedFolder);
    if (!HoldsProgramFiles(shared))
        return {{},
                "The program's files are missing: " + (shared / WrittenFiles[0]).string() +
                    " was not found. Install Tarvos again."};

    const fs::path user(userFolder);
    std::error_code ec;
    fs::create_directories(user, ec);
    if (ec)
        return {{}, Failure(user, ec)};
    for (const fs::directory_entry& entry : fs::directory_iterator(shared, ec)) {
        const fs::path name = entry.path().filename();
        const fs::path target = user / name;
        if (fs::exists(fs::symlink_status(target, ec)))
            continue;
        if (IsWritten(name))
            CopyWhole(entry.path(), target, ec);
        else
            fs::create_symlink(fs::absolute(entry.path()), target, ec);
        if (ec)
            return {{}, Failure(user, ec)};
    }
    if (ec)
        return {{}, Failure(shared, ec)};
    return {userFolder, {}};
}

std::string SettleProgramFolder() {
    if (const char* env = std::getenv("TARVOS_PROGRAM_DIR"); env && *env)
        return {};
    const fs::path exe(ExecutableFolder());
    const std::string user =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/tarvos";
    ProgramFolderChoice choice =
        ChooseProgramFolder(exe.string(), user, (exe.parent_path() / "share" / "tarvos").string());
    if (!choice.folder.empty())
        SetProgramFolder(choice.folder);
    return choice.error;
}
