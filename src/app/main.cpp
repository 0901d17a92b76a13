// Tarvos, the desktop program: the main menu's start-up decides whether the program runs.
#include "app/qt/ProgramMenuActions.h"
#include "platform/InstalledLayout.h"
#include "shell/qt/frmMainMenu.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

namespace {
// Answered before any window system is needed, so that both work on a bare terminal.
int PrintHelp() {
    std::printf("Usage: tarvos [--help | --version]\n"
                "\n"
                "Tarvos registers adults under probation supervision, takes their answers to a 149-item\n"
                "questionnaire (on screen with spoken instructions, keyed from a paper answer sheet, or\n"
                "read from a scanned sheet) and prints a report of seven risk scales.\n"
                "\n"
                "All client records of one data disk live in the file DATA401.TRV of its folder, normally\n"
                "a USB stick; one data disk holds at most 51 clients. The folder last used is remembered\n"
                "in trvtest.ini in the program folder; \"Options, Change Data Drve\" switches folders.\n"
                "Everything works from the keyboard: Tab and the arrow keys move, Enter presses the\n"
                "highlighted button, the line at the bottom explains the control that has the focus.\n"
                "Only one copy runs at a time; starting it again brings the running copy to the front.\n"
                "\n"
                "Options:\n"
                "  -h, --help     print this help and exit\n"
                "      --version  print the version and exit\n");
    return std::fflush(stdout) == 0 ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")))
        return PrintHelp();
    if (argc == 2 && !std::strcmp(argv[1], "--version")) {
        std::printf("tarvos %s\n", TARVOS_VERSION);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvos"));
    if (const std::string problem = SettleProgramFolder(); !problem.empty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Tarvos"), QString::fromStdString(problem));
        return 1;
    }
    frmMainMenu window;
    window.SetActions(ProgramMenuActions());
    if (!window.Form_Load())
        return 0;
    window.show();
    return QApplication::exec();
}
