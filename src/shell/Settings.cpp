#include "shell/Settings.h"

#include "shell/Profile.h"
#include "shell/ProgramFolder.h"

namespace {
constexpr std::size_t FlagBuffer = 10;
// Folder values hold whole Linux paths: a mount point easily exceeds the 49 characters a drive
// letter path needed, and a cut path would name another folder.
constexpr std::size_t PathBuffer = 4096;

bool ReadFlag(const char* key) {
    return GetPrivateProfileString("Settings", key, "True", FlagBuffer, SettingsPath()).starts_with("Tru");
}
} // namespace

std::string SettingsPath() {
    return JoinPath(ProgramFolder(), SettingsFileName);
}

bool ReadNumLockSetting() {
    return ReadFlag("NumLock");
}
FileError SaveNumLockSetting(bool on) {
    return WritePrivateProfileString("Settings", "NumLock", on ? "True" : "False", SettingsPath());
}
bool ReadPrintDOSSetting() {
    return ReadFlag("PrintDOS");
}
FileError SavePrintDOSSetting(bool on) {
    return WritePrivateProfileString("Settings", "PrintDOS", on ? "True" : "False", SettingsPath());
}

std::string ReadFilePathSetting() {
    return GetPrivateProfileString("Path", "FilePath", "a:", PathBuffer, SettingsPath());
}
FileError SaveFilePathSetting(const std::string& path) {
    return WritePrivateProfileString("Path", "FilePath", path, SettingsPath());
}
std::string GetINISndPath() {
    return GetPrivateProfileString("Path", "SndPath", ProgramFolder(), PathBuffer, SettingsPath());
}

FileError WriteSystemDBSetting() {
    return WritePrivateProfileString("Options", "SystemDB", JoinPath(ProgramFolder(), "mokltd.mda"),
                                     SettingsPath());
}

std::string ReadPublisherCode() {
    return GetPrivateProfileString("Settings", "PublisherCode", "m", 2, SettingsPath());
}

std::string ReadScannerSetting() {
    return GetPrivateProfileString("Options", "Scanner", "", PathBuffer, SettingsPath());
}
