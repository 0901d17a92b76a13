#include "shell/Settings.h"

#include "shell/ProgramFolder.h"
#include "shell/SettingsProfile.h"

namespace {
constexpr std::size_t FlagBuffer = 10;
// Folder values hold whole Linux paths: a mount point easily exceeds the 49 characters a drive
// letter path needed, and a cut path would name another folder.
constexpr std::size_t PathBuffer = 4096;

bool ReadFlag(const char* key) {
    return ProgramProfile().Read("Settings", key, "True", FlagBuffer).starts_with("Tru");
}
} // namespace

std::string SettingsPath() {
    return JoinPath(ProgramFolder(), SettingsFileName);
}

bool ReadNumLockSetting() {
    return ReadFlag("NumLock");
}
FileError SaveNumLockSetting(bool on) {
    return ProgramProfile().Write("Settings", "NumLock", on ? "True" : "False");
}
bool ReadPrintDOSSetting() {
    return ReadFlag("PrintDOS");
}
FileError SavePrintDOSSetting(bool on) {
    return ProgramProfile().Write("Settings", "PrintDOS", on ? "True" : "False");
}

std::string ReadFilePathSetting() {
    return ProgramProfile().Read("Path", "FilePath", "a:", PathBuffer);
}
FileError SaveFilePathSetting(const std::string& path) {
    return ProgramProfile().Write("Path", "FilePath", path);
}
std::string GetINISndPath() {
    return ProgramProfile().Read("Path", "SndPath", ProgramFolder(), PathBuffer);
}

FileError WriteSystemDBSetting() {
    return ProgramProfile().Write("Options", "SystemDB", JoinPath(ProgramFolder(), "mokltd.mda"));
}

std::string ReadPublisherCode() {
    return ProgramProfile().Read("Settings", "PublisherCode", "m", 2);
}

std::string ReadPrinterSetting() {
    return ProgramProfile().Read("Options", "Printer", "", 256);
}

std::string ReadScannerSetting() {
    return ProgramProfile().Read("Options", "Scanner", "", PathBuffer);
}

std::string ReadScannerOptionsSetting() {
    return ProgramProfile().Read("Options", "ScannerOptions", "", PathBuffer);
}
