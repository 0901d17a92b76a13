// tarvos-cli list CLIENTFILE: the client list as the main menu shows it, one "n-" + name line per
// client, in UTF-8. Reads the file only.
#include "cli/CliCommand.h"
#include "clients/ClientFile.h"
#include "clients/FileErrorInWords.h"
#include "shell/qt/Cp1252.h"

#include <cstdio>

namespace {
int List(const std::vector<std::string>& args) {
    if (args.size() != 1 || (!args[0].empty() && args[0][0] == '-'))
        return CliUsageError("list", args.empty() ? "no client file given"
                                                  : "unexpected argument '" + args.back() + "'");
    ClientSlots table{};
    int16_t count = 0;
    if (auto err = ReadClientFile(args[0], table, count); !err.ok())
        return CliFail(ExitFailed, FileErrorInWords(err));
    for (int i = 1; i <= count; ++i) {
        QString name = FromCp1252(table[static_cast<std::size_t>(i)].Name.view());
        // A control byte in a damaged record must not break the one-line-per-client output.
        for (QChar& c : name)
            if (c.category() == QChar::Other_Control)
                c = u'?';
        const QByteArray line = QByteArray::number(i) + '-' + name.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    }
    return FinishStandardOutput();
}

const CliCommand command({"list", "list CLIENTFILE",
                          "print the client list of a client file as the main menu shows it",
                          "Prints one line per client, \"n-\" and the name as stored (25 columns,\n"
                          "trailing blanks kept), in UTF-8. CLIENTFILE is the DATA401.TRV of a data folder;\n"
                          "it is only read.\n"},
                         List);
} // namespace
