#pragma once

#include <QLabel>
#include <QLocale>
#include <QPointF>
#include <QRadioButton>
#include <QWidget>
#include <string>

#include "graph/plot.h"
#include "graph/pointer_readout.h"
#include "ui/graph_window/graph_window_layout.h"

namespace amp::ui {

class PlotArea;

// One of the six graph windows Form2 ... Form7: the plot area of its range and the side panel
// that reads out the frequency and the modulus or the phase under the pointer. "Chiudi" hides
// it; closing it by its title bar deletes it.
class GraphWindow : public QWidget {
    Q_OBJECT

  public:
    GraphWindow(const GraphWindowLayout& layout, const QLocale& locale, QWidget* parent = nullptr);

    int DecadeCount() const { return decadeCount_; }

    // Writes the plot's labels and replaces the curves of the previous plot.
    void ShowPlot(Plot plot);

    // The side panel for a pointer at this position of the plot area, in twips: the mode of the
    // selected option button, its rows shown and the other mode's rows hidden.
    void ShowPointerReadout(QPointF twips);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void CloseByChiudi();
    QLabel* AddLabel(const char* name, const QString& caption, QRect twipsGeometry,
                     const QFont& font);
    QLabel* AddReadoutLabel(const char* name, QRect twipsGeometry, const QColor& textColour);
    void BuildSidePanel();
    void ShowRowsOf(ReadoutMode mode);

    int decadeCount_;
    std::string decimalSeparator_;
    PlotArea* plotArea_;
    QLabel* label1_;
    QRadioButton* modulusOption_ = nullptr;
    QLabel* modulusFrequency_ = nullptr;
    QLabel* modulusValue_ = nullptr;
    QLabel* phaseFrequency_ = nullptr;
    QLabel* phaseValue_ = nullptr;
    std::vector<QWidget*> modulusRows_;
    std::vector<QWidget*> phaseRows_;
};

}  // namespace amp::ui
