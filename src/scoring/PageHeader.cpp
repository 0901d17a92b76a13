#include "scoring/PageHeader.h"

#include "scoring/Scoring.h"

#include <string>

void PrintPageHeader(ReportWriter& out) {
    out.PageNumber = static_cast<int16_t>(out.PageNumber + 1);
    out.Text("\f").EndLine();
    const int lastDigit = (out.PageNumber % 10 + 10) % 10;
    out.Sp(7).Text("NAME: ").Text(ClientView.ClientFields[1]).Col(41).Text("-");
    out.Text(std::to_string(lastDigit)).Text("-").Col(62).Text("Tarvos REPORT").EndLine();
    out.EndLine();
    out.PageLine = 2;
}
