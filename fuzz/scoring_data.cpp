// The scoring data file and the report text file parsed from arbitrary bytes, then a client scored
// with whatever tables were accepted: no read outside a table whatever the file holds.
#include "clients/ClientFile.h"
#include "scoring/ReportData.h"
#include "scoring/Scoring.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ReportTextSet texts;
    try {
        ParseReportTexts(bytes, ReportTextFileName, texts);
    } catch (const ReportFailure&) {
    }
    ScoringTables = ScoringTableSet{};
    try {
        ParseScoringTables(bytes, ScoringDataFileName, ScoringTables);
    } catch (const ReportFailure&) {
        return 0;
    }
    ClientRecord client;
    std::string answers(ItemCount, '0');
    for (std::size_t i = 0; i < answers.size() && i < size; ++i)
        answers[i] = static_cast<char>('0' + data[i] % 5);
    client.Responses = answers;
    client.Age = "30";
    client.CourtHistory[7] = "2";
    if (BuildClientView(client, 1).ok() && ComputeRawScores().ok())
        ComputePercentiles();
    return 0;
}
