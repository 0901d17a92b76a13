#pragma once
// The numeric value at the start of a typed text, read the way the original forms read numbers:
// blanks anywhere are ignored, then an optional sign, digits, an optional fraction and exponent;
// reading stops at the first other character. A text without a leading number is 0.
#include <string_view>

double LeadingValue(std::string_view text);

// The text without surrounding blanks.
std::string_view TrimBlanks(std::string_view text);
