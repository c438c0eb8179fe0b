#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDate>

#include "bench/bench_inputs.h"
#include "core/sweep/sweep_pool.h"
#include "tests/support/reference_design.h"
#include "ui/report/report_outputs.h"

namespace amp::bench {
namespace {

// "Esporta relazione PDF..." past its file dialog: the reference texts evaluated and plotted
// afresh, the page laid out and written as PDF into memory, with the program's sweep pool.
void BM_ReportPdf(benchmark::State& state) {
    ui::ReportSource source;
    source.texts = test_support::ReferenceTexts(static_cast<int>(state.range(0)));
    source.selectedRange = kReferenceRange;
    source.date = QDate(2026, 12, 9);
    SweepPool pool;
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        if (!ui::WriteReportPdf(ui::PrepareReportPage(source, &pool), file)) {
            state.SkipWithError("the report was not written");
            return;
        }
        bytes = file.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReportPdf)->Arg(1000)->Arg(195576)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace amp::bench
