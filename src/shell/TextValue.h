#pragma once
// The numeric value of a text as scoring reads client fields: the number formed by its leading sign
// and digits (a decimal fraction included), blanks anywhere ignored, 0 when there is none.
#include <cstdint>
#include <string_view>

double TextValue(std::string_view text);
// TextValue rounded to a 16-bit signed integer, halves to even (out-of-range values saturate).
int16_t TextValue16(std::string_view text);
// `value` rounded to the nearest whole number, halves to even, saturated to 16 bits.
int16_t RoundHalfEven16(double value);
