// tarvos-cli: the headless companion of the desktop program. It reads client files, data files and
// page images and writes reports and sheets; it never creates or changes a client file.
#include "cli/CliCommand.h"
#include "platform/InstalledLayout.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

std::vector<CliCommandEntry>& CliCommands() {
    static std::vector<CliCommandEntry> commands;
    return commands;
}

CliCommand::CliCommand(std::string name, std::string usage, Run run) {
    CliCommands().push_back({std::move(name), std::move(usage), std::move(run)});
}

namespace {
// The commands speak for themselves on standard error; Qt's own notes (such as a missing runtime
// folder) would only add noise to their one-line messages.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int Usage() {
    std::fprintf(stderr, "usage:\n");
    for (const auto& c : CliCommands())
        std::fprintf(stderr, "  tarvos-cli %s\n", c.usage.c_str());
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string name = argv[1];
    for (const auto& c : CliCommands()) {
        if (c.name == name) {
            // Images and PDF drawing need a GUI application, never a display.
            if (!std::getenv("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            qInstallMessageHandler(QuietMessages);
            QGuiApplication app(argc, argv);
            if (const std::string problem = SettleProgramFolder(); !problem.empty()) {
                std::fprintf(stderr, "tarvos-cli: %s\n", problem.c_str());
                return 1;
            }
            return c.run(std::vector<std::string>(argv + 2, argv + argc));
        }
    }
    std::fprintf(stderr, "tarvos-cli: unknown command '%s'\n", name.c_str());
    return Usage();
}
