#pragma once
// One sheet from a prepared page to its field values: registration, then the 181 locations read with
// the layout table of the question database, which is opened only for a registered page and closed
// again before the values are handed on (the entry windows open it themselves).
#include "entry/MarkReading.h"
#include "entry/SheetFields.h"

#include <string>

struct SheetScan {
    Registration registration = Registration::NoAnchorBox;
    bool read = false;           // the fields were read (registered, and the database opened)
    ScannedSheet sheet;          // the values, when read
    std::string databaseError;   // the database could not be opened or closed: what and why
    std::string positionWarning; // positions not saved in the layout table; the reading is complete
    std::string unreadWarning;   // locations whose layout record could not be read (blank codes)
};

// Reads `page` with the layout table of the database file `database`. Leaves the registration state
// reset.
SheetScan ReadAnswerSheet(const PreparedPage& page, const std::string& database);
