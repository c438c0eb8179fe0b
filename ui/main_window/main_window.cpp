#include "ui/main_window/main_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <utility>
#include <variant>

#include "core/evaluation.h"
#include "core/example_data.h"
#include "core/messages.h"
#include "core/sizing.h"
#include "graph/plot_grid.h"
#include "ui/fonts.h"
#include "ui/forms/form_builder.h"
#include "ui/main_window/form1_layout.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

// What a screen reader says for a box: its symbol and unit, as the labels beside it show.
QString AccessibleName(Field field) {
    QString name = ToQString(FieldSymbol(field));
    if (const std::string_view unit = FieldUnit(field); !unit.empty()) {
        name += QLatin1Char(' ') + ToQString(unit);
    }
    return name;
}

}  // namespace

MainWindow::MainWindow(MessageSink showMessage, std::string decimalSeparator, SweepPool* sweepPool,
                       QWidget* parent)
    : QWidget(parent),
      showMessage_(std::move(showMessage)),
      decimalSeparator_(std::move(decimalSeparator)),
      sweepPool_(sweepPool) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(kApplicationTitle));
    setFont(WindowDefaultFont());
    const QRect client = TwipsRect(kForm1Left, kForm1Top, kForm1ClientWidth, kForm1ClientHeight);
    setFixedSize(client.size());
    move(client.topLeft());

    const BuiltControls controls = BuildForm(*this, Form1Controls());
    for (int number = 1; number <= kFieldCount; ++number) {
        QLineEdit& box = controls[kForm1Rows.boxes[number - 1]];
        box.setAccessibleName(AccessibleName(FieldOfTextBox(number)));
        boxes_[number - 1] = &box;
    }
    rangeOptions_ = new QButtonGroup(this);
    for (int range = 1; range <= kRangeCount; ++range) {
        rangeOptions_->addButton(&controls[kForm1Rows.rangeOptions[range - 1]], range);
    }
    modulus_ = &controls[kForm1Rows.modulus];
    phase_ = &controls[kForm1Rows.phase];
    lowerCutoff_ = &controls[kForm1Rows.lowerCutoff];
    upperCutoff_ = &controls[kForm1Rows.upperCutoff];

    const auto clicked = [this, &controls](ControlRow<ControlKind::CommandButton> button,
                                           auto handler) {
        connect(&controls[button], &QPushButton::clicked, this, handler);
    };
    clicked(kForm1Rows.sizing, &MainWindow::OnSizingPressed);
    clicked(kForm1Rows.clearAll, &MainWindow::OnClearAllPressed);
    clicked(kForm1Rows.exit, &QWidget::close);
    clicked(kForm1Rows.graph, &MainWindow::graphRequested);
    clicked(kForm1Rows.evaluation, &MainWindow::OnEvaluationPressed);
    clicked(kForm1Rows.exampleData, &MainWindow::OnExampleDataPressed);

    Box(Field::fi).setFocus();
}

FieldTexts MainWindow::FieldTextsNow() const {
    FieldTexts texts;
    for (int number = 1; number <= kFieldCount; ++number) {
        const Field field = FieldOfTextBox(number);
        texts[field] = ToStdString(Box(field).text());
    }
    return texts;
}

std::optional<int> MainWindow::SelectedRangeIndex() const {
    const int range = rangeOptions_->checkedId();
    if (range < 1) return std::nullopt;
    return range;
}

void MainWindow::ShowMessage(const QString& text) {
    showMessage_(this, text);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    QWidget::closeEvent(event);
}

void MainWindow::OnSizingPressed() {
    const auto outcome = amp::SizeComponents(FieldTextsNow());
    if (const Failure* failure = FailureOf(outcome)) {
        ShowMessage(ToQString(failure->message));
        return;
    }
    WriteFields(std::get<std::vector<FieldWrite>>(outcome));
}

void MainWindow::OnEvaluationPressed() {
    const auto outcome = amp::EvaluateResponse(FieldTextsNow(), decimalSeparator_, sweepPool_);
    if (const Failure* failure = FailureOf(outcome)) {
        ShowMessage(ToQString(failure->message));
        return;
    }
    const auto& captions = std::get<EvaluationCaptions>(outcome);
    SetResultCaptions(ToQString(captions.modulus), ToQString(captions.phase),
                      ToQString(captions.lowerCutoff), ToQString(captions.upperCutoff));
}

void MainWindow::OnExampleDataPressed() {
    WriteFields(ExampleData());
    rangeOptions_->button(kExampleRangeIndex)->setChecked(true);
}

void MainWindow::OnClearAllPressed() {
    WriteFields(amp::ClearAllFields());
    SetResultCaptions({}, {}, {}, {});
}

void MainWindow::WriteFields(const std::vector<FieldWrite>& writes) {
    for (const FieldWrite& write : writes) Box(write.field).setText(ToQString(write.text));
}

void MainWindow::SetResultCaptions(const QString& modulus, const QString& phase,
                                   const QString& lowerCutoff, const QString& upperCutoff) {
    modulus_->SetValue(modulus, decimalSeparator_);
    phase_->SetValue(phase, decimalSeparator_);
    lowerCutoff_->SetValue(lowerCutoff, decimalSeparator_);
    upperCutoff_->SetValue(upperCutoff, decimalSeparator_);
}

QLineEdit& MainWindow::Box(Field field) const {
    return *boxes_[TextBoxNumber(field) - 1];
}

}  // namespace amp::ui
