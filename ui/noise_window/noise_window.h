#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/checks/field.h"
#include "core/noise/noise_analysis.h"
#include "core/noise/noise_settings.h"
#include "graph/noise_report.h"
#include "ui/plot/plot_files.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace amp::ui {

class NoisePlotArea;
class SourcesTable;
class ValueLabel;

// "Rumore e dinamica", FormRumore: the op-amp part with its noise, slew rate and output margin,
// the supply, the temperature, the band and the reference level. "Calcola" analyses the design
// that Form1's boxes hold at that moment and shows the noise and headroom figures, the thirteen
// sources' share of the noise, and two plots over 1 Hz ... 1 MHz: the output noise density and
// the largest clean output. A refusal shows its message and changes nothing. "Usa nel progetto"
// hands the part's Avo and fc to Form1. The window stays open beside Form1.
class NoiseWindow : public QWidget {
    Q_OBJECT

  public:
    // Writes a part's Avo and fc into Form1's boxes as one step that can be undone.
    using OpAmpWriter = std::function<void(const std::vector<FieldWrite>& writes)>;

    // readTexts gives Form1's field texts as they are now; captions are written with the given
    // decimal separator, the one of the user's locale. The fields start at DefaultNoiseTexts().
    NoiseWindow(std::function<FieldTexts()> readTexts, std::string decimalSeparator,
                OpAmpWriter useInDesign, SaveDialogs dialogs, QWidget* parent = nullptr);
    ~NoiseWindow() override;

    // The part chosen and the fields' texts as they are now.
    NoiseTexts Texts() const;

    // Shows the texts, whose part is a name of the list or "Personalizzato", in the fields, a
    // part's fields locked; what the window showed belongs to other settings and goes, unless the
    // texts are those shown already.
    void SetTexts(const NoiseTexts& texts);

    // Back to DefaultNoiseTexts(), nothing computed.
    void Reset();

  signals:
    // The user changed the part or a field's text.
    void textsEdited();

  private:
    void OnPartChosen(int index);
    void OnCalculatePressed();
    void OnUseInDesignPressed();
    void OnPointerMoved(NoisePlotArea* area, QPointF twips);
    void OnSaveImageChosen(NoisePlotArea* area, std::string_view stem);
    // Shows the texts without reporting an edit.
    void ShowTexts(const NoiseTexts& texts);
    // en, in, SR and the margin are the part's own, and "Usa nel progetto" has a part to hand on,
    // unless the choice is "Personalizzato".
    void LockPartFields();
    void ShowAnalysis(std::shared_ptr<const NoiseAnalysis> analysis);
    void ClearResults();

    std::function<FieldTexts()> readTexts_;
    std::string decimalSeparator_;
    OpAmpWriter useInDesign_;
    SaveDialogs dialogs_;
    QComboBox* part_ = nullptr;
    std::array<QLineEdit*, kNoiseFieldCount> fields_{};
    QPushButton* useInDesignButton_ = nullptr;
    std::array<ValueLabel*, kNoiseFigureCount> figures_{};
    QLabel* supplyFlag_ = nullptr;
    std::array<ValueLabel*, 4> readout_{};
    SourcesTable* sources_ = nullptr;
    NoisePlotArea* density_ = nullptr;
    NoisePlotArea* cleanOutput_ = nullptr;
    // While the window writes its own fields, their changes are no edits of the user.
    bool showingTexts_ = false;
};

}  // namespace amp::ui
