// Start-up to the main window shown, offscreen, against a bare Qt window: both in one process (the
// program's own start-up work) and as whole programs (process start, libraries, QApplication). The
// splash animation is left out (its fixed length is not start-up work). Compare the pairs' times.
#include "clients/ClientFile.h"
#include "shell/DataDrive.h"
#include "shell/ProgramFolder.h"
#include "shell/qt/frmAbout.h"
#include "shell/qt/frmMainMenu.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {
QTemporaryDir* g_work = nullptr;
QString g_self;

void WaitExposed(QWidget& w) {
    while (!w.windowHandle() || !w.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A program folder whose settings point at a data folder of 51 clients.
void PrepareFolders(const QString& root) {
    QDir(root).mkpath("program");
    QDir(root).mkpath("data");
    QDir(root).mkpath("runtime");
    QFile::setPermissions(root + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    std::ofstream ini((root + "/program/trvtest.ini").toStdString(), std::ios::binary);
    ini << "[Path]\r\nFilePath=" << (root + "/data").toStdString() << "\r\n";
    std::ofstream data((root + "/data/DATA401.TRV").toStdString(), std::ios::binary);
    ClientRecord r;
    r.Name = "Benchmark Client";
    r.Responses = std::string(ItemCount, '1');
    for (int i = 0; i < MaxClients; ++i)
        data << r.ToBytes();
}

bool StartMainMenu(const QString& root) {
    SetProgramFolder((root + "/program").toStdString());
    ResetClientFileState();
    ResetDataDrive();
    frmAbout::SetSplashDuration(0);
    frmMainMenu w(root + "/runtime");
    if (!w.Form_Load())
        return false;
    w.show();
    WaitExposed(w);
    return true;
}

void BM_InProcessBareWindow(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow w;
        w.setWindowTitle("Tarvos");
        w.resize(860, 620);
        w.show();
        WaitExposed(w);
    }
}

void BM_InProcessMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        if (!StartMainMenu(g_work->path())) {
            state.SkipWithError("start-up failed");
            break;
        }
    }
}

void RunChild(benchmark::State& state, const char* mode) {
    for (auto _ : state) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(g_self, {mode, g_work->path()});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            state.SkipWithError("child failed");
            break;
        }
    }
}

void BM_ProgramBareWindow(benchmark::State& state) {
    RunChild(state, "--child-bare");
}
void BM_ProgramMainMenu(benchmark::State& state) {
    RunChild(state, "--child-tarvos");
}
} // namespace

BENCHMARK(BM_InProcessBareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InProcessMainMenu)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgramBareWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ProgramMainMenu)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && (QByteArray(argv[1]) == "--child-bare" || QByteArray(argv[1]) == "--child-tarvos")) {
        QApplication app(argc, argv);
        if (QByteArray(argv[1]) == "--child-bare") {
            QMainWindow w;
            w.show();
            WaitExposed(w);
            return 0;
        }
        return StartMainMenu(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    QApplication app(argc, argv);
    QTemporaryDir work;
    g_work = &work;
    g_self = QCoreApplication::applicationFilePath();
    PrepareFolders(work.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
