#pragma once
// The one conversion between record and file bytes (Windows-1252) and the text windows show.
#include <QString>
#include <string>
#include <string_view>

// Every byte maps to one character: 0x80-0x9F as Windows-1252 defines them, the five bytes it leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) to U+0081 etc., so any byte string round-trips.
QString FromCp1252(std::string_view bytes);
// The inverse; a character Windows-1252 cannot hold becomes '?'.
std::string ToCp1252(const QString& text);
