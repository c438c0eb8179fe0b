#pragma once

#include <QPointer>
#include <array>
#include <optional>
#include <string>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "core/design/design.h"
#include "graph/plot.h"
#include "ui/graph_window/graph_window.h"

namespace amp {
class SweepPool;
}

namespace amp::ui {

// The six graph windows, each created hidden the first time its range is plotted. The windows
// are top-level: a shown one outlives the main window until the user closes it.
class GraphWindowSet {
  public:
    // Captions are written with the given decimal separator, the one of the user's locale; the
    // windows ask the user through the dialogs; a sweep pool shares the plots' sweeps among its
    // threads.
    explicit GraphWindowSet(std::string decimalSeparator, SaveDialogs dialogs = {},
                            SweepPool* sweepPool = nullptr);
    ~GraphWindowSet();
    GraphWindowSet(const GraphWindowSet&) = delete;
    GraphWindowSet& operator=(const GraphWindowSet&) = delete;

    // "Grafico di Vo/Vi": checks and converts the texts, plots the selected range (1 ... 6) and
    // shows its window. Returns the failure to show instead; then no window has changed.
    std::optional<Failure> ShowGraph(const FieldTexts& texts, std::optional<int> selectedRange);

    // Shows a plot in the window of its range, created when it does not exist, and brings the
    // window to the front.
    void ShowPlot(Plot plot);

    // The window of range 1 ... 6 while it exists, hidden or shown.
    GraphWindow* Window(int rangeIndex) const;

    // For the closing of the main window: hidden windows go, shown ones stay until closed.
    void DiscardHiddenWindows();

  private:
    std::string decimalSeparator_;
    SaveDialogs dialogs_;
    SweepPool* sweepPool_;
    std::array<QPointer<GraphWindow>, kRangeCount> windows_;
};

}  // namespace amp::ui
