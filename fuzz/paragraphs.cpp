// A paragraph file and the notice file from arbitrary bytes, printed into a report with page breaks.
#include "scoring/Paragraphs.h"
#include "scoring/ReportResult.h"
#include "shell/FileNames.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const std::string keys[] = {"LOW",     "MEDIUM-LOW",  "MEDIUM-HIGH",
                                       "PROBLEM", "MAXIMUM-LOW", "MAXIMUM-HIGH"};
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    ReportWriter out;
    out.PageLine = static_cast<int16_t>(data[0] % 58);
    try {
        PrintParagraphLines(out, bytes, ParagraphFileNames[1], keys[data[0] % 6]);
    } catch (const ReportFailure&) {
    }
    try {
        PrintNoticeLines(out, bytes, InvalidNoticeFileName);
    } catch (const ReportFailure&) {
    }
    return 0;
}
