#pragma once
// The client file "DATA401.TRV" of the data folder and its in-memory copy, the client table.
// Every load and save opens and closes the file; no handle stays open between operations.
#include "clients/ClientRecord.h"
#include "shell/FileError.h"
#include "shell/FileNames.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>

constexpr int MaxClients = 51;

using ClientSlots = std::array<ClientRecord, MaxClients + 1>; // slot 0 is never loaded or saved

extern ClientSlots ClientTable;
extern int16_t ClientCount;    // records loaded, 0..51
extern int16_t CurrentClient;  // the slot the windows work on; 0 = none; ClientCount + 1 while registering
extern std::string ClientFile; // full path of the client file; empty until a data folder is established

extern std::array<std::string, 3> GenderNames;  // 6 wide, blank-padded
extern std::array<std::string, 7> RaceNames;    // 15 wide
extern std::array<std::string, 6> MaritalNames; // 9 wide
extern std::array<int16_t, 4> SectionBounds;    // 0, LastTrueFalseItem, LastRatingItem, ItemCount

// Reads the client file at `path` into `slots`/`count` without touching the program-wide table.
// Never creates or writes the file. The count is the length over 235 rounded to nearest (a trailing
// partial record is padded with blanks). Fails with 53 for a missing file, 9 for more than 51 records.
[[nodiscard]] FileError ReadClientFile(const std::string& path, ClientSlots& slots, int16_t& count);

// Makes `folder` the data folder: creates an empty client file there when it has none, reads it,
// and only when that succeeds sets ClientFile, ClientTable, ClientCount and CurrentClient and
// remembers the folder's device. On failure nothing program-wide changes.
[[nodiscard]] FileError EstablishClientFile(const std::string& folder);

// Fails with 71 (disk not ready) when the data folder is no longer on the device it was established
// on (a removed medium leaves its empty mount point behind) or when the client file has gone. Called by
// LoadClientFile and SaveClientRecord before they touch the file.
[[nodiscard]] FileError CheckDataFolderPresent();

// Reloads the program-wide table from ClientFile. CurrentClient becomes 1, or 0 with no clients.
[[nodiscard]] FileError LoadClientFile();

// Writes slot `index` (1..ClientCount + 1) as record `index`: the file on disk with that record's bytes
// replaced (or added after its last) takes its place at once through WriteFileAtomically, so a crash or
// a failure leaves the old file whole. The other records keep their bytes on disk.
[[nodiscard]] FileError SaveClientRecord(int index);

// Sets every field of slot CurrentClient to blanks (an abandoned registration).
void ClearCurrentRecord();

void FillCodeTables();
void SetSectionBounds();

// Age in whole years (days to today / 365, truncated) of a "mm/dd/yyyy" date as decimal text, or "N"
// for anything that is not a valid date or lies after today.
std::string AgeFromBirthDate(std::string_view date);

// Parses "mm/dd/yyyy" (one- or two-digit month and day) into a valid calendar date.
std::optional<std::chrono::year_month_day> ParseDate(std::string_view date);
// "mm/dd/yyyy" of a date.
std::string FormatDate(std::chrono::year_month_day date);

// Forgets the data folder and empties the table (tests).
void ResetClientFileState();
