#pragma once
// The program folder: the folder of the running executable, where the program's settings, question
// database, data files and report file live. TARVOS_PROGRAM_DIR overrides it (tests only); an installed
// copy sets it at start-up (platform/InstalledLayout.h).
#include <string>

std::string ProgramFolder();
// The folder of the running executable.
std::string ExecutableFolder();
// Fixes the program folder (tests, tools); an empty text returns to the default.
void SetProgramFolder(const std::string& folder);
// `folder` joined with `name` by the platform's separator.
std::string JoinPath(const std::string& folder, const std::string& name);
