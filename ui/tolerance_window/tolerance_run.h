#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

#include "core/tolerance/tolerance_analysis.h"

namespace amp {
class SweepPool;
}

namespace amp::ui {

// One tolerance analysis at a time on a thread of its own, so that the windows keep answering;
// its outcome comes back on the thread of this object. The analysis hands its work to the sweep
// pool a millisecond or two at a time, so "Calcola" in Form1 waits no longer than that.
class ToleranceRun : public QObject {
    Q_OBJECT

  public:
    explicit ToleranceRun(SweepPool* pool, QObject* parent = nullptr);
    // Stops a running analysis and waits the few milliseconds until it has.
    ~ToleranceRun() override;

    // Starts an analysis; one still running is stopped first and reports nothing.
    void Start(const EvaluationInputs& design, const ToleranceSettings& settings);

    // Stops the running analysis at once: it ends within milliseconds and reports nothing.
    void Stop();

    // Whether an analysis runs whose outcome has not come back yet.
    bool Running() const { return running_; }

    // The trials the running analysis has finished so far.
    int FinishedTrials() const { return finishedTrials_.load(std::memory_order_relaxed); }

  signals:
    // The outcome of a finished analysis: its results or the message to show.
    void finished(std::shared_ptr<const Outcome<ToleranceResult>> outcome);

  private:
    SweepPool* pool_;
    std::atomic<int> finishedTrials_{0};
    bool running_ = false;
    // Counts starts and stops, so that the outcome of a stopped run is recognised and dropped.
    unsigned runNumber_ = 0;
    // Last, so that it is stopped and joined before the rest goes.
    std::jthread thread_;
};

}  // namespace amp::ui
