#include "clients/LeadingValue.h"

#include <cmath>
#include <string>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

double LeadingValue(std::string_view text) {
    std::string s;
    for (char c : text)
        if (!IsBlank(c))
            s += c;
    std::size_t i = 0;
    double sign = 1;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        sign = s[i++] == '-' ? -1 : 1;
    double value = 0;
    while (i < s.size() && IsDigit(s[i]))
        value = value * 10 + (s[i++] - '0');
    if (i < s.size() && s[i] == '.') {
        double scale = 0.1;
        for (++i; i < s.size() && IsDigit(s[i]); ++i, scale /= 10)
            value += (s[i] - '0') * scale;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        int expSign = 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            expSign = s[j++] == '-' ? -1 : 1;
        int exponent = 0;
        bool any = false;
        for (; j < s.size() && IsDigit(s[j]) && exponent < 400; ++j, any = true)
            exponent = exponent * 10 + (s[j] - '0');
        if (any)
            value *= std::pow(10.0, expSign * exponent);
    }
    return sign * value;
}

std::string_view TrimBlanks(std::string_view text) {
    auto b = text.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    auto e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}
