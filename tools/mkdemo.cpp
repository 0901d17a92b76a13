// Writes the demo data folder: a client file of a few fictional clients with complete records, and,
// when the program folder has no settings file yet, one that points the program at the demo folder.
// Existing files are left alone, so changes made while trying the program stay.
// The answers follow a risk profile per client through the scoring design (data/scoring/items.txt),
// so the demo reports show low, medium and high ranges rather than noise.
// Usage: mkdemo DEMO-FOLDER SETTINGS-FILE SCORING-DESIGN
#include "clients/ClientFile.h"
#include "shell/FileIo.h"
#include "shell/Profile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <vector>

namespace {
struct DemoClient {
    const char* name;
    const char* id;
    int gender, race, marital;
    const char* education;
    int birthYear, birthMonth, birthDay;
    const char* testDate;
    int court[CourtItemCount];
    // How likely the client gives the point-earning answer of an item of each list (the highest of
    // its lists counts): VA truthfulness, AL alcohol, DG drugs, VI violence, AS antisocial,
    // AG aggressiveness.
    std::map<std::string, double> risk;
};

const DemoClient Clients[] = {
    {"Avery, Jordan",
     "900-20-0417",
     1,
     1,
     1,
     "12",
     1996,
     4,
     12,
     "10/06/2026",
     {19, 1, 1, 0, 3, 1, 0, 1, 0, 10},
     {{"VA", 0.15}, {"AL", 0.08}, {"DG", 0.05}, {"VI", 0.05}, {"AS", 0.1}, {"AG", 0.12}}},
    {"Delgado, Marisol",
     "900-20-0433",
     2,
     3,
     3,
     "14",
     1988,
     9,
     30,
     "10/14/2026",
     {24, 0, 1, 0, 1, 0, 0, 1, 0, 12},
     {{"VA", 0.2}, {"AL", 0.45}, {"DG", 0.1}, {"VI", 0.08}, {"AS", 0.15}, {"AG", 0.2}}},
    {"Whitfield, Curtis",
     "900-20-0459",
     1,
     2,
     2,
     "10",
     1979,
     1,
     5,
     "10/21/2026",
     {16, 3, 3, 1, 8, 4, 1, 2, 3, 4},
     {{"VA", 0.25}, {"AL", 0.5}, {"DG", 0.4}, {"VI", 0.75}, {"AS", 0.7}, {"AG", 0.75}}},
    {"Nakamura, Erin",
     "900-20-0461",
     2,
     4,
     1,
     "16",
     2001,
     7,
     22,
     "11/02/2026",
     {21, 0, 1, 0, 1, 0, 0, 0, 1, 9},
     {{"VA", 0.2}, {"AL", 0.15}, {"DG", 0.6}, {"VI", 0.1}, {"AS", 0.3}, {"AG", 0.15}}},
    {"Redcloud, Samuel",
     "900-20-0478",
     1,
     5,
     4,
     "11",
     1984,
     11,
     17,
     "11/09/2026",
     {18, 2, 2, 1, 5, 2, 0, 3, 1, 6},
     {{"VA", 0.3}, {"AL", 0.8}, {"DG", 0.2}, {"VI", 0.3}, {"AS", 0.35}, {"AG", 0.4}}},
};

struct DesignItem {
    std::vector<int> points; // by answer code 0..4
    std::vector<std::string> lists;
};

// Reads each item's points per answer code and its item lists from the scoring design.
std::vector<DesignItem> ReadDesign(const std::string& path) {
    std::vector<DesignItem> items(ItemCount + 1);
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        int item = 0;
        if (!(fields >> item) || item < 1 || item > ItemCount)
            continue;
        const int codes = item <= 108 ? 3 : 5;
        DesignItem& d = items[static_cast<std::size_t>(item)];
        d.points.resize(static_cast<std::size_t>(codes));
        for (int& p : d.points)
            fields >> p;
        std::string lists;
        fields >> lists;
        for (std::istringstream l(lists); std::getline(l, line, ',');)
            if (line != "-")
                d.lists.push_back(line);
    }
    return items;
}

// Answers drawn with the client's risk for each item's lists: the point-earning answer with that
// probability, otherwise one that earns nothing. Items outside the lists are answered at random.
std::string Answers(const DemoClient& c, const std::vector<DesignItem>& design, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::string r(ItemCount, '0');
    for (int item = 1; item <= ItemCount; ++item) {
        const DesignItem& d = design[static_cast<std::size_t>(item)];
        const int maxCode = item <= 108 ? 2 : 4;
        std::vector<int> earning, plain;
        for (int code = 1; code <= maxCode && static_cast<std::size_t>(code) < d.points.size(); ++code)
            (d.points[static_cast<std::size_t>(code)] > 0 ? earning : plain).push_back(code);
        double risk = -1;
        for (const auto& list : d.lists)
            if (auto it = c.risk.find(list); it != c.risk.end())
                risk = std::max(risk, it->second);
        int code = 1 + static_cast<int>(random() % static_cast<unsigned>(maxCode));
        if (risk >= 0 && !earning.empty() && !plain.empty()) {
            const auto& from = chance(random) < risk ? earning : plain;
            code = from[random() % from.size()];
        }
        r[static_cast<std::size_t>(item - 1)] = static_cast<char>('0' + code);
    }
    return r;
}

ClientRecord Record(const DemoClient& c, const std::vector<DesignItem>& design, unsigned seed) {
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
    r.Responses = Answers(c, design, seed);
    r.EditCount = "0";
    r.NameDeleted = "0";
    return r;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: mkdemo DEMO-FOLDER SETTINGS-FILE SCORING-DESIGN\n");
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    const std::string settings = argv[2];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const auto clientFile = folder / ClientFileName;
    if (!std::filesystem::exists(clientFile)) {
        const auto design = ReadDesign(argv[3]);
        if (design[1].points.empty()) {
            std::fprintf(stderr, "mkdemo: no scoring design in %s\n", argv[3]);
            return 1;
        }
        std::string bytes;
        unsigned seed = 1;
        for (const DemoClient& c : Clients)
            bytes += Record(c, design, seed++).ToBytes();
        if (FileError err = WriteFileAtomically(clientFile.string(), bytes); !err.ok()) {
            std::fprintf(stderr, "mkdemo: cannot write %s: %s\n", clientFile.c_str(),
                         err.description.c_str());
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
