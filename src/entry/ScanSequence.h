#pragma once
// The answer-sheet scan from the name prompt to the hand-over: which step follows which, what each
// failure shows and what it leaves behind. The windows provide the steps (prompts, the acquisition
// with its progress, messages, the client windows); this decides their order.
#include "entry/PageSource.h"
#include "entry/SheetScan.h"

#include <memory>
#include <string>

enum class InsertAnswer { Scan, ScanFromFile, Cancel };

class ScanSteps {
public:
    virtual ~ScanSteps() = default;
    // The client's name; false when the operator cancels.
    virtual bool AskClientName(std::string& name) = 0;
    // Asks for the sheet to be inserted; for ScanFromFile `file` is the page image chosen.
    virtual InsertAnswer AskInsertSheet(const std::string& name, std::string& file) = 0;
    // The scanner, or the page image file when `file` is not empty.
    virtual std::unique_ptr<PageSource> Source(const std::string& file) = 0;
    // Acquires one page from `source`, showing its progress and offering to cancel.
    virtual Acquisition Acquire(PageSource& source) = 0;
    // Keeps the acquired page as "raw.bmp" for inspection; false with `error` naming the file.
    virtual bool SaveRawPage(const ScanImage& page, std::string& error) = 0;
    // A message box: `text`, `title`, and whether it is a critical stop.
    virtual void Show(const std::string& text, const std::string& title, bool critical) = 0;
    // Hands the values read to the client information, court history and grid windows.
    virtual void HandOver(const std::string& name, const SheetScan& scan) = 0;
};

constexpr const char* ScanErrorTitle = "Scan Error";
constexpr const char* ScanWarningTitle = "TRV Test Scan";

// Runs one scan of `database`'s sheet layout. The page comes fresh from each acquisition: a failed or
// cancelled one never reads an earlier page. A page without registration boxes is kept in "raw.bmp"
// and nothing is handed on; the database is closed before the hand-over.
void RunAnswerSheetScan(ScanSteps& steps, const std::string& database);
