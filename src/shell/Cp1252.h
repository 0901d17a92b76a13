#pragma once
// Conversion between the program's Windows-1252 byte texts and UTF-8. Every byte round-trips: the
// five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same value.
#include <optional>
#include <string>
#include <string_view>

// UTF-8 of a Windows-1252 text.
std::string Utf8FromCp1252(std::string_view bytes);

// Windows-1252 of a UTF-8 text; a character Windows-1252 cannot hold and each byte of a malformed
// sequence become '?'.
std::string Cp1252FromUtf8(std::string_view utf8);

// The Windows-1252 byte of one code point, if it has one.
std::optional<char> Cp1252FromCodePoint(char32_t cp);

// True when `utf8` is well-formed UTF-8 whose every character Windows-1252 can hold.
bool FitsCp1252(std::string_view utf8);
