#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/checks/field.h"
#include "core/tolerance/tolerance_analysis.h"
#include "graph/tolerance_report.h"
#include "ui/plot/plot_files.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace amp {
class SweepPool;
}

namespace amp::ui {

class BandPlotArea;
class ToleranceRun;
class ValueLabel;

// "Analisi delle tolleranze", FormTolleranze: the tolerances of the parts, their distribution,
// the number of trials and the seed; "Calcola" analyses the design that Form1's boxes hold at
// that moment, then shows the statistics of the effective fi and fs, the largest |Vo/Vi| and
// |Vo/Vi| and the phase at f, and the band of |Vo/Vi| over 1 Hz ... 1 MHz. A run longer than a
// tenth of a second shows its progress and can be stopped. The plot's context menu saves it as
// PNG or SVG and the statistics and the band as CSV. The window stays open beside Form1.
class ToleranceWindow : public QWidget {
    Q_OBJECT

  public:
    // readTexts gives Form1's field texts as they are now; captions are written with the given
    // decimal separator, the one of the user's locale; the analysis shares the sweep pool, which
    // must outlive the window.
    ToleranceWindow(std::function<FieldTexts()> readTexts, std::string decimalSeparator,
                    SweepPool* sweepPool, SaveDialogs dialogs, QWidget* parent = nullptr);
    ~ToleranceWindow() override;

    // Whether an analysis is running.
    bool Running() const;

  protected:
    // Closing the window stops a running analysis: nobody would see its results.
    void closeEvent(QCloseEvent* event) override;

  private:
    void OnCalculatePressed();
    void OnStopPressed();
    void OnNewSeedPressed();
    void OnProgressTick();
    void OnFinished(std::shared_ptr<const Outcome<ToleranceResult>> outcome);
    void OnPointerMoved(QPointF twips);
    void OnSaveImageChosen();
    void OnExportChosen(std::string_view stem, const std::string& csv);
    // The window back at rest: the progress gone, "Calcola" pressable.
    void EndRun();
    void ShowResult(std::shared_ptr<const ToleranceResult> result);
    void ClearResult();

    std::function<FieldTexts()> readTexts_;
    std::string decimalSeparator_;
    SaveDialogs dialogs_;
    std::array<QLineEdit*, 4> tolerances_{};
    QLineEdit* trials_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QRadioButton* normal_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QPushButton* stop_ = nullptr;
    QProgressBar* progress_ = nullptr;
    std::array<std::array<ValueLabel*, kStatisticsColumnCount>, kToleranceFigureCount>
        statistics_{};
    QLabel* resolution_ = nullptr;
    std::array<ValueLabel*, 6> readout_{};
    BandPlotArea* plotArea_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QElapsedTimer runTime_;
    // The target fi and fs as Form1 held them when "Calcola" was pressed.
    std::optional<double> fiX_;
    std::optional<double> fsX_;
    ToleranceRun* run_ = nullptr;
};

}  // namespace amp::ui
