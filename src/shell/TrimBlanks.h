#pragma once
#include <string_view>

// The text without the leading and trailing characters of `blanks` (by default the space).
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " ");
// The text without its trailing characters of `blanks`.
std::string_view TrimRightBlanks(std::string_view text, std::string_view blanks = " ");
