#pragma once
// Establishing the data folder, from start-up or from the menu, with its messages and retries.
#include <QString>
#include <functional>
#include <string>

enum class DriveSetup {
    Established, // a folder is in use and remembered in the settings
    Ended,       // the set-up gave up after its message; the folder in use is unchanged
    EndProgram   // the program must end (the user declined at start-up, or no folder could be restored)
};

// At start-up the remembered folder is tried first without asking; after a failure, and always from the
// menu, the drive window asks. From the menu every failure returns to the folder in use before.
DriveSetup SetUpDataDrive(bool AtStartup);

// The folder SetUpDataDrive tried last (start-up reloads it after a set-up that ended).
std::string LastDriveCandidate();
// Called after the menu switched folders or returned to the previous one, to refill the client list.
void SetNameDisplayRefresher(std::function<void()> refresh);
