#pragma once
// Decisions of the registration and editing sequences that touch the client table and file: whether
// another client fits, storing a client's answers, undoing abandoned changes.
#include "clients/ClientInfoRules.h"
#include "clients/ClientRecord.h"
#include "shell/FileError.h"

#include <cstdint>
#include <string>

// The slot of the current client, or null when CurrentClient names none.
ClientRecord* CurrentSlot();

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

// Undoes what a registration window left in the current slot when it is cancelled: a new client's slot
// is blanked; an edited client's slot is reloaded from the client file or, when the file cannot be
// read, set back to `slotAtLoad`, its contents when the window opened.
void DiscardSlotChanges(const ClientRecord& slotAtLoad);

// What "Information OK" of the client-information window leads to.
enum class ClientInfoOutcome {
    Continue,    // the information is in the slot (and, for an edit, in the client file): go on
    Cancel,      // there is no stored client to edit: end as a cancel
    Stay,        // a new client does not fit: the window stays open and nothing changed
    WriteFailed, // an edit could not be written; memory is as the file has it, the window stays open
};
struct ClientInfoStore {
    ClientInfoOutcome outcome;
    FileError error; // set for WriteFailed
};
// Takes checked `values` of the client-information window. A new client gets the slot after the last
// record, started afresh and filled, in memory only (its answers store it). An edit that changes
// nothing, or of a record already at the edit limit (`storedEditCount`), stores nothing; any other edit
// writes the slot with `editCountNow` as its edit count, at once.
[[nodiscard]] ClientInfoStore StoreClientInformation(const ClientInfoValues& values, int16_t storedEditCount,
                                                     int16_t editCountNow);
