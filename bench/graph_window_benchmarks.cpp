#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <array>

#include "bench/bench_inputs.h"
#include "bench/paint_wait.h"
#include "core/sweep/sweep_pool.h"
#include "graph/plot.h"
#include "tests/support/reference_design.h"
#include "ui/graph_window/graph_window_set.h"
#include "ui/plot/plot_frame_layout.h"
#include "ui/plot/plot_image.h"

namespace amp::bench {
namespace {

Plot ReferencePlot(int sampleCount) {
    return std::get<Plot>(
        PlotResponse(test_support::ReferenceInputs(sampleCount), kReferenceRange, "."));
}

// A replot of the plot area: its backing image cleared, both curves and the frame painted in,
// at device pixel ratio 1 or 2.
void BM_PlotPaint(benchmark::State& state) {
    const Plot plot = ReferencePlot(static_cast<int>(state.range(0)));
    QImage image = ui::PaintPlotImage(plot, static_cast<qreal>(state.range(1)));
    const std::vector<ui::FrameLine> frame = ui::FrameLines(plot.RangeIndex);
    for (auto _ : state) {
        ui::RepaintPlotImage(plot, image);
        {
            QPainter painter(&image);
            ui::PaintFrame(painter, frame);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 2 * (static_cast<int64_t>(plot.N) + 1));
}
BENCHMARK(BM_PlotPaint)
    ->ArgsProduct({{kSampleCounts.begin(), kSampleCounts.end()}, {1, 2}})
    ->Unit(benchmark::kMicrosecond);

// One pointer move over a shown, plotted window: the side panel's texts change and the event
// loop repaints what that dirtied. The positions alternate so that every move changes both
// readout labels.
void BM_ReadoutMove(benchmark::State& state) {
    ui::GraphWindowSet windows(".");
    windows.ShowPlot(ReferencePlot(kSampleCounts[0]));
    ui::GraphWindow* window = windows.Window(kReferenceRange);
    QApplication::processEvents();
    const std::array<QPointF, 4> positions{QPointF(1200, 900), QPointF(5610, 2670),
                                           QPointF(9000, 5000), QPointF(11100, 7980)};
    std::size_t next = 0;
    for (auto _ : state) {
        window->ShowPointerReadout(positions[next]);
        QApplication::processEvents();
        next = (next + 1) % positions.size();
    }
}
BENCHMARK(BM_ReadoutMove)->Unit(benchmark::kMicrosecond);

// "Grafico di Vo/Vi" as the program runs it, seen from outside: from the call with the typed
// reference texts to the plot area painted with the new curves, on a window already shown, with
// the program's sweep pool. Wall time, since the sweep shares its work with other threads.
void BM_GraphRequest(benchmark::State& state) {
    const FieldTexts texts = test_support::ReferenceTexts(static_cast<int>(state.range(0)));
    SweepPool pool;
    ui::GraphWindowSet windows(".", {}, &pool);
    if (windows.ShowGraph(texts, kReferenceRange)) {
        state.SkipWithError("the reference design does not plot");
        return;
    }
    const PaintCounter paints(windows.Window(kReferenceRange)->findChild<QWidget*>("Picture1"));
    ProcessEventsUntilPainted(paints, 0);
    for (auto _ : state) {
        const int paintsBefore = paints.Count();
        windows.ShowGraph(texts, kReferenceRange);
        ProcessEventsUntilPainted(paints, paintsBefore);
    }
}
BENCHMARK(BM_GraphRequest)->Apply(WithSampleCounts)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace amp::bench
