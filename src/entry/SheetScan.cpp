#include "entry/SheetScan.h"

#include "entry/ScanItemDatabase.h"

SheetScan ReadAnswerSheet(const PreparedPage& page, const std::string& database) {
    SheetScan scan;
    scan.registration = RegisterSheet(page);
    if (scan.registration != Registration::Registered) {
        ResetScanState();
        return scan;
    }
    try {
        const std::unique_ptr<ScanItemRecordset> items = ScanItemRecordset::Open(database);
        scan.sheet = ReadSheetFields(*items);
        scan.read = true;
        items->Close();
    } catch (const ScanItemDatabaseError& e) {
        scan.databaseError = e.what();
    }
    if (!PositionStoreFailure.empty())
        scan.positionWarning = "The positions found on this sheet could not be saved in " + database + " (" +
                               PositionStoreFailure +
                               "). The sheet was read in full; make the file writable to keep them.";
    if (scan.sheet.unreadLocations > 0)
        scan.unreadWarning =
            std::to_string(scan.sheet.unreadLocations) + " of the " + std::to_string(SheetLocationCount) +
            " locations could not be read from the layout table \"ScanItem\" of " + database + " (" +
            scan.sheet.firstUnreadReason + ") and were left blank. Reinstall the question database.";
    ResetScanState();
    return scan;
}
