#include "scoring/ReportOptions.h"

std::string PublisherCode = "m";
bool SummaryReport = false;

const char* const FirstPublisherLine = "Meridian Assessment Press, 418 Larkspur Avenue, Dayton, OH 45402";
const char* const SecondPublisherLine =
    "Northgate Behavioral Publishing, 77 Harbor Street, Portland, ME 04101";
const char* const ProductNoticeLine = "Tarvos screening report - for use by licensed agencies only";
