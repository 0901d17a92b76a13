// tarvos-cli sheet -o FILE.pdf: writes the blank answer sheet as a PDF at exact scale for printing.
#include "cli/CliCommand.h"
#include "entry/qt/AnswerSheetDrawing.h"

#include <cstdio>

namespace {

int RunSheet(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0] != "-o" || args[1].empty()) {
        std::fprintf(stderr, "usage: tarvos-cli sheet -o FILE.pdf\n");
        return 2;
    }
    QString error;
    if (!WriteAnswerSheetPdf(QString::fromStdString(args[1]), AnswerSheetLayout(), error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 2;
    }
    return 0;
}

const CliCommand sheetCommand("sheet", "sheet -o FILE.pdf", RunSheet);

} // namespace
