#include "scoring/ClientReport.h"

#include "scoring/Paragraphs.h"
#include "scoring/ReportBlocks.h"
#include "scoring/ReportOptions.h"
#include "scoring/Scoring.h"

namespace {
void EmptyLines(ReportWriter& out, int n) {
    for (int i = 0; i < n; ++i)
        out.EndLine();
    out.Advance(n);
}

void BreakIfOver(ReportWriter& out, int needed) {
    if (out.PageLine + needed > PageLength)
        PrintPageHeader(out);
}

void WriteScaleSections(ReportWriter& out) {
    out.Col(9).Text("* * SUMMARY PARAGRAPHS EXPLAINING CLIENT'S ATTAINED SCALE SCORES * *").EndLine();
    out.Col(9).Text("    ------------------------------------------------------------").EndLine();
    out.EndLine();
    out.Advance(3);
    for (int s = 1; s <= ScaleCount; ++s) {
        if (ScoreResults.OmittedCount[s] > 4) {
            out.Sp(7).Text(ReportTexts.ScaleNames[s]).EndLine();
            out.Advance(1);
            PrintNotScorable(out);
        } else {
            PrintScaleSection(out, s);
            if (out.PageLine > 2 && out.PageLine < PageLength)
                EmptyLines(out, 1);
        }
        BreakIfOver(out, 2);
    }
}
} // namespace

void WriteClientReport(ReportWriter& out, const std::string& dataFolder) {
    out.PageNumber = 1;
    out.PageLine = 1;
    const bool extreme = ScoreResults.Percentile[1] >= 95;
    if (!extreme)
        EmptyLines(out, 1);
    EmptyLines(out, 1);
    PrintReportHead(out, 1);
    if (extreme) {
        PrintInvalidNotice(out, dataFolder);
        PrintObservations(out);
        PrintResponses(out);
        PrintFooter(out, 1);
        return;
    }
    out.EndLine();
    PrintConfidentialityNotice(out);
    out.EndLine();
    out.Advance(6);
    EmptyLines(out, 2);
    BreakIfOver(out, 20);
    PrintProfile(out, 1, ScaleCount);
    EmptyLines(out, 2);
    BreakIfOver(out, 9);
    PrintCourtHistory(out);
    PrintFooter(out, 2);
    BreakIfOver(out, 5);
    WriteScaleSections(out);
    if (out.PageLine + 19 < PageLength)
        EmptyLines(out, 1);
    PrintSignificantItems(out);
    if (out.PageLine + 4 > PageLength && out.PageLine < 57)
        PrintFooter(out, 1);
    BreakIfOver(out, 11);
    PrintSection3Answers(out);
    if (out.PageLine < PageLength)
        EmptyLines(out, 1);
    if (out.PageLine + 35 < PageLength)
        EmptyLines(out, 1);
    BreakIfOver(out, 10);
    PrintObservations(out);
    if (out.PageLine + 29 < PageLength)
        EmptyLines(out, 1);
    BreakIfOver(out, 6);
    PrintResponses(out);
    if (out.PageLine < PageLength)
        PrintFooter(out, 2);
    if (SummaryReport)
        WriteSummaryReport(out);
}
