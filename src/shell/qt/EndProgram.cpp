#include "shell/qt/EndProgram.h"

#include <QApplication>
#include <QWidget>

namespace {
bool g_ended = false;
std::function<void(int)> g_handler;
} // namespace

void EndProgram(int code) {
    g_ended = true;
    if (g_handler) {
        g_handler(code);
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(code);
}

bool ProgramEnded() {
    return g_ended;
}
void SetEndProgramHandler(std::function<void(int)> handler) {
    g_handler = std::move(handler);
}
void ResetProgramEnded() {
    g_ended = false;
}
