#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/checks/field.h"
#include "core/design/evaluation.h"
#include "core/parts/standard_values_report.h"

class QComboBox;
class QLabel;
class QLayout;
class QPushButton;

namespace amp {
class SweepPool;
}

namespace amp::ui {

class ValueLabel;

// "Valori commerciali": the sized parts R1, R4, C1 ... C6 beside their nearest standard values in
// the chosen series, and the band targeted, found with the boxes' values and found with the
// standard values. A change of series shows its figures at once. "Applica" hands the standard
// values on and closes the dialog; "Chiudi" closes it and changes nothing.
class StandardValuesDialog : public QDialog {
    Q_OBJECT

  public:
    // The texts of Form1's boxes as they are now.
    using TextsReader = std::function<FieldTexts()>;
    // Writes the standard values into their boxes as one step that can be undone; seriesUsed
    // says in words which series they come from ("E24 (resistori), E12 (condensatori)").
    using StandardValuesWriter =
        std::function<void(const std::vector<FieldWrite>& writes, const QString& seriesUsed)>;

    // Figures are written with the given decimal separator, the one of the user's locale; a sweep
    // pool (or nothing) shares the sweeps among its threads.
    StandardValuesDialog(TextsReader readTexts, std::string decimalSeparator, SweepPool* sweepPool,
                         StandardValuesWriter apply, QWidget* parent = nullptr);

    // The series chosen now.
    SeriesChoice Choice() const;

  private:
    QLayout* BuildSeriesChoice();
    QWidget* BuildPartsTable();
    QWidget* BuildBandTable();
    QLayout* BuildButtons();
    // Reads the boxes again and shows the standard values and the band for the chosen series.
    void ShowReport();
    void OnApplyPressed();

    // The cells of one part's line: its box's value, its standard value and the deviation.
    struct PartCells {
        QLabel* boxValue = nullptr;
        QLabel* standardValue = nullptr;
        QLabel* deviation = nullptr;
    };
    // The cells of one figure of the band: targeted, with the boxes' values, with the standard
    // values.
    using FigureCells = std::array<ValueLabel*, 3>;

    TextsReader readTexts_;
    std::string decimalSeparator_;
    SweepPool* sweepPool_;
    StandardValuesWriter apply_;
    // The band with the boxes' values, kept with the texts it was found for until they change: no
    // choice of series changes it.
    struct BoxBand {
        FieldTexts texts;
        Outcome<BandFigures> band;
    };
    std::optional<BoxBand> boxBand_;
    StandardValuesReport report_;

    QComboBox* resistorSeries_ = nullptr;
    QComboBox* capacitorSeries_ = nullptr;
    std::array<PartCells, kSizedParts.size()> partCells_{};
    FigureCells gain_{};
    FigureCells lowerCutoff_{};
    FigureCells upperCutoff_{};
    QLabel* message_ = nullptr;
    QPushButton* applyButton_ = nullptr;
};

}  // namespace amp::ui
