// Mark reading: one prepared page read whole (registration and the 181 locations), and the
// preparation of an RGB page of 850 x 1400 pixels.
#include "entry/MarkReading.h"
#include "entry/PagePreparation.h"
#include "entry/SheetFields.h"
#include "entry/qt/AnswerSheetDrawing.h"
#include "entry/qt/PageImage.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// The sheet with one bubble of most locations filled in grey, as an RGB scan.
QImage FilledSheet() {
    const SheetLayout& layout = AnswerSheetLayout();
    QImage page = RenderAnswerSheet(layout, 100);
    std::mt19937 rng(1);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 80, 80));
    for (const SheetLocation& loc : layout.locations) {
        const int bubble = std::uniform_int_distribution<int>(-1, loc.count - 1)(rng);
        if (bubble >= 0)
            p.drawEllipse(QPointF(loc.bubbleX(bubble) + 0.5, loc.bubbleY(bubble) + 0.5), 5.5, 5.5);
    }
    p.end();
    return page.convertToFormat(QImage::Format_RGB888);
}

void ReadPreparedPage(benchmark::State& state) {
    const PreparedPage page = PrepareImage(FilledSheet());
    const std::vector<ScanItemRow> rows = ScanItemRows(AnswerSheetLayout());
    for (auto _ : state) {
        ScanItemList items(rows);
        if (RegisterSheet(page) != Registration::Registered)
            state.SkipWithError("the sheet did not register");
        benchmark::DoNotOptimize(ReadSheetFields(items));
    }
}
BENCHMARK(ReadPreparedPage)->Unit(benchmark::kMillisecond);

void PrepareRgbPage(benchmark::State& state) {
    const QImage rgb = FilledSheet();
    for (auto _ : state) {
        PreparedPage page =
            PreparePage(rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(), PagePixels::Rgb888);
        benchmark::DoNotOptimize(page.pixels.data());
    }
    state.SetLabel(std::to_string(rgb.width()) + " x " + std::to_string(rgb.height()));
}
BENCHMARK(PrepareRgbPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
