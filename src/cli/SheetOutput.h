#pragma once
// What tarvos-cli omr and scan print for a read sheet, and their exit code.
#include "entry/SheetScan.h"

#include <chrono>
#include <optional>
#include <string>

// Exit codes: 0 read (warnings on standard error); 2 the database cannot be used or its layout table
// could not be read in full; 3 no anchor box; 4 no reference box; 5 the scanner failed.
namespace SheetExit {
constexpr int Read = 0;
constexpr int Usage = 2;
constexpr int NoAnchorBox = 3;
constexpr int NoReferenceBox = 4;
constexpr int DeviceFailure = 5;
} // namespace SheetExit

// Prints the field values as NAME=VALUE lines, the doubtful marks and any warning; returns the exit
// code.
int ReportSheetScan(const SheetScan& scan);

// Parses --today's MM/DD/YYYY.
std::optional<std::chrono::year_month_day> ParseToday(const std::string& value);

// The question database used when --database is not given.
std::string DefaultQuestionDatabase();
