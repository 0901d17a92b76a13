#include "scoring/Paragraphs.h"

#include "scoring/DataReader.h"
#include "scoring/PageHeader.h"
#include "scoring/ReportData.h"
#include "shell/ProgramFolder.h"

namespace {
constexpr std::string_view EndMarker = "END";
}

void PrintParagraphLines(ReportWriter& out, std::string_view bytes, const std::string& fileName,
                         const std::string& key) {
    DataReader in(bytes, fileName);
    if (!in.SkipToLine(key))
        Fail(EndOfDataNumber, fileName, "has no paragraph for the key \"" + key + "\"");
    for (;;) {
        if (in.AtEnd())
            Fail(EndOfDataNumber, fileName, "the paragraph for \"" + key + "\" has no END line");
        const std::string line = in.ReadLine();
        if (line == EndMarker)
            return;
        out.Sp(8).Text(line).EndLine();
        out.Advance(1);
        if (out.PageLine >= PageLength)
            PrintPageHeader(out);
    }
}

void PrintScaleParagraph(ReportWriter& out, int s, const std::string& key) {
    const std::string& path = ParagraphFiles[static_cast<std::size_t>(s)];
    PrintParagraphLines(out, ReadDataFile(path), path, key);
}

void PrintNoticeLines(ReportWriter& out, std::string_view bytes, const std::string& fileName) {
    DataReader in(bytes, fileName);
    for (;;) {
        if (in.AtEnd())
            Fail(EndOfDataNumber, fileName, "has no END line");
        const std::string line = in.ReadLine();
        if (line == EndMarker)
            return;
        out.Sp(7).Text(line).EndLine();
        out.Advance(1);
    }
}

void PrintInvalidNotice(ReportWriter& out, const std::string& dataFolder) {
    const std::string path = JoinPath(dataFolder, InvalidNoticeFileName);
    PrintNoticeLines(out, ReadDataFile(path), path);
}
