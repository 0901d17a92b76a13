// Writes the demo data folder: a client file of a few fictional clients with complete records, and,
// when the program folder has no settings file yet, one that points the program at the demo folder.
// Existing files are left alone, so changes made while trying the program stay.
// Usage: mkdemo DEMO-FOLDER SETTINGS-FILE
#include "clients/ClientFile.h"
#include "shell/Profile.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
struct DemoClient {
    const char* name;
    const char* id;
    int gender, race, marital;
    const char* education;
    int birthYear, birthMonth, birthDay;
    const char* testDate;
    int court[CourtItemCount];
};

const DemoClient Clients[] = {
    {"Avery, Jordan", "DC-20417", 1, 1, 1, "12", 1996, 4, 12, "10/06/2026", {19, 1, 1, 0, 3, 1, 0, 1, 0, 10}},
    {"Delgado, Marisol",
     "DC-20433",
     2,
     3,
     3,
     "14",
     1988,
     9,
     30,
     "10/14/2026",
     {24, 0, 1, 0, 1, 0, 0, 1, 0, 12}},
    {"Whitfield, Curtis",
     "DC-20459",
     1,
     2,
     2,
     "10",
     1979,
     1,
     5,
     "10/21/2026",
     {16, 3, 3, 1, 8, 4, 1, 2, 3, 4}},
    {"Nakamura, Erin", "DC-20461", 2, 4, 1, "16", 2001, 7, 22, "11/02/2026", {21, 0, 1, 0, 1, 0, 0, 0, 1, 9}},
    {"Redcloud, Samuel",
     "DC-20478",
     1,
     5,
     4,
     "11",
     1984,
     11,
     17,
     "11/09/2026",
     {18, 2, 2, 1, 5, 2, 0, 3, 1, 6}},
};

// Plausible answers: a fixed pseudo-random pattern per client within each section's codes.
std::string Answers(unsigned seed) {
    std::string r(ItemCount, '0');
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (int item = 1; item <= ItemCount; ++item) {
        x = x * 1664525u + 1013904223u;
        const int maxCode = item <= 108 ? 2 : 4;
        r[static_cast<std::size_t>(item - 1)] = static_cast<char>('1' + (x >> 24) % maxCode);
    }
    return r;
}

ClientRecord Record(const DemoClient& c, unsigned seed) {
    using namespace std::chrono;
    ClientRecord r;
    const year_month_day birth{year{c.birthYear}, month{static_cast<unsigned>(c.birthMonth)},
                               day{static_cast<unsigned>(c.birthDay)}};
    const year_month_day tested = *ParseDate(c.testDate);
    const auto days = (sys_days{tested} - sys_days{birth}).count();
    r.Name = c.name;
    r.SSN = c.id;
    r.Age = std::to_string(days / 365);
    r.Gender = std::to_string(c.gender);
    r.Race = std::to_string(c.race);
    r.Education = c.education;
    r.Marital = std::to_string(c.marital);
    r.DateOfBirth = FormatDate(birth);
    r.TestDate = c.testDate;
    for (int k = 0; k < CourtItemCount; ++k)
        r.CourtHistory[static_cast<std::size_t>(k)] = std::to_string(c.court[k]);
    r.Responses = Answers(seed);
    r.EditCount = "0";
    r.NameDeleted = "0";
    return r;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkdemo DEMO-FOLDER SETTINGS-FILE\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    const std::string settings = argv[2];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const auto clientFile = folder / ClientFileName;
    if (!std::filesystem::exists(clientFile)) {
        std::string bytes;
        unsigned seed = 1;
        for (const DemoClient& c : Clients)
            bytes += Record(c, seed++).ToBytes();
        std::ofstream out(clientFile, std::ios::binary);
        out << bytes;
        if (!out.flush()) {
            std::fprintf(stderr, "mkdemo: cannot write %s\n", clientFile.c_str());
            return 1;
        }
    }
    if (!std::filesystem::exists(settings)) {
        if (auto err = WritePrivateProfileString("Path", "FilePath", folder.string(), settings); !err.ok()) {
            std::fprintf(stderr, "mkdemo: cannot write %s: %s\n", settings.c_str(), err.message().c_str());
            return 1;
        }
    }
    return 0;
}
