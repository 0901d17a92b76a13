#pragma once
// Decisions of the registration and editing sequences that touch the client table and file: whether
// another client fits, storing a client's answers, undoing abandoned changes.
#include "shell/FileError.h"

#include <cstdint>
#include <string>

// True when the client table holds the most clients a data disk takes.
bool DataDiskFull();

// Replaces slot `index` in memory by its record as stored in the client file, so that changes that
// were abandoned never stay in memory. The file is read into a separate table; on failure memory is
// left as it was and the error returned.
[[nodiscard]] FileError RestoreClientFromFile(int index);

// Stores `responses` as the current client's answers and writes the slot to the client file. A new
// client (the slot after the last record) is counted in only when the write succeeded.
[[nodiscard]] FileError StoreClientAnswers(const std::string& responses, bool newClient);

// Ends a new client's registration that stored nothing: the slot after the last record is blanked
// and the client that was current before the registration becomes current again.
void AbandonNewClient(int16_t previousClient);
