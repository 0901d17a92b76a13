#pragma once
#include <string_view>

// The text without surrounding blanks.
std::string_view TrimBlanks(std::string_view text);
