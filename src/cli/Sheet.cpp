// tarvos-cli sheet -o FILE.pdf: writes the blank answer sheet as a PDF at exact scale for printing.
#include "cli/CliCommand.h"
#include "clients/FileErrorInWords.h"
#include "entry/qt/AnswerSheetDrawing.h"
#include "shell/FileIo.h"

namespace {

int RunSheet(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0] != "-o" || args[1].empty())
        return CliUsageError("sheet", "the output file is given with -o FILE.pdf");
    const QByteArray pdf = AnswerSheetPdf(AnswerSheetLayout());
    if (pdf.isEmpty())
        return CliFail(ExitFailed, "the answer sheet could not be drawn");
    if (FileError err =
            WriteFileAtomically(args[1], std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        !err.ok())
        return CliFail(ExitFailed, FileErrorInWords(err));
    return ExitSuccess;
}

const CliCommand sheetCommand({"sheet", "sheet -o FILE.pdf", "write the blank answer sheet as a PDF",
                               "The sheet is one page of 8.5 x 14 inches at exact scale: print it at 100 %\n"
                               "(no fitting to the page) on legal paper, so that a scan reads its marks.\n"
                               "FILE.pdf is replaced only once the whole sheet is written.\n"},
                              RunSheet);

} // namespace
