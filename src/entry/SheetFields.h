#pragma once
// The fields of a scanned answer sheet: the 181 locations read in table order and put together into
// the values handed to the client information, court history and answer windows.
#include "clients/ClientRecord.h"
#include "entry/DoubtfulMarks.h"
#include "entry/ScanItemTable.h"
#include "entry/SheetLayout.h"

#include <array>
#include <string>
#include <vector>

struct ScannedSheet {
    std::string SSN;                                      // "ddd-dd-dddd", "N" for an empty column
    std::string Gender;                                   // list index: "0" when nothing is marked
    std::string Race;                                     // list index
    std::string Marital;                                  // list index
    std::string DateOfBirth;                              // "mm/dd/yyyy" completed from the two-digit year
    std::string Age;                                      // from the date of birth, or "N"
    std::string Education;                                // two digits
    std::array<std::string, CourtItemCount> CourtHistory; // items 1..10 in slot order
    std::string ScannedResponses;                         // one code per answer read, "0" = none
    std::vector<DoubtfulLocation> doubts;                 // locations to check against the paper
    int unreadLocations = 0;                              // locations whose record could not be read
    int unreadAnswers = 0;                                // of them answer rows
    std::string firstUnreadReason;                        // why the first of them failed
};

// Reads every location from the first record of `items`, moving to the next record before each
// later one, on a registered sheet (RegisterSheet). A location that cannot be read (missing record or
// value) adds its blank code ("N", or "0" for answers and choices) so later fields keep their places,
// and is counted in unreadLocations. Doubtful marks are listed; the values read stay as read.
ScannedSheet ReadSheetFields(ScanItemCursor& items);

// Completes "mm/dd/yy" to "mm/dd/yyyy": "20" + yy when 2000 + yy is at most `currentYear` - 11 (no
// client is younger than eleven), else "19" + yy; a year holding "N" keeps "19".
std::string CompleteBirthDate(const std::string& shortDate, int currentYear);
