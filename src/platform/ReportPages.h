#pragma once
// Drawing the report's pages with Qt: the page layout shared by the printer, "Save as PDF" and
// tarvos-cli report --pdf, so all three put the same lines on the same sheets.
#include "scoring/PrintLayout.h"

#include <QIODevice>
#include <QPageSize>
#include <QString>
#include <string>

// Writes the report's text (Windows-1252, CR LF, form feeds) as a PDF of `paper` sheets to `path`,
// replacing it in one step. On failure returns false with the reason in `error`; `path` is unchanged.
bool WriteReportPdf(const std::string& reportText, const QPageSize& paper, const QString& path,
                    QString& error);

// The same PDF written to an open device (a temporary file for the printer, with no sync to disk).
bool WriteReportPdf(const std::string& reportText, const QPageSize& paper, QIODevice& out, QString& error);

// The layout WriteReportPdf uses on `paper` (for tests and the benchmark).
ReportLayout ReportPdfLayout(const std::string& reportText, const QPageSize& paper);

// The paper a PDF of the report gets: the default printer's paper, else Letter where the locale
// measures in inches and A4 elsewhere.
QPageSize DefaultReportPaper();
