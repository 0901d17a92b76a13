#pragma once
// The scale paragraphs and the extreme-truthfulness notice of the client report, read from their data
// files.
#include "scoring/ReportWriter.h"

#include <string>
#include <string_view>

// The paragraph of scale s for range `key` from its paragraph file, each line at column 9, with a page
// header whenever PageLine reaches 58. Throws ReportFailure for a missing file, key or "END".
void PrintScaleParagraph(ReportWriter& out, int s, const std::string& key);
// The same from the bytes of a paragraph file named `fileName`.
void PrintParagraphLines(ReportWriter& out, std::string_view bytes, const std::string& fileName,
                         const std::string& key);
// The notice of the extreme-truthfulness report from the file in `dataFolder`, each line at column 8,
// with no page breaks. Throws ReportFailure for a missing file or one without "END".
void PrintInvalidNotice(ReportWriter& out, const std::string& dataFolder);
void PrintNoticeLines(ReportWriter& out, std::string_view bytes, const std::string& fileName);
