#include "scoring/ClientReport.h"
#include "scoring/ReportBlocks.h"
#include "scoring/Scoring.h"

void WriteSummaryReport(ReportWriter& out) {
    out.Text("\f").EndLine();
    out.PageLine = 0;
    PrintReportHead(out, 2);
    PrintConfidentialityNotice(out);
    out.EndLine();
    out.Advance(5);
    PrintProfile(out, 1, ScaleCount);
    PrintCourtHistory(out);
    PrintSignatureBlock(out, {71, 2, false, 55, "(TRV TEST #"});
    if (out.PageLine < PageLength)
        PrintFooter(out, 1);
}
