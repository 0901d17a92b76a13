#include "scoring/ReportBlocks.h"

#include "scoring/Paragraphs.h"
#include "scoring/ReportOptions.h"
#include "scoring/Scoring.h"
#include "shell/TextValue.h"

#include <algorithm>
#include <vector>

namespace {
constexpr std::string_view DottedGraph = "-...............-...........-.......-...-";
constexpr std::string_view EmptyGraphLine = "-               -           -       -   -";
constexpr std::string_view GraphFrame = "+---------------+-----------+-------+---+";

bool ExtremeTruthfulness() {
    return ScoreResults.Percentile[1] >= 95;
}

struct Group {
    std::string name;
    std::vector<std::string> lines;
};

// Left and right column of significant items; `right` may be empty (no right column).
void PrintGroupPair(ReportWriter& out, const Group& left, const Group& right) {
    const int rows = static_cast<int>(std::max(left.lines.size(), right.lines.size()));
    if (out.PageLine + 2 + rows > PageLength) {
        PrintPageHeader(out);
        out.Sp(7).Text("SIGNIFICANT ITEMS (continued):").EndLine();
        out.EndLine();
        out.Advance(2);
    }
    out.Sp(7).Text(left.name).Col(44).Text(right.name).EndLine();
    out.Sp(7)
        .Text(std::string(left.name.size(), '-'))
        .Col(44)
        .Text(std::string(right.name.size(), '-'))
        .EndLine();
    out.Advance(2);
    for (std::size_t r = 0; r < static_cast<std::size_t>(rows); ++r) {
        if (r < left.lines.size())
            out.Sp(7).Text(left.lines[r]);
        if (r < right.lines.size())
            out.Col(44).Text(right.lines[r]);
        out.EndLine();
        out.Advance(1);
    }
    if (out.PageLine >= 3 && out.PageLine < PageLength) {
        out.EndLine();
        out.Advance(1);
    }
}

char ResponseChar(int item) {
    const int code = ClientView.ResponseCodes[item];
    if (item > LastTrueFalseItem)
        return static_cast<char>('0' + code);
    return code == 1 ? 'T' : code == 2 ? 'F' : '0';
}
} // namespace

void PrintReportHead(ReportWriter& out, int mode) {
    const auto& f = ClientView.ClientFields;
    out.Col(30).Text("TARVOS").EndLine();
    out.Col(30).Text("*************************").EndLine();
    if (mode == 2)
        out.Col(34).Text("ONE-PAGE SUMMARY");
    out.EndLine();
    out.Advance(3);
    out.Sp(7).Text("NAME: ").Text(f[1]).EndLine();
    out.Sp(7).Text("ID #: ").Text(f[2]).EndLine();
    out.Sp(7)
        .Text("AGE : ")
        .Text(f[3])
        .Text("     SEX: ")
        .Text(GenderTexts[static_cast<std::size_t>(TextValue16(f[4]))]);
    if (ExtremeTruthfulness())
        out.Col(51).Text("EXTREME TRUTHFULNESS REPORT").EndLine();
    else
        out.Col(60).Text("CONFIDENTIAL REPORT").EndLine();
    out.Sp(7).Text("ETHNICITY/RACE: ").Text(RaceTexts[static_cast<std::size_t>(TextValue16(f[5]))]).EndLine();
    out.Sp(7).Text("EDUCATION/HIGHEST GRADE: ").Text(f[6]).EndLine();
    out.Sp(7)
        .Text("MARITAL STATUS: ")
        .Text(MaritalTexts[static_cast<std::size_t>(TextValue16(f[7]))])
        .EndLine();
    out.Sp(7).Text("DATE OF BIRTH: ").Text(f[8]).EndLine();
    out.Sp(7).Text("DATE SCORED: ").Text(f[9]).EndLine();
    out.EndLine();
    out.Advance(9);
}

void PrintConfidentialityNotice(ReportWriter& out) {
    out.Sp(7).Text("Tarvos  results  are  confidential  and  are  working").EndLine();
    out.Sp(7).Text("hypotheses. No diagnosis or decision  should be based solely upon these").EndLine();
    out.Sp(7).Text("results. These test results are to be used in conjunction with  experi-").EndLine();
    out.Sp(7).Text("enced staff judgment and review of available records.").EndLine();
}

void PrintProfile(ReportWriter& out, int first, int last) {
    const auto& res = ScoreResults;
    out.Sp(7).Text("MEASURES").Sp(12).Text("%ile").Sp(6).Text("            Tarvos PROFILE").EndLine();
    out.Sp(7).Text("--------").Sp(12).Text("----").Sp(6).Text(GraphFrame).EndLine();
    out.Sp(37).Text("-   LOW RISK    -  MEDIUM   -PROBLEM-MAX-").EndLine();
    out.Sp(37).Text(EmptyGraphLine).EndLine();
    bool notScored = false;
    for (int s = first; s <= last; ++s) {
        const int p = res.Percentile[s];
        const bool scored = res.OmittedCount[s] <= 4;
        out.Sp(7).Text(ReportTexts.ScaleNames[s]).Col(scored && p < 10 ? 29 : 28);
        if (!scored) {
            out.Text(" **").Col(38).Text("Scale not scored, insufficient answers");
            notScored = true;
        } else {
            out.Number(p);
            if (res.Percentile[1] >= 90 || (s == 2 && res.AlcoholArrestFloor == 1) ||
                (s == 3 && res.DrugArrestFloor == 1))
                out.Text("*");
            const int b = std::clamp(p * 10 / 25, 0, 40);
            out.Col(38).Text(std::string(static_cast<std::size_t>(b + 1), '*'));
            out.Text(DottedGraph.substr(DottedGraph.size() - static_cast<std::size_t>(40 - b)));
        }
        out.EndLine();
        out.Sp(37).Text(s < last ? EmptyGraphLine : GraphFrame).EndLine();
    }
    if (notScored)
        out.Sp(7).Text("** Too many omitted items");
    else if (res.Percentile[1] >= 90)
        out.Sp(7).Text("* These test results");
    out.Col(38).Text("0").Sp(15).Text("40").Sp(10).Text("70").Sp(6).Text("90 100").EndLine();
    if (notScored)
        out.Sp(7).Text("   to score this scale");
    else if (res.Percentile[1] >= 90)
        out.Sp(7).Text("  are inaccurate");
    else if (res.AlcoholArrestFloor == 1 || res.DrugArrestFloor == 1)
        out.Sp(7).Text("* Minimum Scale Score");
    out.Col(38).Text("----------- PERCENTILE SCORES -----------").EndLine();
    out.EndLine();
    out.Advance(2 * (last - first) + 9);
}

void PrintCourtHistory(ReportWriter& out) {
    auto& items = ClientView.CourtItems;
    for (int k = 1; k <= CourtItemCount; ++k)
        if (items[k].size() < 2)
            items[k] += ' ';
    out.Sp(21).Text("ADDITIONAL INFORMATION PROVIDED BY CLIENT").EndLine();
    out.Sp(21).Text("-----------------------------------------").EndLine();
    out.Advance(2);
    struct Row {
        const char* left;
        int leftItem;
        const char* right;
        int rightItem;
    };
    static constexpr Row rows[] = {
        {"Age at first arrest.......... ", 1, "Total number of times arrested... ", 5},
        {"Felony arrests............... ", 2, "Jail sentences................... ", 6},
        {"Times on probation........... ", 3, "Prison sentences................. ", 7},
        {"Probation revocations........ ", 4, "Alcohol-related arrests.......... ", 8},
        {"Months employed last 12 mos.. ", 10, "Drug-related arrests............. ", 9},
    };
    for (const auto& row : rows) {
        out.Col(8).Text(row.left).Text(items[row.leftItem]);
        out.Col(43).Text(row.right).Text(items[row.rightItem]).EndLine();
    }
    out.Advance(5);
    if (out.PageLine < PageLength) {
        out.EndLine();
        out.Advance(1);
    }
}

void PrintFooter(ReportWriter& out, int mode) {
    if (mode == 2) {
        while (out.PageLine < 56) {
            out.EndLine();
            out.Advance(1);
        }
        if (PublisherCode == "m")
            out.Col(10).Text(FirstPublisherLine).EndLine();
        else
            out.Col(9).Text(SecondPublisherLine).EndLine();
        out.Advance(1);
        if (out.PageLine < PageLength) {
            out.Col(11).Text(ProductNoticeLine).EndLine();
            out.Advance(1);
        }
        return;
    }
    while (out.PageLine < 57) {
        out.EndLine();
        out.Advance(1);
    }
    out.EndLine();
    out.Col(11).Text(ProductNoticeLine).EndLine();
    out.Advance(2);
}

void PrintScaleSection(ReportWriter& out, int s) {
    const int p = ScoreResults.Percentile[s];
    const auto range = RiskRange(p);
    out.Sp(7).Text(ReportTexts.ScaleNames[s]).Text(" SCALE: ").Text(ReportTexts.RangeNames[range.range]);
    out.Text(" RISK RANGE").Col(61).Text("RISK PERCENTILE:").Text(std::to_string(p)).EndLine();
    out.Advance(1);
    PrintScaleParagraph(out, s, range.key);
}

void PrintNotScorable(ReportWriter& out) {
    out.EndLine();
    out.Sp(7).Text("This scale  is inaccurate  and  not  scorable  because  the  respondent").EndLine();
    out.Sp(7).Text("omitted or skipped an excessive number of items.").EndLine();
    out.Advance(3);
    if (out.PageLine < PageLength) {
        out.EndLine();
        out.Advance(1);
    }
}

void PrintSignificantItems(ReportWriter& out) {
    const auto& res = ScoreResults;
    Group groups[5] = {
        {"ALCOHOL", {}}, {"DRUGS", {}}, {"AGGRESSIVENESS", {}}, {"ANTISOCIAL", {}}, {"VIOLENCE", {}}};
    static constexpr int lastCandidate[5] = {9, 19, 32, 42, 54};
    for (int j = 1, g = 0; j <= SignificantItemCount; ++j) {
        if (j > lastCandidate[g])
            ++g;
        if (res.ItemPoints[ScoringTables.SignificantItemNumbers[j]] >= 2)
            groups[g].lines.push_back(ReportTexts.SignificantItemTexts[j]);
    }
    if (res.AlcoholArrestFloor == 1)
        groups[0].lines.push_back("** Score due to alcohol arrests");
    if (res.DrugArrestFloor == 1)
        groups[1].lines.push_back("** Score due to drug arrests");
    for (auto& group : groups)
        if (group.lines.empty())
            group.lines = {"No significant items were reported", "for this scale."};

    const int firstRows = static_cast<int>(std::max(groups[0].lines.size(), groups[1].lines.size()));
    if (out.PageLine + 6 + firstRows > PageLength)
        PrintPageHeader(out);
    out.Sp(7).Text("SIGNIFICANT  ITEMS:  The  answers   are  the   client's   self-reported").EndLine();
    out.Sp(7).Text("Responses. And, they represent direct admissions or unusual  Responses,").EndLine();
    out.Sp(7).Text("which may help in understanding the client's situation.").EndLine();
    out.EndLine();
    out.Advance(4);
    PrintGroupPair(out, groups[0], groups[1]);
    PrintGroupPair(out, groups[2], groups[3]);
    PrintGroupPair(out, groups[4], Group{});
    if (out.PageLine >= 3 && out.PageLine < PageLength) {
        out.EndLine();
        out.Advance(1);
    }
}

void PrintSection3Answers(ReportWriter& out) {
    std::string lines[11];
    for (int k = 1; k <= 10; ++k) {
        const int item = LastRatingItem + k;
        const int code = ClientView.ResponseCodes[item];
        if (code >= 1 && code <= 4)
            lines[k] = ReportTexts.AnswerTexts[4 * (k - 1) + code];
        else if (code == 0)
            lines[k] = std::to_string(item) + ". No response given";
    }
    for (const char* text : {"SECTION 3: The client's  answers to  multiple choice  items are printed",
                             "below. It should  be noted  that these  answers represent  the client's",
                             "opinion--with  all of its biases.  These multiple choice answers  allow",
                             "comparison  of the  client's  subjective  opinions with  objective  and",
                             "empirically based scale scores."})
        out.Sp(7).Text(text).EndLine();
    out.EndLine();
    out.Advance(6);
    for (int j = 1; j <= 5; ++j) {
        out.Sp(7).Text(lines[j]).Col(44).Text(lines[j + 5]).EndLine();
        out.Advance(1);
        if (out.PageLine >= PageLength)
            PrintPageHeader(out);
    }
    if (out.PageLine >= 3 && out.PageLine < PageLength) {
        out.EndLine();
        out.Advance(1);
    }
}

void PrintSignatureBlock(ReportWriter& out, const SignatureBlock& block) {
    out.Sp(7)
        .Text("OBSERVATIONS/RECOMMENDATIONS:")
        .Text(std::string(static_cast<std::size_t>(block.width - 29), '_'))
        .EndLine();
    out.Advance(1);
    for (int i = 0; i < block.lines; ++i) {
        out.EndLine();
        out.Sp(7).Text(std::string(static_cast<std::size_t>(block.width), '_')).EndLine();
        out.Advance(2);
        if (block.stopPastLine53 && out.PageLine > 53)
            break;
    }
    out.EndLine();
    out.Sp(7).Text("______________________        ______________").EndLine();
    out.Advance(2);
    out.Sp(7).Text("STAFF MEMBER SIGNATURE             DATE").Col(block.labelColumn).Text(block.label);
    out.Number(ScoreResults.ScoredClient).Text(")").EndLine();
    out.Advance(1);
    if (out.PageLine < PageLength) {
        out.EndLine();
        out.Advance(1);
    }
}

void PrintObservations(ReportWriter& out) {
    PrintSignatureBlock(out, {70, ExtremeTruthfulness() ? 1 : 2, true, 67, "(TEST #"});
}

void PrintResponses(ReportWriter& out) {
    out.Col(32).Text("Tarvos RESPONSES").EndLine();
    out.Col(32).Text("--------------------").EndLine();
    struct Row {
        const char* label;
        int first;
        int last;
    };
    for (auto [label, first, last] :
         {Row{"  1- 50   ", 1, 50}, Row{" 51-100   ", 51, 100}, Row{"101-149   ", 101, 149}}) {
        out.Sp(7).Text(label);
        for (int i = first; i <= last; ++i) {
            out.Text(std::string(1, ResponseChar(i)));
            const bool tenth =
                first == 101 ? (i == 110 || i == 120 || i == 130 || i == 140) : (i - first + 1) % 10 == 0;
            if (tenth)
                out.Sp(2);
        }
        out.EndLine();
    }
    out.Advance(5);
    if (out.PageLine < PageLength) {
        out.EndLine();
        out.Advance(1);
    }
}
