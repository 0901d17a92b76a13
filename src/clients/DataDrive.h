#pragma once
// The data folder ("data drive") that holds the client file, normally the mount point of a
// removable medium.
#include "shell/FileError.h"
#include "shell/FileNames.h"

#include <string>

extern std::string DataDrive; // the adopted data folder; empty until one is established

// Adopts `path` as the data folder: establishes its client file (creating an empty one where none
// exists) and only after a successful load sets DataDrive; then proves the medium writable by writing
// and deleting "checkWriteTest". Fails with the load's error (nothing adopted) or the write test's
// (70 on a write-protected medium, 61 on a full one; the folder stays adopted). The scratch file never
// remains.
[[nodiscard]] FileError SetDataFolder(const std::string& path);
// The same for a folder that must already hold its client file (returning to the folder in use before:
// a bare mount point left by a removed medium fails with 53 instead of getting a fresh client file).
[[nodiscard]] FileError SetExistingDataFolder(const std::string& path);

// Establishes the client file of `path` and, when it loads, sets DataDrive (no write test).
[[nodiscard]] FileError AdoptDataFolder(const std::string& path);

// Writes the line "test" to `folder`/checkWriteTest and deletes it again.
[[nodiscard]] FileError WriteTestFolder(const std::string& folder);

// Forgets the data folder (tests).
void ResetDataDrive();
