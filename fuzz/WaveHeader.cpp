// The sound-file check on any bytes: it must never read past the head it is given, and a file it
// accepts must have its samples inside the file.
#include "presentation/WaveHeader.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string_view head(bytes.data(), std::min(bytes.size(), WaveHeaderBytes));
    WaveFormat format;
    std::string problem;
    if (ReadWaveHeader(head, bytes.size(), format, problem) == WaveCheck::Wave &&
        (format.dataOffset > bytes.size() || format.dataOffset + format.dataBytes > bytes.size() ||
         format.channels == 0))
        __builtin_trap();
    return 0;
}
