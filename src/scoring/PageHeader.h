#pragma once
// The page length of a report page and the header that starts each page after the first.
#include "scoring/ReportWriter.h"

constexpr int PageLength = 58;

// Starts a new page: a form feed, the client's name, the page number's last digit and the title.
// PageLine becomes 2.
void PrintPageHeader(ReportWriter& out);
