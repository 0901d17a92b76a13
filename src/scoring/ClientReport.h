#pragma once
// Composition of the client report from the scored client: the full report of several pages (with the
// one-page summary appended when SummaryReport is set), or the short extreme-truthfulness report.
#include "scoring/ReportWriter.h"

#include <string>

// Writes the report of the client last scored into `out`, reading the paragraph files and the notice
// file of `dataFolder`. Throws ReportFailure when a paragraph or notice cannot be read.
void WriteClientReport(ReportWriter& out, const std::string& dataFolder);
// The one-page summary, continuing `out` on a new page.
void WriteSummaryReport(ReportWriter& out);
