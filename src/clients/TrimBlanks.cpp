#include "clients/TrimBlanks.h"

std::string_view TrimBlanks(std::string_view text) {
    const auto b = text.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    const auto e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}
