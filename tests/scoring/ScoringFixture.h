#pragma once
// Shared set-up of the scoring tests: tables built in memory, a neutral client that earns no points,
// and copies of the small data sets under tests/scoring/data.
#include "clients/ClientFile.h"
#include "scoring/ReportOptions.h"
#include "scoring/Scoring.h"
#include "support/ProgramState.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

// A record from its fields: `demographics` is Age (3), Gender, Race, Education (2) and Marital as stored,
// `court` the ten 2-character items, `answers` section 1 as T/F/0 and sections 2 and 3 as codes.
inline ClientRecord Record(const char* name, const char* ssn, const char* demographics, const char* birth,
                           const char* court, std::string answers) {
    for (char& c : answers)
        c = c == 'T' ? '1' : c == 'F' ? '2' : c;
    auto pad = [](std::string s, std::size_t n) { return s.append(n - s.size(), ' '); };
    return ClientRecord::FromBytes(pad(name, 25) + pad(ssn, 11) + demographics + pad(birth, 10) +
                                   "12/01/2026" + pad(court, 20) + answers + "00");
}
inline const char* const NoCourt = "N N N N N N N N N N ";

class ScoringTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        ScoringTables = UniformTables();
        ReportTexts.RangeNames = {"", "LOW", "MEDIUM", "PROBLEM", "MAXIMUM"};
        client = NeutralClient();
    }
    void TearDown() override { ResetProgramState(); }

    // Lists s = items 10(s-1)+1 .. 10s; True in section 1 earns 1, all else 0; norms: raw r -> 4r,
    // 20 entries; scale-7 percentile of interval i is i; floor slices hold items 61.. (no list).
    static ScoringTableSet UniformTables() {
        ScoringTableSet t;
        for (int s = 1; s <= 6; ++s) {
            t.ScaleItemCounts[s] = 10;
            for (int k = 1; k <= 10; ++k)
                t.ScaleItems[s][k] = static_cast<int16_t>(10 * (s - 1) + k);
        }
        const int items[5] = {0, 60, 48, 31, 10};
        for (int block = 1; block <= 4; ++block)
            for (int code = 0; code <= 4; ++code)
                t.PointKeys[block][code] = std::string(items[block], block == 1 && code == 1 ? '1' : '0');
        for (int g = 1; g <= 2; ++g)
            for (int r = 1; r <= 3; ++r)
                for (int s = 1; s <= 6; ++s) {
                    t.NormCounts[g][r][s] = 20;
                    for (int raw = 1; raw <= 20; ++raw)
                        t.NormTables[s][raw][r][g] = static_cast<int16_t>(4 * raw);
                }
        for (int i = 1; i <= 48; ++i)
            t.ScThresholds[i] = static_cast<int16_t>((i - 1) * 5);
        for (int r = 1; r <= 3; ++r)
            for (int i = 1; i <= 47; ++i)
                for (int g = 1; g <= 2; ++g)
                    t.ScPercentiles[r][i][g] = static_cast<int16_t>(i);
        for (int j = 1; j <= 73; ++j)
            t.FloorItems[j] = static_cast<int16_t>(60 + (j - 1) % 40 + 1);
        return t;
    }

    // Section 1 all False, sections 2 and 3 "1" or "3" so that nothing earns points; no demographics
    // or court history.
    static ClientRecord NeutralClient() {
        std::string answers = std::string(108, 'F') + std::string(41, '1');
        for (int item : {115, 117, 124, 128, 134, 149}) // "3" earns nothing on these
            answers[static_cast<std::size_t>(item - 1)] = '3';
        return Record("Test Client", "N", "N  11N 1", "N", NoCourt, answers);
    }

    void Answer(int item, char code) { client.Responses[static_cast<std::size_t>(item - 1)] = code; }
    void Court(int k, const char* v) { client.CourtHistory[static_cast<std::size_t>(k - 1)] = v; }

    // Scores `client` as slot 1; expects success.
    void Score() {
        ScoreResults.ScoredClient = 1;
        ASSERT_TRUE(BuildClientView(client, 1).ok());
        ASSERT_TRUE(ComputeRawScores().ok());
        ComputePercentiles();
    }
    const ScoreResultSet& res = ScoreResults;
    ClientRecord client;
};

// A temporary data folder holding the files of tests/scoring/data/<set> (base first, then <set>).
inline void CopyDataSet(const TempDir& dir, const std::string& set) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(TARVOS_SOURCE_DIR) / "tests/scoring/data";
    for (const std::string& name : {std::string("base"), set})
        for (const auto& e : fs::directory_iterator(root / name))
            fs::copy_file(e.path(), fs::path(dir.path()) / e.path().filename(),
                          fs::copy_options::overwrite_existing);
}
