#include "shell/TrimBlanks.h"

std::string_view TrimBlanks(std::string_view text, std::string_view blanks) {
    const auto b = text.find_first_not_of(blanks);
    if (b == std::string_view::npos)
        return {};
    return TrimRightBlanks(text.substr(b), blanks);
}

std::string_view TrimRightBlanks(std::string_view text, std::string_view blanks) {
    const auto e = text.find_last_not_of(blanks);
    return e == std::string_view::npos ? std::string_view{} : text.substr(0, e + 1);
}
