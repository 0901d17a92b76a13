#include "entry/ScanSequence.h"

#include "entry/ScanErrors.h"

void RunAnswerSheetScan(ScanSteps& steps, const std::string& database) {
    std::string name;
    if (!steps.AskClientName(name))
        return;
    std::string file;
    const InsertAnswer insert = steps.AskInsertSheet(name, file);
    if (insert == InsertAnswer::Cancel)
        return;
    if (insert == InsertAnswer::Scan)
        file.clear();

    ScanImage page;
    {
        const std::unique_ptr<PageSource> source = steps.Source(file);
        Acquisition acquired = steps.Acquire(*source);
        if (acquired.ok())
            page = std::move(acquired.page);
        else
            steps.Show(AcquisitionErrorMessage(acquired.error, acquired.detail), AcquisitionErrorTitle,
                       false);
    }
    if (!page.empty()) {
        std::string error;
        if (!steps.SaveRawPage(page, error))
            steps.Show(error, ScanWarningTitle, false);
    }

    const SheetScan scan = ReadAnswerSheet(PrepareScanImage(page), database);
    page = ScanImage();
    switch (scan.registration) {
    case Registration::NoAnchorBox:
        steps.Show("Anchor Box not found\nAborting scan.", ScanErrorTitle, true);
        return;
    case Registration::NoReferenceBox:
        steps.Show("Reference Box not found\nAborting scan.", ScanErrorTitle, true);
        return;
    case Registration::Registered:
        break;
    }
    if (!scan.read) {
        steps.Show(scan.databaseError + "\nAborting scan.", ScanErrorTitle, true);
        return;
    }
    std::string warning = scan.unreadWarning;
    for (const std::string* more : {&scan.positionWarning, &scan.databaseError})
        if (!more->empty())
            warning += (warning.empty() ? "" : "\n") + *more;
    if (!warning.empty())
        steps.Show(warning, ScanWarningTitle, false);
    steps.HandOver(name, scan);
}
