#include "ui/graph_window/graph_window_set.h"

#include "graph/graph_request.h"

namespace amp::ui {

GraphWindowSet::GraphWindowSet(std::string decimalSeparator, SaveDialogs dialogs,
                               SweepPool* sweepPool)
    : decimalSeparator_(std::move(decimalSeparator)),
      dialogs_(std::move(dialogs)),
      sweepPool_(sweepPool) {}

GraphWindowSet::~GraphWindowSet() {
    for (const QPointer<GraphWindow>& window : windows_) delete window.data();
}

std::optional<Failure> GraphWindowSet::ShowGraph(const FieldTexts& texts,
                                                 std::optional<int> selectedRange) {
    const GraphRequest request = RequestGraph(texts, selectedRange);
    if (const Failure* failure = FailureOf(request.inputs)) return *failure;
    Outcome<Plot> plot = PlotResponse(std::get<GraphInputs>(request.inputs), *request.RangeIndex,
                                      decimalSeparator_, sweepPool_);
    if (const Failure* failure = FailureOf(plot)) return *failure;
    ShowPlot(std::get<Plot>(std::move(plot)));
    return std::nullopt;
}

void GraphWindowSet::ShowPlot(Plot plot) {
    QPointer<GraphWindow>& window = windows_.at(static_cast<std::size_t>(plot.RangeIndex - 1));
    if (!window) {
        window = new GraphWindow(GraphWindowLayoutOf(plot.RangeIndex), decimalSeparator_, dialogs_);
    }
    window->ShowPlot(std::move(plot));
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
    } else {
        window->show();  // a window that is shown comes to the front by itself
    }
}

GraphWindow* GraphWindowSet::Window(int rangeIndex) const {
    return windows_.at(static_cast<std::size_t>(rangeIndex - 1)).data();
}

void GraphWindowSet::DiscardHiddenWindows() {
    for (QPointer<GraphWindow>& window : windows_) {
        if (window && !window->isVisible()) delete window.data();
    }
}

}  // namespace amp::ui
