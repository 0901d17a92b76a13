#pragma once
// Scoring a client and writing the report: the entry point for every caller that shows or prints one.
#include "scoring/ReportResult.h"
#include "shell/FileNames.h"

#include <string>

// Scores the client in slot CurrentClient of the ClientTable (1..ClientCount) with the ten data files
// of `dataFolder`, read afresh, and composes the report into `report` (Windows-1252, CR LF). On
// failure `report` is empty and the result names the file or record field and the problem.
ReportResult ScoreAndCompose(const std::string& dataFolder, std::string& report);

// ScoreAndCompose, then writes the report to `reportPath` through a temporary file in the same folder
// renamed over it. On any failure the file at `reportPath` is removed, so no earlier client's report
// is ever left there to be shown or printed as this one's.
ReportResult ScoreAndReport(const std::string& reportPath, const std::string& dataFolder);
// The desktop program's run: "REPORT.PRN" and the data files of the program folder.
ReportResult ScoreAndReport();
