#pragma once
// Printing reports from the windows: one report with the report file's printer path, or a batch of
// clients with a progress dialog that can be cancelled.
#include <QString>
#include <string>
#include <vector>

class QWidget;

// Full path of "REPORT.PRN" in the program folder.
std::string ReportFilePath();

// PrintReportFile on the active printer with the PrintDOS setting, under the busy pointer. A failure
// shows a message naming the printer and the cause; returns whether the report was printed.
bool PrintReportFile(QWidget* parent);

// Composes the reports of `clientSlots` (all before the first is printed), then prints them in order with
// a progress dialog showing "n of m" and each client's number, never a name. Clients whose report
// could not be composed are listed at the end; a printer failure stops the batch with its message.
// Returns false when a failure was shown.
bool PrintClientReports(QWidget* parent, const std::vector<int>& clientSlots);

// PrintClientReports for every client, then CurrentClient = 1.
void PrintAllReports(QWidget* parent);

// The text of the report file as the viewer shows it (every byte but the last); empty when the file
// cannot be read.
QString ReadReportText();
