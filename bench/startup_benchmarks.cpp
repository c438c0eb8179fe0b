#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

namespace amp::bench {
namespace {

// From the start of a program's process to its first window on the screen, seen from outside:
// Qt's painting log reports the first flush of a window's pixels to the window system. Runs on
// the platform the benchmarks run on; under Xvfb, set QT_QPA_PLATFORM=xcb.
void BM_StartToFirstPaint(benchmark::State& state, const char* program) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("qt.widgets.painting=true"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setReadChannel(QProcess::StandardError);
        QElapsedTimer clock;
        clock.start();
        process.start(QString::fromUtf8(program), {});
        QByteArray log;
        bool painted = false;
        while (!painted && process.waitForReadyRead(10000)) {
            log += process.readAllStandardError();
            painted = log.contains("Flushing QRegion");
        }
        const double seconds = clock.nsecsElapsed() * 1e-9;
        process.kill();
        process.waitForFinished();
        if (!painted) {
            state.SkipWithError("the program showed no window");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK_CAPTURE(BM_StartToFirstPaint, EmptyForm, AMP_EMPTY_FORM_PROGRAM)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartToFirstPaint, Program, AMP_PROGRAM)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace amp::bench
