#pragma once
// The numbers and texts of acquisition failures, and the message a failed acquisition shows.
#include <string>

// Acquisition failure numbers used by the scanner layers.
namespace ScanError {
constexpr int None = 0;
constexpr int ErrorReadingFile = 20007;
constexpr int InvalidFileFormat = 20009;
constexpr int FileNotFound = 20010;
constexpr int Unknown = 20080;
constexpr int NotEnoughMemory = 20081;
constexpr int NoDataSource = 20082;
constexpr int SourceBusy = 20083;
constexpr int SourceReportedError = 20084;
constexpr int UnknownCapability = 20085;
constexpr int ParameterOutOfRange = 20087;
constexpr int Cancelled = 20090;
} // namespace ScanError

// The text of an imaging error number; "" for a number without one.
std::string LeadErrorText(int code);

// "Error '" + code + ", " + text + "." and, when `detail` is not empty, a second line with it.
std::string AcquisitionErrorMessage(int code, const std::string& detail);

// Title of the acquisition error box.
constexpr const char* AcquisitionErrorTitle = "Twain Error";
