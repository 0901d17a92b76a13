// The settings file parser on any bytes: reading every kind of lookup, then writing a key, must never
// crash, and a written value must read back.
#include "shell/Profile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string file = "/tmp/tarvos-fuzz-profile-" + std::to_string(::getpid()) + ".ini";
    if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string section =
        text.substr(0, text.find('\n') == std::string::npos ? 0 : text.find('\n') % 8);
    (void)GetPrivateProfileString("Path", "FilePath", "a:", 50, file);
    (void)GetPrivateProfileString(section, "x", "", 10, file);
    if (WritePrivateProfileString("Settings", "NumLock", "False", file).ok() &&
        GetPrivateProfileString("Settings", "NumLock", "", 10, file) != "False")
        __builtin_trap();
    std::remove(file.c_str());
    return 0;
}
