#include <benchmark/benchmark.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include "bench/bench_inputs.h"
#include "bench/paint_wait.h"
#include "core/design/evaluation.h"
#include "tests/support/reference_design.h"
#include "ui/calculator.h"
#include "ui/qt_text.h"

namespace amp::bench {
namespace {

// "Calcola Modulo e Fase, fi e fs effettive" as the user runs it, seen from outside: from the
// click on Command5 to the new phase painted in Label44, on a shown Form1 holding the reference
// texts. f alternates between 1000 Hz and 100 Hz so that each click changes the phase shown.
// Wall time, since the sweep shares its work with the program's pool.
void BM_EvaluationRequest(benchmark::State& state) {
    const FieldTexts texts = test_support::ReferenceTexts(static_cast<int>(state.range(0)));
    if (Failed(EvaluateResponse(texts, "."))) {
        state.SkipWithError("the reference design does not evaluate");
        return;
    }
    ui::Calculator calculator({.showMessage = [](QWidget*, const QString&) {}});
    ui::MainWindow& form1 = calculator.Form1();
    for (int number = 1; number <= kFieldCount; ++number) {
        auto* box = form1.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(number));
        box->setText(ui::ToQString(texts[FieldOfTextBox(number)]));
    }
    auto* f = form1.findChild<QLineEdit*>(QStringLiteral("Text%1").arg(TextBoxNumber(Field::f)));
    auto* calculate = form1.findChild<QPushButton*>("Command5");
    const PaintCounter paints(form1.findChild<QLabel*>("Label44"));
    form1.show();
    QApplication::processEvents();

    bool lowFrequency = false;
    for (auto _ : state) {
        state.PauseTiming();
        lowFrequency = !lowFrequency;
        f->setText(lowFrequency ? QStringLiteral("100") : QStringLiteral("1000"));
        QApplication::processEvents();
        const int paintsBefore = paints.Count();
        state.ResumeTiming();
        calculate->click();
        ProcessEventsUntilPainted(paints, paintsBefore);
    }
}
BENCHMARK(BM_EvaluationRequest)
    ->Apply(WithSampleCounts)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace amp::bench
