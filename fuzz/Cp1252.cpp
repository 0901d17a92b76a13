// Windows-1252 <-> UTF-8: every byte text survives the trip through UTF-8, and every UTF-8 text
// that fits Windows-1252 survives the trip back.
#include "shell/Cp1252.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (Cp1252FromUtf8(Utf8FromCp1252(input)) != input)
        std::abort();
    const std::string bytes = Cp1252FromUtf8(input);
    if (bytes.size() > input.size())
        std::abort();
    if (FitsCp1252(input) && Utf8FromCp1252(bytes) != input)
        std::abort();
    return 0;
}
