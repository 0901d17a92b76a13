#include "scoring/ScoreAndReport.h"

#include "clients/ClientFile.h"
#include "scoring/ClientReport.h"
#include "scoring/ReportData.h"
#include "scoring/Scoring.h"
#include "shell/ProgramFolder.h"

#include "shell/FileIo.h"
#include "shell/TrimBlanks.h"

#include <unistd.h>

namespace {
template <std::size_t N>
void TrimmedCopy(const std::array<std::string, N>& from, std::array<std::string, N>& to) {
    for (std::size_t i = 0; i < N; ++i)
        to[i] = std::string(TrimRightBlanks(from[i]));
}

ReportResult WriteReportFile(const std::string& reportPath, const std::string& bytes) {
    if (FileError err = WriteFileAtomically(reportPath, bytes); !err.ok())
        return ReportResult{err.number, reportPath, err.description};
    return {};
}
} // namespace

ReportResult ScoreAndCompose(const std::string& dataFolder, std::string& report) {
    report.clear();
    if (CurrentClient < 1 || CurrentClient > ClientCount)
        return ReportResult{BadDataNumber, "client " + std::to_string(CurrentClient),
                            "no such client (the client file holds " + std::to_string(ClientCount) + ")"};
    SetSectionBounds();
    FillCodeTables();
    TrimmedCopy(GenderNames, GenderTexts);
    TrimmedCopy(RaceNames, RaceTexts);
    TrimmedCopy(MaritalNames, MaritalTexts);
    if (auto loaded = LoadReportData(dataFolder); !loaded.ok())
        return loaded;
    ScoreResults.ScoredClient = CurrentClient;
    if (auto view = BuildClientView(ClientTable[static_cast<std::size_t>(CurrentClient)], CurrentClient);
        !view.ok())
        return view;
    if (auto raw = ComputeRawScores(); !raw.ok())
        return raw;
    ComputePercentiles();
    try {
        ReportWriter out;
        WriteClientReport(out, dataFolder);
        report = out.bytes();
    } catch (const ReportFailure& failure) {
        return failure.result();
    }
    return {};
}

ReportResult ScoreAndReport(const std::string& reportPath, const std::string& dataFolder) {
    std::string report;
    ReportResult result = ScoreAndCompose(dataFolder, report);
    if (result.ok())
        result = WriteReportFile(reportPath, report);
    if (!result.ok())
        ::unlink(reportPath.c_str());
    return result;
}

ReportResult ScoreAndReport() {
    return ScoreAndReport(JoinPath(ProgramFolder(), ReportFileName), ProgramFolder());
}
