#pragma once
// The report file and its numbered copies in the program folder, and the report's text as the viewer
// and the printers take it.
#include "shell/FileError.h"

#include <string>
#include <vector>

// "temp" + n: the copy of the n-th report of a batch waiting to be printed.
std::string ReportCopyName(int n);

// The whole file at `path`. A missing file fails with 53.
[[nodiscard]] FileError ReadWholeFile(const std::string& path, std::string& bytes);

// The report's text: every byte of the report file but the last (its final line feed).
std::string ReportText(const std::string& fileBytes);

// Replaces `to` with a copy of `from` (an existing `to` is overwritten, never kept). The copy reaches
// `to` in one rename, so a failure leaves no partial copy; it fails with the error of the side at fault.
[[nodiscard]] FileError CopyReportFile(const std::string& from, const std::string& to);

// Appends the line holding one form feed (FF CR LF) that ejects the last sheet of a line printer.
[[nodiscard]] FileError AppendFormFeedLine(const std::string& path);

// Removes "REPORT.PRN" and every "temp" + n of `folder`: they hold readable client names. Missing
// files are no failure; the first file that cannot be removed is reported.
[[nodiscard]] FileError RemoveReportCopies(const std::string& folder);

// The report's pages, split at each form feed, as lines without their line ends. The text after a
// form feed starts with the rest of the form-feed line, so every page after the first begins with an
// empty line, as it does on a line printer.
std::vector<std::vector<std::string>> SplitReportPages(const std::string& text);
