#pragma once
// A printer that records what it was given and fails on request, for tests of the windows and of
// PrintReportFile without a print system.
#include "scoring/ReportPrinting.h"

#include <string>
#include <vector>

class FakeReportPrinter : public ReportPrinter {
public:
    struct Job {
        bool port = false; // PrintPort (true) or PrintText
        std::string bytes;
    };

    PrintResult PrintText(const std::string& reportText) override { return Take(false, reportText); }
    PrintResult PrintPort(const std::string& fileBytes) override { return Take(true, fileBytes); }

    std::string name = "Office Laser";
    std::string failWith; // when set, every job fails with this cause and is not recorded
    std::vector<Job> jobs;

private:
    PrintResult Take(bool port, const std::string& bytes) {
        if (!failWith.empty())
            return PrintResult{name, failWith};
        jobs.push_back({port, bytes});
        return PrintResult{name, ""};
    }
};
