#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/checks/field.h"
#include "core/noise/noise_settings.h"
#include "ui/main_window/design_document.h"
#include "ui/main_window/form_state.h"
#include "ui/main_window/recent_files.h"
#include "ui/message_box.h"
#include "ui/report/report_outputs.h"

class QButtonGroup;
class QLineEdit;
class QUndoStack;

namespace amp {
class SweepPool;
}

namespace amp::ui {

class NoiseWindow;
class ToleranceWindow;
class ValueLabel;

// Form1, "Amplificatore audio": the design fields, the range options, the result labels and the
// buttons that run the calculations on the fields' current texts, in a client area below the menu
// bar. The design can be kept in a file; the buttons that overwrite boxes can be undone.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // Captions are written with the given decimal separator, the one of the user's locale; a sweep
    // pool shares the evaluation's sweep among its threads.
    MainWindow(DesignFileDialogs dialogs, RecentFilesStore recentFilesStore,
               std::string decimalSeparator, SweepPool* sweepPool = nullptr,
               QWidget* parent = nullptr);

    // The texts of Text1 ... Text21 as they are now.
    FieldTexts FieldTextsNow() const;

    // The range of the selected option: 1 for Option2 ... 6 for Option7; nothing when none is.
    std::optional<int> SelectedRangeIndex() const;

    // The design's noise settings as typed in "Rumore e dinamica"; nothing while the design has
    // none. A design has them from the moment the window is opened for it, or when it was opened
    // from a file that keeps them, until "Nuovo" or an undo takes it back to a design without.
    std::optional<NoiseTexts> DesignNoiseTexts() const;

    // Shows the one message of a failed action, through the window's message sink.
    void ShowMessage(const QString& text);

    // The area the controls are laid out in, below the menu bar.
    QWidget& ClientArea() const { return *clientArea_; }

    DesignDocument& Document() { return *document_; }
    QUndoStack& UndoStack() { return *undoStack_; }
    RecentFiles& Recent() { return *recentFiles_; }

    // "Applica" of "Valori commerciali": writes the standard values into their boxes as one
    // undoable step, and keeps the series they come from for the report.
    void ApplyStandardValues(const std::vector<FieldWrite>& writes, const QString& seriesUsed);

    // What the menu items run.
    void OnNewChosen();
    void OnOpenChosen();
    void OnSaveChosen();
    void OnSaveAsChosen();
    void OnPartsListChosen();
    void OnSpiceNetlistChosen();
    void OnReportPdfChosen();
    void OnPrintPreviewChosen();
    void OnPrintChosen();
    void OnExitChosen();
    void OnStandardValuesChosen();
    void OnToleranceAnalysisChosen();
    void OnNoiseAnalysisChosen();
    void OnAboutChosen();
    void OnAboutQtChosen();

  signals:
    // "Grafico di Vo/Vi" was pressed.
    void graphRequested();
    // The window is closing, by "Esci" or its title bar, its design kept or given up.
    void closing();
    // A box's text or the range option changed.
    void designEdited();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The presses of "Dimensiona componenti", "Calcola Modulo e Fase, fi e fs effettive",
    // "Inserisci dati come esempio" and "Azzera".
    void OnSizingPressed();
    void OnEvaluationPressed();
    void OnExampleDataPressed();
    void OnClearAllPressed();

    // What the design report shows of the window as it is now.
    ReportSource ReportSourceNow() const;
    ReportDialogs ReportAsks() const;

    FormState State() const;
    void ApplyState(const FormState& state);
    // Writes the texts into their boxes as one undoable step named after the action.
    void WriteFieldsAsStep(const QString& actionName, const std::vector<FieldWrite>& writes);
    // Takes the window from its state now to the given one as one undoable step.
    void TakeStep(const QString& actionName, FormState after);
    void SetResultCaptions(const std::array<QString, 4>& captions);
    QLineEdit& Box(Field field) const;
    void BuildMenuBar();
    // The noise window, made the first time it is needed.
    NoiseWindow& Noise();
    // Gives the design the noise settings, or takes them away: the window then forgets what it
    // showed and is hidden.
    void ApplyNoiseTexts(const std::optional<NoiseTexts>& texts);

    DesignFileDialogs dialogs_;
    std::string decimalSeparator_;
    SweepPool* sweepPool_;
    QWidget* clientArea_ = nullptr;
    std::array<QLineEdit*, kFieldCount> boxes_{};
    QButtonGroup* rangeOptions_ = nullptr;
    std::array<ValueLabel*, 4> resultLabels_{};
    std::array<QString, 4> resultCaptions_;
    QString seriesApplied_;
    QUndoStack* undoStack_ = nullptr;
    RecentFiles* recentFiles_ = nullptr;
    DesignDocument* document_ = nullptr;
    // "Analisi delle tolleranze", once opened: closed, it keeps its settings and results.
    QPointer<ToleranceWindow> toleranceWindow_;
    // "Rumore e dinamica", once needed; its fields are the design's noise settings while it has
    // them.
    QPointer<NoiseWindow> noiseWindow_;
    bool hasNoiseSettings_ = false;
};

}  // namespace amp::ui
