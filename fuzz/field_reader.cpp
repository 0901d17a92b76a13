// Field and line reads over arbitrary bytes: the first byte of each step chooses the kind of read.
#include "scoring/DataReader.h"
#include "scoring/ReportResult.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    DataReader in(bytes, "FUZZ.TXT");
    unsigned choice = data[0];
    try {
        for (int step = 0; step < 4096 && !in.AtEnd(); ++step, choice = choice * 5 + 1) {
            switch (choice % 4) {
            case 0:
                (void)in.ReadField();
                break;
            case 1:
                (void)in.ReadNumber();
                break;
            case 2:
                (void)in.ReadLine();
                break;
            default:
                (void)in.SkipToLine("END");
                break;
            }
        }
    } catch (const ReportFailure&) {
    }
    return 0;
}
