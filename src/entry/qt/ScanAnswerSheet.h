#pragma once
// ScanAnswerSheet: the answer-sheet scan as the entry-method window starts it. The name and insert
// prompts, the acquisition with its progress window, "raw.bmp" and the messages are here; the steps
// and their order come from RunAnswerSheetScan; the client windows come from `handOver`.
#include "clients/qt/RunRegistration.h"
#include "entry/PageSource.h"
#include "entry/SheetScan.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QWidget;

// Receives the typed name (Windows-1252) and the values read, to fill the client windows.
using ScanHandOver = std::function<void(const std::string& name, const SheetScan& scan)>;

// Runs one scan with the question database of the program folder; modal to `parent`.
void ScanAnswerSheet(QWidget* parent, const ScanHandOver& handOver);

// The page source of a scan: the scanner (`file` empty) or a page image file.
using ScanSourceFactory = std::function<std::unique_ptr<PageSource>(const std::string& file)>;
// The registration steps of "Scan Answer Sheet": the scan first, which fills the new client's slot
// with the sheet's client information and court history; the scanned answers are put in the slot
// after the court history, for checking in the grid.
RegistrationSteps ScanRegistrationSteps();

// Tests: scan from `factory` instead; an empty factory returns to the real ones.
void SetScanSourceFactory(ScanSourceFactory factory);

// Texts of the prompts.
QString InsertSheetText(const QString& name);
