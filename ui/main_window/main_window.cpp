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
#include "ui/icon.h"
#include "ui/main_window/form1_layout.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

// Option2 selects range 1, Option7 range 6.
constexpr int kFirstRangeOption = 2;

// What a screen reader says for a box: its symbol and unit, as the labels beside it show.
QString AccessibleName(Field field) {
    QString name = ToQString(FieldSymbol(field));
    if (const std::string_view unit = FieldUnit(field); !unit.empty()) {
        name += QLatin1Char(' ') + ToQString(unit);
    }
    return name;
}

}  // namespace

MainWindow::MainWindow(MessageSink showMessage, const QLocale& locale, SweepPool* sweepPool,
                       QWidget* parent)
    : QWidget(parent),
      showMessage_(std::move(showMessage)),
      decimalSeparator_(ToStdString(locale.decimalPoint())),
      sweepPool_(sweepPool) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(kApplicationTitle));
    setWindowIcon(AmplifierIcon());
    setFont(WindowDefaultFont());
    const QRect client = TwipsRect(kForm1Left, kForm1Top, kForm1ClientWidth, kForm1ClientHeight);
    setFixedSize(client.size());
    move(client.topLeft());

    BuildForm(*this, Form1Controls());

    for (int number = 1; number <= kFieldCount; ++number) {
        auto& box = Child<QLineEdit>(QStringLiteral("Text%1").arg(number));
        box.setAccessibleName(AccessibleName(FieldOfTextBox(number)));
        boxes_[number - 1] = &box;
    }
    rangeOptions_ = new QButtonGroup(this);
    for (int range = 1; range <= kRangeCount; ++range) {
        const QString name = QStringLiteral("Option%1").arg(range - 1 + kFirstRangeOption);
        rangeOptions_->addButton(&Child<QRadioButton>(name), range);
    }
    modulus_ = &Child<QLabel>(QStringLiteral("Label40"));
    phase_ = &Child<QLabel>(QStringLiteral("Label44"));
    lowerCutoff_ = &Child<QLabel>(QStringLiteral("Label47"));
    upperCutoff_ = &Child<QLabel>(QStringLiteral("Label48"));

    const auto button = [this](const char* name) {
        return &Child<QPushButton>(QString::fromLatin1(name));
    };
    connect(button("Command1"), &QPushButton::clicked, this, &MainWindow::SizeComponents);
    connect(button("Command2"), &QPushButton::clicked, this, &MainWindow::ClearAllFields);
    connect(button("Command3"), &QPushButton::clicked, this, &QWidget::close);
    connect(button("Command4"), &QPushButton::clicked, this, &MainWindow::graphRequested);
    connect(button("Command5"), &QPushButton::clicked, this, &MainWindow::EvaluateResponse);
    connect(button("Command6"), &QPushButton::clicked, this, &MainWindow::FillExampleData);

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

void MainWindow::SizeComponents() {
    const auto outcome = amp::SizeComponents(FieldTextsNow());
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        ShowMessage(ToQString(failure->message));
        return;
    }
    WriteFields(std::get<std::vector<FieldWrite>>(outcome));
}

void MainWindow::EvaluateResponse() {
    const auto outcome = amp::EvaluateResponse(FieldTextsNow(), decimalSeparator_, sweepPool_);
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        ShowMessage(ToQString(failure->message));
        return;
    }
    const auto& captions = std::get<EvaluationCaptions>(outcome);
    SetResultCaptions(ToQString(captions.modulus), ToQString(captions.phase),
                      ToQString(captions.lowerCutoff), ToQString(captions.upperCutoff));
}

void MainWindow::FillExampleData() {
    WriteFields(ExampleData());
    rangeOptions_->button(kExampleRangeIndex)->setChecked(true);
}

void MainWindow::ClearAllFields() {
    WriteFields(amp::ClearAllFields());
    SetResultCaptions({}, {}, {}, {});
}

void MainWindow::WriteFields(const std::vector<FieldWrite>& writes) {
    for (const FieldWrite& write : writes) Box(write.field).setText(ToQString(write.text));
}

void MainWindow::SetResultCaptions(const QString& modulus, const QString& phase,
                                   const QString& lowerCutoff, const QString& upperCutoff) {
    modulus_->setText(modulus);
    phase_->setText(phase);
    lowerCutoff_->setText(lowerCutoff);
    upperCutoff_->setText(upperCutoff);
}

QLineEdit& MainWindow::Box(Field field) const {
    return *boxes_[TextBoxNumber(field) - 1];
}

template <class Control>
Control& MainWindow::Child(const QString& name) const {
    auto* control = findChild<Control*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(control, "MainWindow", "a control of the layout is missing");
    return *control;
}

}  // namespace amp::ui
