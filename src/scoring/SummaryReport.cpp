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
    out.Sp(7).Text("OBSERVATIONS/RECOMMENDATIONS:").Text(std::string(42, '_')).EndLine();
    out.Advance(1);
    for (int i = 0; i < 2; ++i) {
        out.EndLine();
        out.Sp(7).Text(std::string(71, '_')).EndLine();
        out.Advance(2);
    }
    out.EndLine();
    out.Sp(7).Text("______________________        ______________").EndLine();
    out.Advance(2);
    out.Sp(7).Text("STAFF MEMBER SIGNATURE             DATE").Col(55).Text("(TRV TEST #");
    out.Number(ScoreResults.ScoredClient).Text(")").EndLine();
    out.Advance(1);
    if (out.PageLine < PageLength) {
        out.EndLine();
        out.Advance(1);
        if (out.PageLine < PageLength)
            PrintFooter(out, 1);
    }
}
