// tarvos-cli: the terminal companion of the desktop program. It reads client files, data files and
// page images and writes reports and sheets; it never creates or changes a client file.
#include "cli/CliCommand.h"
#include "platform/InstalledLayout.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {
// The commands speak for themselves on standard error; Qt's own notes (such as a missing runtime
// folder) would only add noise to their one-line messages.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tarvos-cli: %s\n", message.toLocal8Bit().constData());
}

const CliCommandEntry* FindCommand(const std::string& name) {
    for (const auto& c : CliCommands())
        if (c.info.name == name)
            return &c;
    return nullptr;
}

void PrintExitCodes(const std::vector<std::pair<int, std::string>>& extra) {
    std::printf("\nExit status:\n"
                "  0  success\n"
                "  1  the work failed (a file could not be read or written, or holds bad data);\n"
                "     standard error says what failed and what to do\n"
                "  2  usage error: unknown command or option, missing or malformed argument\n");
    for (const auto& [code, meaning] : extra)
        std::printf("  %d  %s\n", code, meaning.c_str());
}

int Help() {
    std::printf("Usage: tarvos-cli COMMAND [ARGUMENT...]\n"
                "  or:  tarvos-cli help [COMMAND]\n"
                "  or:  tarvos-cli --help | --version\n"
                "\n"
                "The terminal companion of the Tarvos desktop program: prints client lists and reports,\n"
                "writes the blank answer sheet and reads filled, scanned sheets. No command ever creates or\n"
                "changes a client file.\n"
                "\n"
                "Commands:\n");
    std::vector<std::pair<int, std::string>> extra;
    for (const auto& c : CliCommands()) {
        std::printf("  %s\n      %s\n", c.info.usage.c_str(), c.info.summary.c_str());
        for (const auto& [code, meaning] : c.info.exitCodes)
            extra.emplace_back(code, c.info.name + ": " + meaning);
    }
    std::printf("\nOptions:\n"
                "  -h, --help     print this help and exit\n"
                "      --version  print the version and exit\n");
    PrintExitCodes(extra);
    std::printf("\nRun 'tarvos-cli help COMMAND' for the arguments and options of a command.\n");
    return FinishStandardOutput();
}

int CommandHelp(const CliCommandEntry& c) {
    std::printf("Usage: tarvos-cli %s\n\n%s\n", c.info.usage.c_str(), c.info.summary.c_str());
    if (!c.info.help.empty())
        std::printf("\n%s", c.info.help.c_str());
    PrintExitCodes(c.info.exitCodes);
    return FinishStandardOutput();
}

int UnknownCommand(const std::string& name) {
    return CliFail(ExitUsage, "unknown command '" + name + "'; see tarvos-cli --help");
}

bool AsksForHelp(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return CliFail(ExitUsage, "no command given; see tarvos-cli --help");
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (name == "--help" || name == "-h")
        return Help();
    if (name == "--version") {
        std::printf("tarvos-cli %s\n", TARVOS_VERSION);
        return FinishStandardOutput();
    }
    if (name == "help") {
        if (args.empty())
            return Help();
        if (args.size() > 1)
            return CliFail(ExitUsage, "help takes one command name; see tarvos-cli --help");
        const CliCommandEntry* c = FindCommand(args[0]);
        return c ? CommandHelp(*c) : UnknownCommand(args[0]);
    }
    const CliCommandEntry* c = FindCommand(name);
    if (!c)
        return UnknownCommand(name);
    if (AsksForHelp(args))
        return CommandHelp(*c);
    // Images and PDF drawing need a GUI application, never a display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);
    if (const std::string problem = SettleProgramFolder(); !problem.empty())
        return CliFail(ExitFailed, problem);
    return c->run(args);
}
