#pragma once
// Writing an output file of tarvos-cli so that a failure is never reported as success: every byte is
// checked and synced. A regular file (or a new one) is written under a temporary name beside it, its
// size verified, and then renamed over the target, so a failure leaves the target as it was; anything
// else (a device such as /dev/null, a pipe, the file a symbolic link points to) is written directly and
// never replaced.
#include <optional>
#include <string>
#include <string_view>

// Nothing on success; else the failure in words, naming the file.
std::optional<std::string> WriteOutputFile(const std::string& path, std::string_view bytes);
