// tarvos-cli list CLIENTFILE: the client list as the main menu shows it, one "n-" + name line per
// client, in UTF-8. Reads the file only.
#include "cli/CliCommand.h"
#include "clients/ClientFile.h"
#include "shell/qt/Cp1252.h"

#include <cstdio>

namespace {
int List(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: tarvos-cli list CLIENTFILE\n");
        return 2;
    }
    ClientSlots table{};
    int16_t count = 0;
    if (auto err = ReadClientFile(args[0], table, count); !err.ok()) {
        std::fprintf(stderr, "tarvos-cli: cannot read client file %s: %s\n", args[0].c_str(),
                     err.message().c_str());
        return 1;
    }
    for (int i = 1; i <= count; ++i) {
        QString name = FromCp1252(table[static_cast<std::size_t>(i)].Name.view());
        // A control byte in a damaged record must not break the one-line-per-client output.
        for (QChar& c : name)
            if (c.category() == QChar::Other_Control)
                c = u'?';
        const QByteArray line = QByteArray::number(i) + '-' + name.toUtf8() + '\n';
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

const CliCommand command("list", "list CLIENTFILE", List);
} // namespace
