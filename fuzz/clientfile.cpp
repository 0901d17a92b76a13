// The client file reader on any bytes: it loads or refuses, never crashes, and never writes the file.
#include "clients/ClientFile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string file = "/tmp/tarvos-fuzz-client-" + std::to_string(::getpid()) + ".trv";
    if (std::FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    static ClientSlots slots;
    int16_t count = 0;
    if (ReadClientFile(file, slots, count).ok() && (count < 0 || count > MaxClients))
        __builtin_trap();
    std::remove(file.c_str());
    return 0;
}
