#include "scoring/ScoreAndReport.h"

#include "clients/ClientFile.h"
#include "scoring/ClientReport.h"
#include "scoring/ReportData.h"
#include "scoring/Scoring.h"
#include "shell/ProgramFolder.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string TrimRight(const std::string& s) {
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

template <std::size_t N>
void TrimmedCopy(const std::array<std::string, N>& from, std::array<std::string, N>& to) {
    for (std::size_t i = 0; i < N; ++i)
        to[i] = TrimRight(from[i]);
}

FileError WriteAll(int fd, const std::string& bytes, const std::string& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return FileErrorFromErrno(n < 0 ? errno : ENOSPC, path);
        done += static_cast<std::size_t>(n);
    }
    return {};
}

ReportResult WriteReportFile(const std::string& reportPath, const std::string& bytes) {
    std::string temp = reportPath + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        FileError err = FileErrorFromErrno(errno, reportPath);
        return ReportResult{err.number, reportPath, err.description};
    }
    // mkstemp makes the file private; a report is an ordinary file of its folder.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    FileError err;
    if (::fchmod(fd, 0666 & ~mask) != 0)
        err = FileErrorFromErrno(errno, reportPath);
    if (err.ok())
        err = WriteAll(fd, bytes, reportPath);
    if (::close(fd) != 0 && err.ok())
        err = FileErrorFromErrno(errno, reportPath);
    // Renamed over the old report, never after removing it: a program killed in between would leave
    // neither the old report nor the new one.
    if (err.ok() && ::rename(temp.c_str(), reportPath.c_str()) != 0)
        err = FileErrorFromErrno(errno, reportPath);
    if (!err.ok()) {
        ::unlink(temp.c_str());
        return ReportResult{err.number, reportPath, err.description};
    }
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
