#pragma once
// What tarvos-cli omr and scan print for a read sheet, and their exit code.
#include "cli/CliCommand.h"
#include "entry/SheetScan.h"

#include <chrono>
#include <optional>
#include <string>

// Exit code of scan when the scanner fails (beyond 0, 1 and 2).
constexpr int ExitDeviceFailure = 5;

// Prints the field values as NAME=VALUE lines and the doubtful marks, with any warning on standard
// error; returns the exit code: 1 without registration boxes, when the database cannot be used or its
// layout table could not be read in full. `source` names the page (file or scanner) in messages.
int ReportSheetScan(const SheetScan& scan, const std::string& source);

// Parses --today's MM/DD/YYYY.
std::optional<std::chrono::year_month_day> ParseToday(const std::string& value);

// The question database used when --database is not given.
std::string DefaultQuestionDatabase();
