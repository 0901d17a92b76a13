// Start-up to the main window shown, offscreen or on an X server, against a bare Qt window: both in
// one process (the program's own start-up work) and as whole programs (process start, libraries,
// QApplication) up to the first frame. The splash animation is left out (its fixed length is not
// start-up work), and so is each program's shutdown.
#include "clients/ClientFile.h"
#include "clients/DataDrive.h"
#include "shell/ProgramFolder.h"
#include "shell/qt/frmAbout.h"
#include "shell/qt/frmMainMenu.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <string>

namespace {
QTemporaryDir* g_work = nullptr;
QString g_self;

// Calls `shown` the moment a window's first frame is drawn: when the expose event that draws and
// flushes it has been handled, before whatever the program queued to run after it.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(std::function<void()> shown) : m_shown(std::move(shown)) {}
    bool drawn = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || drawn)
            return false;
        watched->event(event); // the window's own handling: the frame
        if (static_cast<QWindow*>(watched)->isExposed()) {
            drawn = true;
            if (m_shown)
                m_shown();
        }
        return true;
    }

private:
    std::function<void()> m_shown;
};

void WaitExposed(QWidget& w, const std::function<void()>& shown = {}) {
    FirstFrame frame(shown);
    w.windowHandle()->installEventFilter(&frame);
    if (w.windowHandle()->isExposed()) { // already drawn while being shown
        frame.drawn = true;
        if (shown)
            shown();
    }
    while (!frame.drawn)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A program folder whose settings point at a data folder of 51 clients, and a runtime folder on a
// tmpfs as the user's runtime folder (/run/user/<uid>) is.
QTemporaryDir* g_runtime = nullptr;

void PrepareFolders(const QString& root) {
    QDir(root).mkpath("program");
    QDir(root).mkpath("data");
    QFile::link(g_runtime->path(), root + "/runtime");
    std::ofstream ini((root + "/program/" + SettingsFileName).toStdString(), std::ios::binary);
    ini << "[Path]\r\nFilePath=" << (root + "/data").toStdString() << "\r\n";
    std::ofstream data((root + "/data/" + ClientFileName).toStdString(), std::ios::binary);
    ClientRecord r;
    r.Name = "Benchmark Client";
    r.Responses = std::string(ItemCount, '1');
    for (int i = 0; i < MaxClients; ++i)
        data << r.ToBytes();
}

bool StartMainMenu(const QString& root, const std::function<void()>& shown = {}) {
    SetProgramFolder((root + "/program").toStdString());
    ResetClientFileState();
    ResetDataDrive();
    frmAbout::SetSplashDuration(0);
    frmMainMenu w(root + "/runtime");
    if (!w.Form_Load())
        return false;
    w.show();
    WaitExposed(w, shown);
    return true;
}

// The baseline: a main window with its title and one line of text, the least a program shows.
void ShowBareWindow(const std::function<void()>& shown = {}) {
    QMainWindow w;
    w.setWindowTitle("Tarvos");
    w.setCentralWidget(new QLabel(QStringLiteral("Tarvos"), &w));
    w.resize(860, 620);
    w.show();
    WaitExposed(w, shown);
}

void BM_InProcessBareWindow(benchmark::State& state) {
    for (auto _ : state)
        ShowBareWindow();
}

// Image-format plugins mapped into this process; the main menu's start-up should load none (the
// first image read with format detection loads them all, several ms).
int ImagePluginsLoaded() {
    std::ifstream maps("/proc/self/maps");
    std::set<std::string> plugins;
    for (std::string line; std::getline(maps, line);)
        if (const auto at = line.find("/plugins/imageformats/"); at != std::string::npos)
            plugins.insert(line.substr(at));
    return static_cast<int>(plugins.size());
}

void BM_InProcessMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        if (!StartMainMenu(g_work->path())) {
            state.SkipWithError("start-up failed");
            break;
        }
    }
    state.counters["image_plugins"] = ImagePluginsLoaded();
}

// Runs one child and returns the milliseconds from its start to its window shown (it says so on its
// standard output), or a negative number when it failed. The child's shutdown is not start-up.
double RunChild(const char* mode) {
    QProcess p;
    p.setProcessEnvironment(QProcessEnvironment::systemEnvironment()); // with this run's platform
    QElapsedTimer t;
    t.start();
    p.start(g_self, {mode, g_work->path()});
    const bool shown = p.waitForReadyRead(30000);
    const double ms = t.nsecsElapsed() / 1e6;
    const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return shown && ok ? ms : -1;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Whole programs, alternating so that the machine's load falls on both alike. The ratio is the median
// of the pairs' ratios: each pair is measured within milliseconds, so a load that comes and goes
// during the run moves its pairs' times but hardly their ratios. The counters also give each one's
// median start.
void BM_ProgramStartRatio(benchmark::State& state) {
    std::vector<double> bare, menu, ratios;
    for (auto _ : state) {
        const double msBare = RunChild("--child-bare");
        const double msMenu = RunChild("--child-tarvos");
        if (msBare < 0 || msMenu < 0) {
            state.SkipWithError("child failed");
            return;
        }
        bare.push_back(msBare);
        menu.push_back(msMenu);
        ratios.push_back(msMenu / msBare);
    }
    state.counters["bare_ms"] = Median(bare);
    state.counters["tarvos_ms"] = Median(menu);
    state.counters["ratio"] = Median(ratios);
}
} // namespace

BENCHMARK(BM_InProcessBareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InProcessMainMenu)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgramStartRatio)->Unit(benchmark::kMillisecond)->Iterations(60);

int main(int argc, char** argv) {
    // Offscreen unless told otherwise (bench/run also measures under Xvfb with QT_QPA_PLATFORM=xcb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && (QByteArray(argv[1]) == "--child-bare" || QByteArray(argv[1]) == "--child-tarvos")) {
        QApplication app(argc, argv);
        // Each child says when its window is shown, then ends as a program does.
        const auto shown = [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
        };
        if (QByteArray(argv[1]) == "--child-bare") {
            ShowBareWindow(shown);
            return 0;
        }
        return StartMainMenu(QString::fromLocal8Bit(argv[2]), shown) ? 0 : 1;
    }
    QApplication app(argc, argv);
    QTemporaryDir work;
    QTemporaryDir runtime(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/tarvos-bench-XXXXXX")
                                                    : QString());
    g_work = &work;
    g_runtime = &runtime;
    g_self = QCoreApplication::applicationFilePath();
    PrepareFolders(work.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
