// The onscreen test as the client meets it: from the Enter that chooses an answer to the next item
// painted, over every item of a whole test (offscreen, through the real sound output: a private sound
// server when bench/run provides one, else no sound device), and the peak memory of the process.
#include "clients/ClientFile.h"
#include "presentation/PresentationSequence.h"
#include "presentation/QuestionDatabase.h"
#include "presentation/qt/frmPresentQA.h"
#include "shell/RunState.h"
#include "shell/qt/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {
using Clock = std::chrono::steady_clock;

class PaintProbe : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void Key(Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

void KeyToNextItemPainted(benchmark::State& state) {
    const std::string program =
        QDir(QCoreApplication::applicationDirPath() + "/..").canonicalPath().toStdString();
    QuestionDatabasePath = program + "/" + QuestionDatabaseName;
    SoundPath = program;
    std::vector<ItemRecord> items;
    if (!LoadPresentationItems(QuestionDatabasePath, "English", items).ok()) {
        state.SkipWithError("the question database is not built");
        return;
    }
    std::string folder = (fs::temp_directory_path() / "tarvos-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    std::ofstream(fs::path(folder) / ClientFileName, std::ios::binary).close();
    ResetClientFileState();
    if (!EstablishClientFile(folder).ok()) {
        state.SkipWithError("cannot establish the client file");
        return;
    }
    SetMsgBoxResponder([](const MsgBoxCall&) { return static_cast<int>(vbOK); });
    std::vector<double> latencies;
    bool audioOn = false;
    for (auto _ : state) {
        ResetClientFileState();
        (void)EstablishClientFile(folder);
        CurrentClient = static_cast<int16_t>(ClientCount + 1);
        ClientTable[static_cast<std::size_t>(CurrentClient)] = ClientRecord{};
        frmPresentQA window(nullptr, "English", items);
        window.show();
        window.activateWindow();
        const auto shown = Clock::now();
        while (window.Sequence().Shown() != PresentationSequence::Screen::Instructions &&
               Clock::now() - shown < std::chrono::seconds(5))
            QApplication::processEvents();
        audioOn = window.AudioOn();
        PaintProbe probe;
        window.txtQuestion->viewport()->installEventFilter(&probe);
        const Clock::time_point start = Clock::now();
        while (window.isVisible()) {
            if (window.Sequence().Shown() != PresentationSequence::Screen::Questions) {
                Key(Qt::Key_Return);
                QApplication::processEvents();
                continue;
            }
            const int item = window.Sequence().CurrentItem()->ID;
            Key(Qt::Key_Down);
            QApplication::processEvents();
            probe.painted = false;
            const auto t0 = Clock::now();
            Key(Qt::Key_Return);
            const bool nextItem = item != 108 && item != 139 && item != 149;
            while (nextItem && !probe.painted)
                QApplication::processEvents();
            if (nextItem)
                latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
            QApplication::processEvents();
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    SetMsgBoxResponder({});
    fs::remove_all(folder);
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty())
        return;
    const auto at = [&](double q) {
        return latencies[std::min(latencies.size() - 1, static_cast<std::size_t>(q * latencies.size()))];
    };
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["items"] = static_cast<double>(latencies.size());
    state.counters["p50_ms"] = at(0.50);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = latencies.back();
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["audio_on"] = audioOn ? 1 : 0;
}
} // namespace

BENCHMARK(KeyToNextItemPainted)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
