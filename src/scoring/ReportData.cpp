#include "scoring/ReportData.h"

#include "clients/ClientRecord.h"
#include "scoring/DataReader.h"
#include "shell/ProgramFolder.h"

ReportTextSet ReportTexts;
ScoringTableSet ScoringTables;
std::array<std::string, ScaleCount + 1> ParagraphFiles;

void ParseReportTexts(std::string_view bytes, const std::string& fileName, ReportTextSet& texts) {
    DataReader in(bytes, fileName);
    for (int s = 1; s <= ScaleCount; ++s)
        texts.ScaleNames[s] = in.ReadField();
    for (int r = 1; r <= 4; ++r)
        texts.RangeNames[r] = in.ReadField();
    for (int j = 1; j <= SignificantItemCount; ++j)
        texts.SignificantItemTexts[j] = in.ReadLine();
    for (int j = 1; j <= AnswerTextCount; ++j)
        texts.AnswerTexts[j] = in.ReadLine();
}

void ParseScoringTables(std::string_view bytes, const std::string& fileName, ScoringTableSet& t) {
    DataReader in(bytes, fileName);
    for (int j = 1; j <= SignificantItemCount; ++j)
        t.SignificantItemNumbers[j] = in.ReadNumber(1, ItemCount, "significant item number");
    for (int block = 1; block <= 4; ++block)
        for (int code = 0; code <= PointKeyBlocks[static_cast<std::size_t>(block)].highestCode; ++code)
            t.PointKeys[block][code] = in.ReadField();
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r)
            for (int s = 1; s <= 6; ++s) {
                int16_t count = in.ReadNumber(0, MaxNormCount, "norm count");
                t.NormCounts[g][r][s] = count;
                for (int raw = 1; raw <= count; ++raw)
                    t.NormTables[s][raw][r][g] = in.ReadNumber(0, 100, "norm percentile");
            }
    for (int g = 1; g <= 2; ++g)
        for (int r = 1; r <= 3; ++r)
            for (int i = 1; i < ScThresholdCount; ++i)
                t.ScPercentiles[r][i][g] = in.ReadNumber(0, 100, "scale-7 percentile");
    for (int i = 1; i <= ScThresholdCount; ++i)
        t.ScThresholds[i] = in.ReadNumber();
    for (int s = 1; s <= 6; ++s) {
        int16_t count = in.ReadNumber(0, MaxScaleItems, "item list count");
        t.ScaleItemCounts[s] = count;
        for (int k = 1; k <= count; ++k)
            t.ScaleItems[s][k] = in.ReadNumber(1, ItemCount, "item list entry");
    }
    for (int j = 1; j <= FloorItemCount; ++j)
        t.FloorItems[j] = in.ReadNumber(1, ItemCount, "floor item number");
    for (int row = 1; row <= TruthRowCount; ++row)
        for (int k = 2; k <= 7; ++k)
            t.TruthCorrections[k][row] = in.ReadNumber();
}

ReportResult LoadReportData(const std::string& dataFolder) {
    try {
        for (int s = 1; s <= ScaleCount; ++s)
            ParagraphFiles[s] = JoinPath(dataFolder, ParagraphFileNames[s]);
        const std::string textPath = JoinPath(dataFolder, ReportTextFileName);
        ReportTexts = ReportTextSet{};
        ParseReportTexts(ReadDataFile(textPath), textPath, ReportTexts);
        const std::string tablePath = JoinPath(dataFolder, ScoringDataFileName);
        ScoringTables = ScoringTableSet{};
        ParseScoringTables(ReadDataFile(tablePath), tablePath, ScoringTables);
    } catch (const ReportFailure& failure) {
        return failure.result();
    }
    return {};
}
