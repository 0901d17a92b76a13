#pragma once
// Program-wide choices that shape every report written.
#include <string>

// "m" prints the first publisher's line in the report footer, any other letter the second's.
// Set at start-up from the settings; "m" until then.
extern std::string PublisherCode;
// The option "One-page summary report": when set, every full report gets the summary appended.
extern bool SummaryReport;

// The footer's two publisher lines and product notice line.
extern const char* const FirstPublisherLine;
extern const char* const SecondPublisherLine;
extern const char* const ProductNoticeLine;
