#include "ui/tolerance_window/tolerance_run.h"

#include <QMetaObject>

namespace amp::ui {

ToleranceRun::ToleranceRun(SweepPool* pool, QObject* parent) : QObject(parent), pool_(pool) {}

ToleranceRun::~ToleranceRun() = default;

void ToleranceRun::Start(const EvaluationInputs& design, const ToleranceSettings& settings) {
    Stop();
    // The stopped analysis ends within milliseconds; only one runs on the pool at a time.
    if (thread_.joinable()) thread_.join();
    finishedTrials_.store(0, std::memory_order_relaxed);
    running_ = true;
    const unsigned runNumber = ++runNumber_;
    thread_ = std::jthread([this, design, settings, runNumber](std::stop_token stop) {
        const ToleranceMonitor monitor{
            stop,
            [this](int finished) { finishedTrials_.store(finished, std::memory_order_relaxed); }};
        Outcome<ToleranceResult> outcome = RunToleranceAnalysis(design, settings, pool_, monitor);
        // Whoever stopped the run wants nothing from it.
        if (stop.stop_requested()) return;
        auto shared = std::make_shared<const Outcome<ToleranceResult>>(std::move(outcome));
        QMetaObject::invokeMethod(
            this,
            [this, shared, runNumber] {
                if (runNumber != runNumber_) return;
                running_ = false;
                emit finished(shared);
            },
            Qt::QueuedConnection);
    });
}

void ToleranceRun::Stop() {
    thread_.request_stop();
    running_ = false;
    ++runNumber_;
}

}  // namespace amp::ui
