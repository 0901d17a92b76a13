// Tarvos, the desktop program: the main menu's start-up decides whether the program runs.
#include "platform/InstalledLayout.h"
#include "shell/qt/frmMainMenu.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvos"));
    if (const std::string problem = SettleProgramFolder(); !problem.empty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Tarvos"), QString::fromStdString(problem));
        return 1;
    }
    frmMainMenu window;
    if (!window.Form_Load())
        return 0;
    window.show();
    return QApplication::exec();
}
