#pragma once
// Where the program folder is, for a copy in a writable folder and for an installed one.
#include <string>

// The decision itself, on given folders. `executableFolder` is the program folder when it holds the
// program's files (its question database) and this user may write there: a build tree, a copy in the
// user's home. Otherwise the program folder is `userFolder`, seeded from the read-only files: those of
// `executableFolder` when it holds them, else those of `sharedFolder` (/usr/share/tarvos beside
// /usr/bin). Seeding copies only what the program writes (the question database) and links every other
// file and folder, so data files and voice files are read in place; what the user already has is kept.
struct ProgramFolderChoice {
    std::string folder; // the program folder; empty on failure
    std::string error;  // what went wrong, naming the folder, when folder is empty
};
ProgramFolderChoice ChooseProgramFolder(const std::string& executableFolder, const std::string& userFolder,
                                        const std::string& sharedFolder);

// Settles the program folder of this run by ChooseProgramFolder, with the user's data folder
// (QStandardPaths' generic data folder + "/tarvos", ~/.local/share/tarvos) and <executable>/../share/tarvos.
// Leaves a folder given by TARVOS_PROGRAM_DIR alone. Returns an empty text or the message to show.
std::string SettleProgramFolder();
