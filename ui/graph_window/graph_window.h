#pragma once

#include <QPointF>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "graph/plot.h"
#include "graph/pointer_readout.h"
#include "ui/graph_window/graph_window_layout.h"
#include "ui/message_box.h"
#include "ui/plot/plot_files.h"

class QLabel;
class QRadioButton;

namespace amp::ui {

class PlotArea;
class ValueLabel;

// One of the six graph windows Form2 ... Form7: the plot area of its range and the side panel
// that reads out the frequency and the modulus or the phase under the pointer, the mouse's or
// the keyboard's. The context menu of the plot area saves the graph as an image and its samples
// as CSV. "Chiudi" hides the window; closing it by its title bar deletes it.
class GraphWindow : public QWidget {
    Q_OBJECT

  public:
    // Captions are written with the given decimal separator, the one of the user's locale.
    GraphWindow(const GraphWindowLayout& layout, std::string decimalSeparator, SaveDialogs dialogs,
                QWidget* parent = nullptr);

    int DecadeCount() const { return decadeCount_; }

    // Writes the plot's labels and replaces the curves of the previous plot.
    void ShowPlot(Plot plot);

    // The side panel for a pointer at this position of the plot area, in twips: the mode of the
    // selected option button, its rows shown and the other mode's rows hidden. The plot area's
    // description for screen readers becomes the read-out as a sentence.
    void ShowPointerReadout(QPointF twips);

  private:
    void OnChiudiPressed();
    void OnSaveImageChosen();
    void OnExportDataChosen();
    void ShowRowsOf(ReadoutMode mode);

    // The rows of one read-out mode: the two values and the captions beside them.
    struct ReadoutRows {
        ValueLabel* frequency = nullptr;
        ValueLabel* value = nullptr;
        std::vector<QLabel*> captions;

        void SetVisible(bool shown) const;
    };

    int decadeCount_;
    std::string decimalSeparator_;
    SaveDialogs dialogs_;
    PlotArea* plotArea_;
    QRadioButton* modulusOption_ = nullptr;
    ReadoutRows modulusRows_;
    ReadoutRows phaseRows_;
};

}  // namespace amp::ui
