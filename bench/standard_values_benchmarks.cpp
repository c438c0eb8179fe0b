#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include "bench/bench_inputs.h"
#include "bench/paint_wait.h"
#include "core/parts/standard_values_report.h"
#include "core/sweep/sweep_pool.h"
#include "ui/standard_values/standard_values_dialog.h"

namespace amp::bench {
namespace {

// A change of series in a shown "Valori commerciali", seen from outside: from the new choice to
// the new standard values and figures painted: the boxes read again, and the band swept with the
// standard values in the program's pool (the band of the unchanged boxes is kept). The resistors
// alternate between E24 and E12, which round R1 differently.
void BM_StandardValuesSeriesChange(benchmark::State& state) {
    const FieldTexts texts = SizedExampleTexts(static_cast<int>(state.range(0)));
    SweepPool pool;
    ui::StandardValuesDialog dialog([&texts] { return texts; }, ".", &pool,
                                    [](const std::vector<FieldWrite>&, const QString&) {});
    if (ReportStandardValues(texts, {}, ".").failure) {
        state.SkipWithError("the sized example data have no standard values");
        return;
    }
    auto* resistors = dialog.findChild<QComboBox*>("ComboResistori");
    const PaintCounter paints(dialog.findChild<QLabel*>("LabelCommercialeR1"));
    dialog.show();
    QApplication::processEvents();
    const int e24 = resistors->findText("E24");
    const int e12 = resistors->findText("E12");
    for (auto _ : state) {
        const int paintsBefore = paints.Count();
        resistors->setCurrentIndex(resistors->currentIndex() == e24 ? e12 : e24);
        ProcessEventsUntilPainted(paints, paintsBefore);
    }
}
BENCHMARK(BM_StandardValuesSeriesChange)
    ->Apply(WithSampleCounts)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace amp::bench
