#pragma once
// The program's settings in "trvtest.ini" of the program folder, read and written through the installed
// settings profile (shell/SettingsProfile.h).
#include "shell/FileError.h"
#include "shell/FileNames.h"

#include <string>

// Full path of the program folder's settings file, where the real settings profile reads and writes.
std::string SettingsPath();

// [Settings] NumLock and PrintDOS: true when the value starts with "Tru" (case matters); default "True".
bool ReadNumLockSetting();
[[nodiscard]] FileError SaveNumLockSetting(bool on);
bool ReadPrintDOSSetting();
[[nodiscard]] FileError SavePrintDOSSetting(bool on);

// [Path] FilePath: the data folder adopted last; default "a:".
std::string ReadFilePathSetting();
[[nodiscard]] FileError SaveFilePathSetting(const std::string& path);
// [Path] SndPath: the folder of the voice files; default the program folder.
std::string GetINISndPath();
// [Options] SystemDB = program folder + "mokltd.mda", written at every start.
[[nodiscard]] FileError WriteSystemDBSetting();
// [Settings] PublisherCode: the one-letter code of the report footer's publisher; default "m".
std::string ReadPublisherCode();
// [Options] Printer: the print queue reports go to; empty (the default) means the system's default.
std::string ReadPrinterSetting();
// [Options] Scanner: the SANE device to scan with (as `scanimage -L` names it); "" for the first
// one found.
std::string ReadScannerSetting();
// [Options] ScannerOptions: backend options set by name for every scan, "NAME=VALUE;NAME=VALUE".
std::string ReadScannerOptionsSetting();
