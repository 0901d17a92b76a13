#include "shell/TextValue.h"

#include <cmath>
#include <limits>

double TextValue(std::string_view text) {
    double value = 0;
    double scale = 0; // > 0 once the decimal point is passed
    bool negative = false;
    bool started = false; // a sign or digit has been seen
    for (char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        if (!started && (c == '-' || c == '+')) {
            negative = c == '-';
            started = true;
        } else if (c >= '0' && c <= '9') {
            started = true;
            if (scale > 0) {
                value += (c - '0') * scale;
                scale /= 10;
            } else {
                value = value * 10 + (c - '0');
            }
        } else if (c == '.' && scale == 0) {
            started = true;
            scale = 0.1;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

int16_t RoundHalfEven16(double value) {
    double r = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (r > std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    if (r < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(r);
}

int16_t TextValue16(std::string_view text) {
    return RoundHalfEven16(TextValue(text));
}
