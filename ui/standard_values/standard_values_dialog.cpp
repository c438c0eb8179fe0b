#include "ui/standard_values/standard_values_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <span>

#include "ui/fonts.h"
#include "ui/forms/value_label.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

const QColor kCellBackground(255, 255, 255);
// Keeps a cell's text off its border, as in Form1's result labels.
constexpr int kCellIndent = 3;
// What is shown where a part or a figure has no value.
const QString kNoValue = QStringLiteral("—");
// The widest texts the cells show in full; a longer box text is cut short with an ellipsis.
const QString kWidestPartValue = QStringLiteral("9.99E+99 kohm");
const QString kWidestDeviation = QStringLiteral("-99.99 %");
const QString kWidestFigure = QStringLiteral("9999999.00");
constexpr Qt::Alignment kRightAligned = Qt::AlignRight | Qt::AlignVCenter;

QLabel* Caption(const QString& text, QWidget* parent,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* caption = new QLabel(text, parent);
    caption->setTextFormat(Qt::PlainText);
    caption->setFont(ControlFont());
    caption->setAlignment(alignment);
    return caption;
}

// A white cell with a single-line border and right-aligned text, as wide as the widest of the
// texts at the control font.
// A screen reader says what the cell holds: its row and column ("R1, Valore commerciale").
template <class Label>
Label* Cell(QWidget* parent, const QString& name, const QString& meaning,
            std::initializer_list<QString> widest) {
    auto* cell = new Label(parent);
    cell->setObjectName(name);
    cell->setAccessibleDescription(meaning);
    cell->setTextFormat(Qt::PlainText);
    cell->setFont(ControlFont());
    cell->setAlignment(kRightAligned);
    cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    cell->setLineWidth(1);
    cell->setIndent(kCellIndent);
    cell->setAutoFillBackground(true);
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Window, kCellBackground);
    cell->setPalette(palette);
    const QFontMetrics metrics(ControlFont());
    int width = 0;
    for (const QString& text : widest) width = std::max(width, metrics.horizontalAdvance(text));
    cell->setFixedWidth(width + 2 * (kCellIndent + cell->frameWidth()) +
                        metrics.averageCharWidth());
    return cell;
}

// Shows the text, cut short with an ellipsis when it is too wide for the cell; the whole text
// stays in the tooltip and in what a screen reader says.
void SetCellText(QLabel& cell, const QString& text) {
    const QString shown = text.isEmpty() ? kNoValue : text;
    const int room = cell.contentsRect().width() - 2 * kCellIndent;
    const QString fitted = cell.fontMetrics().elidedText(shown, Qt::ElideRight, room);
    cell.setText(fitted);
    cell.setToolTip(fitted == shown ? QString() : shown);
    cell.setAccessibleName(shown);
}

void SetFigure(ValueLabel& cell, const std::string& caption, std::string_view decimalSeparator) {
    cell.SetValue(caption.empty() ? kNoValue : ToQString(caption), decimalSeparator);
}

QComboBox* SeriesCombo(QWidget* parent, const QString& name,
                       std::span<const StandardSeries> offered, StandardSeries chosen) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setFont(ControlFont());
    for (StandardSeries series : offered) {
        combo->addItem(ToQString(SeriesName(series)), static_cast<int>(series));
    }
    combo->setCurrentIndex(combo->findData(static_cast<int>(chosen)));
    return combo;
}

StandardSeries ChosenSeries(const QComboBox& combo) {
    return static_cast<StandardSeries>(combo.currentData().toInt());
}

}  // namespace

StandardValuesDialog::StandardValuesDialog(TextsReader readTexts, std::string decimalSeparator,
                                           SweepPool* sweepPool, StandardValuesWriter apply,
                                           QWidget* parent)
    : QDialog(parent),
      readTexts_(std::move(readTexts)),
      decimalSeparator_(std::move(decimalSeparator)),
      sweepPool_(sweepPool),
      apply_(std::move(apply)) {
    setObjectName(QStringLiteral("FormValoriCommerciali"));
    setWindowTitle(QStringLiteral("Valori commerciali"));
    setModal(true);
    setFont(WindowDefaultFont());
    auto* layout = new QVBoxLayout(this);
    // The dialog is as large as its contents and keeps that size, like the program's windows.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(BuildSeriesChoice());
    layout->addWidget(BuildPartsTable());
    layout->addWidget(BuildBandTable());
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("LabelMessaggio"));
    message_->setTextFormat(Qt::PlainText);
    message_->setFont(ControlFont());
    message_->setWordWrap(true);
    layout->addWidget(message_);
    layout->addLayout(BuildButtons());
    resistorSeries_->setFocus();
    ShowReport();
}

QLayout* StandardValuesDialog::BuildSeriesChoice() {
    const SeriesChoice defaults;
    resistorSeries_ =
        SeriesCombo(this, QStringLiteral("ComboResistori"), kResistorSeries, defaults.resistors);
    capacitorSeries_ = SeriesCombo(this, QStringLiteral("ComboCondensatori"), kCapacitorSeries,
                                   defaults.capacitors);
    for (QComboBox* combo : {resistorSeries_, capacitorSeries_}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &StandardValuesDialog::ShowReport);
    }
    QLabel* resistorCaption = Caption(QStringLiteral("Serie dei &resistori:"), this);
    resistorCaption->setBuddy(resistorSeries_);
    QLabel* capacitorCaption = Caption(QStringLiteral("Serie dei &condensatori:"), this);
    capacitorCaption->setBuddy(capacitorSeries_);
    auto* row = new QHBoxLayout;
    row->addWidget(resistorCaption);
    row->addWidget(resistorSeries_);
    row->addSpacing(resistorCaption->fontMetrics().averageCharWidth() * 4);
    row->addWidget(capacitorCaption);
    row->addWidget(capacitorSeries_);
    row->addStretch();
    return row;
}

QWidget* StandardValuesDialog::BuildPartsTable() {
    auto* box = new QGroupBox(QStringLiteral("Componenti dimensionati"), this);
    box->setFont(ControlFont());
    auto* grid = new QGridLayout(box);
    const std::array<QString, 3> headers{QStringLiteral("Valore nel campo"),
                                         QStringLiteral("Valore commerciale"),
                                         QStringLiteral("Scarto")};
    grid->addWidget(Caption(QStringLiteral("Componente"), box), 0, 0);
    for (int column = 0; column < 3; ++column) {
        grid->addWidget(Caption(headers[column], box, kRightAligned), 0, column + 1);
    }
    for (std::size_t i = 0; i < kSizedParts.size(); ++i) {
        const QString symbol = ToQString(FieldSymbol(kSizedParts[i]));
        PartCells& cells = partCells_[i];
        const QString row = symbol + QStringLiteral(", ");
        cells.boxValue = Cell<QLabel>(box, QStringLiteral("LabelCampo") + symbol, row + headers[0],
                                      {headers[0], kWidestPartValue});
        cells.standardValue = Cell<QLabel>(box, QStringLiteral("LabelCommerciale") + symbol,
                                           row + headers[1], {headers[1], kWidestPartValue});
        cells.deviation = Cell<QLabel>(box, QStringLiteral("LabelScarto") + symbol,
                                       row + headers[2], {headers[2], kWidestDeviation});
        const int line = static_cast<int>(i) + 1;
        grid->addWidget(Caption(symbol, box), line, 0);
        grid->addWidget(cells.boxValue, line, 1);
        grid->addWidget(cells.standardValue, line, 2);
        grid->addWidget(cells.deviation, line, 3);
    }
    return box;
}

QWidget* StandardValuesDialog::BuildBandTable() {
    auto* box = new QGroupBox(QStringLiteral("Banda dell'amplificatore"), this);
    box->setFont(ControlFont());
    auto* grid = new QGridLayout(box);
    const std::array<QString, 3> headers{QStringLiteral("Obiettivo"),
                                         QStringLiteral("Con i valori nei campi"),
                                         QStringLiteral("Con i valori commerciali")};
    const std::array<QString, 3> nameEndings{QStringLiteral("Obiettivo"), QStringLiteral("Campi"),
                                             QStringLiteral("Commerciali")};
    for (int column = 0; column < 3; ++column) {
        grid->addWidget(Caption(headers[column], box, kRightAligned), 0, column + 1);
    }
    const auto addFigure = [&](FigureCells& cells, int row, const QString& caption,
                               const QString& name) {
        grid->addWidget(Caption(caption, box), row, 0);
        for (int column = 0; column < 3; ++column) {
            // The three columns as wide as one another.
            cells[column] =
                Cell<ValueLabel>(box, QStringLiteral("Label") + name + nameEndings[column],
                                 caption + QStringLiteral(", ") + headers[column],
                                 {headers[0], headers[1], headers[2], kWidestFigure});
            cells[column]->SetDesignFont(ControlFont());
            grid->addWidget(cells[column], row, column + 1);
        }
    };
    addFigure(gain_, 1, QStringLiteral("|Vo/Vi| massimo (Avcb)"), QStringLiteral("Guadagno"));
    addFigure(lowerCutoff_, 2, QStringLiteral("fi effettiva [Hz]"), QStringLiteral("Fi"));
    addFigure(upperCutoff_, 3, QStringLiteral("fs effettiva [Hz]"), QStringLiteral("Fs"));
    return box;
}

QLayout* StandardValuesDialog::BuildButtons() {
    applyButton_ = new QPushButton(QStringLiteral("&Applica"), this);
    applyButton_->setObjectName(QStringLiteral("CommandApplica"));
    applyButton_->setFont(ControlFont());
    applyButton_->setDefault(true);
    auto* closeButton = new QPushButton(QStringLiteral("C&hiudi"), this);
    closeButton->setObjectName(QStringLiteral("CommandChiudi"));
    closeButton->setFont(ControlFont());
    connect(applyButton_, &QPushButton::clicked, this, &StandardValuesDialog::OnApplyPressed);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    QWidget::setTabOrder(resistorSeries_, capacitorSeries_);
    QWidget::setTabOrder(capacitorSeries_, applyButton_);
    QWidget::setTabOrder(applyButton_, closeButton);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(applyButton_);
    row->addWidget(closeButton);
    return row;
}

SeriesChoice StandardValuesDialog::Choice() const {
    return {ChosenSeries(*resistorSeries_), ChosenSeries(*capacitorSeries_)};
}

void StandardValuesDialog::ShowReport() {
    FieldTexts texts = readTexts_();
    if (!boxBand_ || texts != boxBand_->texts) {
        Outcome<BandFigures> band = EvaluateBand(texts, decimalSeparator_, sweepPool_);
        boxBand_ = BoxBand{std::move(texts), std::move(band)};
    }
    report_ = ReportStandardValues(boxBand_->texts, boxBand_->band, Choice(), decimalSeparator_,
                                   sweepPool_);
    for (std::size_t i = 0; i < kSizedParts.size(); ++i) {
        const PartLine& line = report_.parts[i];
        SetCellText(*partCells_[i].boxValue, ToQString(line.boxValue));
        SetCellText(*partCells_[i].standardValue, ToQString(line.standardValue));
        SetCellText(*partCells_[i].deviation, ToQString(line.deviation));
    }
    const BandFigures none;
    const BandFigures& withBoxValues = report_.withBoxValues.value_or(none);
    const BandFigures& withStandardValues = report_.withStandardValues.value_or(none);
    const auto showFigure = [this](const FigureCells& cells, const std::string& target,
                                   const std::string& withBox, const std::string& withStandard) {
        SetFigure(*cells[0], target, decimalSeparator_);
        SetFigure(*cells[1], withBox, decimalSeparator_);
        SetFigure(*cells[2], withStandard, decimalSeparator_);
    };
    showFigure(gain_, report_.targets.gain, withBoxValues.gain, withStandardValues.gain);
    showFigure(lowerCutoff_, report_.targets.lowerCutoff, withBoxValues.lowerCutoff,
               withStandardValues.lowerCutoff);
    showFigure(upperCutoff_, report_.targets.upperCutoff, withBoxValues.upperCutoff,
               withStandardValues.upperCutoff);
    message_->setText(report_.failure ? ToQString(report_.failure->message) : QString());
    message_->setVisible(report_.failure.has_value());
    applyButton_->setEnabled(!report_.standardWrites.empty());
}

void StandardValuesDialog::OnApplyPressed() {
    // The values whose figures are shown, in the series shown.
    if (report_.standardWrites.empty()) return;
    apply_(report_.standardWrites, ToQString(SeriesChoiceText(Choice())));
    accept();
}

}  // namespace amp::ui
