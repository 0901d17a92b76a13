#pragma once
// Name deletion: every readable client name of the data disk is replaced by a scrambled form, for the
// clients' confidentiality once the disk is finished; all other client data stays.
#include "shell/FileError.h"

#include <functional>
#include <string>

// Scrambles `text` in place, keeping its length: a blank stays, any other byte of even code gets
// code + 7 and of odd code + 3. Bytes 250, 252, 253, 254 and 255 have no such code and stay as they are.
void ScrambleName(std::string& text);

struct NameDeletionResult {
    int deleted = 0;     // slots scrambled and saved
    int failedSlot = 0;  // the slot whose save failed, 0 when none did
    FileError saveError; // that save's failure
};

// Scrambles the name of every slot 1..ClientCount whose NameDeleted is "0", marks it "1" and saves it
// before looking at the next. A failed save stops the run there with that slot restored in memory, as
// the file still has it; the slots saved before stay deleted. Sets NameDeletedNow to 1 once a name
// was scrambled. `saved` is told each slot once it is on the medium (progress).
NameDeletionResult DeleteClientNames(const std::function<void(int slot)>& saved = {});
