// Tarvos, the desktop program: the main menu's start-up decides whether the program runs.
#include "app/qt/ProgramMenuActions.h"
#include "shell/qt/frmMainMenu.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvos"));
    frmMainMenu window;
    window.SetActions(ProgramMenuActions());
    if (!window.Form_Load())
        return 0;
    window.show();
    return QApplication::exec();
}
