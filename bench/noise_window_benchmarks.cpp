#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include "bench/paint_wait.h"
#include "core/noise/noise_analysis.h"
#include "tests/support/reference_design.h"
#include "ui/noise_window/noise_window.h"

namespace amp::bench {
namespace {

// "Calcola" of "Rumore e dinamica" at its default settings, seen from outside: from the click on
// Command1 of a shown window over the reference texts to both plots painted anew: Form1's texts
// read, the settings checked, the analysis (the band's rms of thirteen sources, the figures and
// the two curves over six decades) and the figures, the sources' table and the plots shown.
void BM_NoiseRequest(benchmark::State& state) {
    const FieldTexts texts = test_support::ReferenceTexts();
    if (Failed(AnalyseNoise(texts, DefaultNoiseTexts()))) {
        state.SkipWithError("the reference design has no noise analysis");
        return;
    }
    ui::NoiseWindow window([&texts] { return texts; }, ".", [](const std::vector<FieldWrite>&) {},
                           {[](QWidget*, const QString&) {}});
    auto* calculate = window.findChild<QPushButton*>("Command1");
    const PaintCounter density(window.findChild<QWidget*>("Picture1"));
    const PaintCounter cleanOutput(window.findChild<QWidget*>("Picture2"));
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        const int densityBefore = density.Count();
        const int cleanOutputBefore = cleanOutput.Count();
        calculate->click();
        ProcessEventsUntilPainted(density, densityBefore);
        ProcessEventsUntilPainted(cleanOutput, cleanOutputBefore);
    }
}
BENCHMARK(BM_NoiseRequest)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace amp::bench
