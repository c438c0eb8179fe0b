#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/field.h"
#include "ui/message_box.h"

class QButtonGroup;
class QLineEdit;

namespace amp {
class SweepPool;
}

namespace amp::ui {

class ValueLabel;

// Form1, "Amplificatore audio": the design fields, the range options, the result labels and the
// buttons that run the calculations on the fields' current texts.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // Captions are written with the given decimal separator, the one of the user's locale; a sweep
    // pool shares the evaluation's sweep among its threads.
    MainWindow(MessageSink showMessage, std::string decimalSeparator, SweepPool* sweepPool = nullptr,
               QWidget* parent = nullptr);

    // The texts of Text1 ... Text21 as they are now.
    FieldTexts FieldTextsNow() const;

    // The range of the selected option: 1 for Option2 ... 6 for Option7; nothing when none is.
    std::optional<int> SelectedRangeIndex() const;

    // Shows the one message of a failed action, through the window's message sink.
    void ShowMessage(const QString& text);

  signals:
    // "Grafico di Vo/Vi" was pressed.
    void graphRequested();
    // The window is closing, by "Esci" or its title bar.
    void closing();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The presses of "Dimensiona componenti", "Calcola Modulo e Fase, fi e fs effettive",
    // "Inserisci dati come esempio" and "Azzera".
    void OnSizingPressed();
    void OnEvaluationPressed();
    void OnExampleDataPressed();
    void OnClearAllPressed();

    void WriteFields(const std::vector<FieldWrite>& writes);
    void SetResultCaptions(const QString& modulus, const QString& phase, const QString& lowerCutoff,
                           const QString& upperCutoff);
    QLineEdit& Box(Field field) const;

    MessageSink showMessage_;
    std::string decimalSeparator_;
    SweepPool* sweepPool_;
    std::array<QLineEdit*, kFieldCount> boxes_{};
    QButtonGroup* rangeOptions_ = nullptr;
    ValueLabel* modulus_ = nullptr;
    ValueLabel* phase_ = nullptr;
    ValueLabel* lowerCutoff_ = nullptr;
    ValueLabel* upperCutoff_ = nullptr;
};

}  // namespace amp::ui
