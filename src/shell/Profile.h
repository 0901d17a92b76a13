#pragma once
// Windows profile (INI file) semantics: sections and keys are matched without regard to case and
// surrounding blanks, a value is trimmed (and loses one pair of enclosing quotes), the first match wins,
// and lines without "=" or starting with ";" are not keys. Writing keeps every other line of the
// file as it was, creates the file on first write and ends new lines with CRLF.
#include "shell/FileError.h"

#include <cstddef>
#include <string>

// The value of `key` in `section` of `file`, or `defaultValue` (trailing blanks removed) when the file,
// section or key is missing; either way cut to bufferSize - 1 characters, as a buffer of that size
// with its terminator would hold it. A bufferSize of 0 gives an empty text.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, std::size_t bufferSize,
                                    const std::string& file);

// Sets `key` in `section` to `value`: replaces the key's first line, or adds the key at the end of the
// section, or adds the section at the end of the file. The new content replaces the file in one rename
// after it reached the disk, so a failed write leaves the old file intact. A file that already holds
// the line is not rewritten.
[[nodiscard]] FileError WritePrivateProfileString(const std::string& section, const std::string& key,
                                                  const std::string& value, const std::string& file);
