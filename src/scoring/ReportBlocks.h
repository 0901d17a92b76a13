#pragma once
// The blocks of the client report and of the one-page summary. Each writes its lines to `out` and
// advances out.PageLine by the block's fixed amount (which decides the page breaks, and is not always
// the number of lines printed). They read ClientView, ScoreResults and ReportTexts.
#include "scoring/PageHeader.h"
#include "scoring/ReportWriter.h"

// mode 1 = full report, mode 2 = one-page summary.
void PrintReportHead(ReportWriter& out, int mode);
// The four lines of the confidentiality notice (no counter change).
void PrintConfidentialityNotice(ReportWriter& out);
void PrintProfile(ReportWriter& out, int first, int last);
void PrintCourtHistory(ReportWriter& out);
// mode 2 fills to the publisher line; mode 1 fills to the foot of the page and prints the notice.
void PrintFooter(ReportWriter& out, int mode);
void PrintScaleSection(ReportWriter& out, int s);
void PrintNotScorable(ReportWriter& out);
void PrintSignificantItems(ReportWriter& out);
void PrintSection3Answers(ReportWriter& out);
// The staff observations and signature block, ending with an empty line while the page has room.
struct SignatureBlock {
    int width;           // underscores of an observation line; the heading line is as wide
    int lines;           // observation lines
    bool stopPastLine53; // no further observation line once PageLine is past 53
    int labelColumn;     // column of the test-number label
    const char* label;   // "(TEST #" or "(TRV TEST #"
};
void PrintSignatureBlock(ReportWriter& out, const SignatureBlock& block);
// The full report's block: one observation line in the extreme-truthfulness report, else two.
void PrintObservations(ReportWriter& out);
void PrintResponses(ReportWriter& out);
