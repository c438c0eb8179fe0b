#pragma once

#include <QLocale>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/field.h"
#include "ui/message_box.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace amp {
class SweepPool;
}

namespace amp::ui {

// Form1, "Amplificatore audio": the design fields, the range options, the result labels and the
// buttons that run the calculations on the fields' current texts.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // A sweep pool shares the evaluation's sweep among its threads.
    explicit MainWindow(MessageSink showMessage = ShowModalMessage,
                        const QLocale& locale = QLocale(), SweepPool* sweepPool = nullptr,
                        QWidget* parent = nullptr);

    // The texts of Text1 ... Text21 as they are now.
    FieldTexts FieldTextsNow() const;

    // The range of the selected option: 1 for Option2 ... 6 for Option7; nothing when none is.
    std::optional<int> SelectedRangeIndex() const;

    // The decimal separator of the user's locale, used in every displayed caption.
    const std::string& DecimalSeparator() const { return decimalSeparator_; }

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
    void SizeComponents();
    void EvaluateResponse();
    void FillExampleData();
    void ClearAllFields();

    void WriteFields(const std::vector<FieldWrite>& writes);
    void SetResultCaptions(const QString& modulus, const QString& phase, const QString& lowerCutoff,
                           const QString& upperCutoff);
    QLineEdit& Box(Field field) const;
    template <class Control>
    Control& Child(const QString& name) const;

    MessageSink showMessage_;
    std::string decimalSeparator_;
    SweepPool* sweepPool_;
    std::array<QLineEdit*, kFieldCount> boxes_{};
    QButtonGroup* rangeOptions_ = nullptr;
    QLabel* modulus_ = nullptr;
    QLabel* phase_ = nullptr;
    QLabel* lowerCutoff_ = nullptr;
    QLabel* upperCutoff_ = nullptr;
};

}  // namespace amp::ui
