#include "ui/noise_window/noise_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/design/op_amp_choice.h"
#include "graph/noise_plot.h"
#include "ui/fonts.h"
#include "ui/forms/form_builder.h"
#include "ui/noise_window/noise_layout.h"
#include "ui/noise_window/noise_plot_area.h"
#include "ui/noise_window/sources_table.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kWindowBackground(224, 224, 224);
// A field the part fills in cannot be typed into, and looks it.
const QColor kLockedFieldBackground(236, 236, 236);
const QColor kFlagText(192, 0, 0);

// The fields a part fills in.
constexpr std::array kPartFields{NoiseField::en, NoiseField::in, NoiseField::slewRate,
                                 NoiseField::margin};

constexpr std::size_t IndexOf(NoiseField field) {
    return static_cast<std::size_t>(field);
}

}  // namespace

NoiseWindow::NoiseWindow(std::function<FieldTexts()> readTexts, std::string decimalSeparator,
                         OpAmpWriter useInDesign, SaveDialogs dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      readTexts_(std::move(readTexts)),
      decimalSeparator_(std::move(decimalSeparator)),
      useInDesign_(std::move(useInDesign)),
      dialogs_(std::move(dialogs)) {
    setObjectName(QStringLiteral("FormRumore"));
    setWindowTitle(QStringLiteral("Rumore e dinamica"));
    setFixedSize(TwipsToPixels(kNoiseClientWidth), TwipsToPixels(kNoiseClientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(WindowDefaultFont());

    const BuiltControls controls = BuildForm(*this, NoiseControls());
    const NoiseRows& rows = kNoiseRows;
    part_ = &controls[rows.part];
    for (const OpAmpPart& part : kOpAmpParts) part_->addItem(ToQString(part.name));
    part_->addItem(ToQString(kCustomOpAmpName));
    part_->setAccessibleName(QStringLiteral("Operazionale"));
    controls[rows.partCaption].setBuddy(part_);
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        fields_[k] = &controls[rows.fields[k].box];
        fields_[k]->setAccessibleName(ToQString(rows.fields[k].accessibleName));
        controls[rows.fields[k].caption].setBuddy(fields_[k]);
        // Only what the user types is an edit: the window's own writes are not.
        connect(fields_[k], &QLineEdit::textEdited, this, &NoiseWindow::textsEdited);
    }
    for (std::size_t k = 0; k < figures_.size(); ++k) figures_[k] = &controls[rows.figures[k]];
    supplyFlag_ = &controls[rows.supplyFlag];
    QPalette flagPalette = supplyFlag_->palette();
    flagPalette.setColor(QPalette::WindowText, kFlagText);
    supplyFlag_->setPalette(flagPalette);
    supplyFlag_->hide();
    for (std::size_t k = 0; k < readout_.size(); ++k) readout_[k] = &controls[rows.readout[k]];
    useInDesignButton_ = &controls[rows.useInDesign];

    sources_ = new SourcesTable(this);
    sources_->setGeometry(
        TwipsRect(kSourcesTableLeft, kSourcesTableTop, kSourcesTableWidth, kSourcesTableHeight));
    density_ = new NoisePlotArea(NoisePlotKind::Density, this);
    density_->move(TwipsToPixels(kDensityPlotLeft), TwipsToPixels(kNoisePlotTop));
    cleanOutput_ = new NoisePlotArea(NoisePlotKind::CleanOutput, this);
    cleanOutput_->move(TwipsToPixels(kCleanOutputPlotLeft), TwipsToPixels(kNoisePlotTop));
    QWidget::setTabOrder(useInDesignButton_, sources_);
    QWidget::setTabOrder(sources_, density_);
    QWidget::setTabOrder(density_, cleanOutput_);

    connect(part_, &QComboBox::activated, this, &NoiseWindow::OnPartChosen);
    connect(&controls[rows.calculate], &QPushButton::clicked, this,
            &NoiseWindow::OnCalculatePressed);
    connect(useInDesignButton_, &QPushButton::clicked, this, &NoiseWindow::OnUseInDesignPressed);
    for (NoisePlotArea* area : {density_, cleanOutput_}) {
        connect(area, &NoisePlotArea::pointerMoved, this,
                [this, area](QPointF twips) { OnPointerMoved(area, twips); });
    }
    connect(density_, &NoisePlotArea::saveImageChosen, this,
            [this] { OnSaveImageChosen(density_, "rumore-densita"); });
    connect(cleanOutput_, &NoisePlotArea::saveImageChosen, this,
            [this] { OnSaveImageChosen(cleanOutput_, "rumore-uscita-massima"); });
    connect(density_, &NoisePlotArea::exportDataChosen, this, [this] {
        ExportCsvAs(this, dialogs_, DensityCsv(density_->ShownAnalysis()->curves), "rumore-densita",
                    kNoiseDecades);
    });
    connect(cleanOutput_, &NoisePlotArea::exportDataChosen, this, [this] {
        ExportCsvAs(this, dialogs_, CleanOutputCsv(cleanOutput_->ShownAnalysis()->curves),
                    "rumore-uscita-massima", kNoiseDecades);
    });

    ShowTexts(DefaultNoiseTexts());
}

NoiseWindow::~NoiseWindow() = default;

NoiseTexts NoiseWindow::Texts() const {
    NoiseTexts texts;
    texts.part = ToStdString(part_->currentText());
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        TextOf(texts, static_cast<NoiseField>(k)) = ToStdString(fields_[k]->text());
    }
    return texts;
}

void NoiseWindow::SetTexts(const NoiseTexts& texts) {
    if (texts == Texts()) return;
    ShowTexts(texts);
    ClearResults();
}

void NoiseWindow::Reset() {
    ShowTexts(DefaultNoiseTexts());
    ClearResults();
}

void NoiseWindow::ShowTexts(const NoiseTexts& texts) {
    part_->setCurrentIndex(part_->findText(ToQString(texts.part)));
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        const QString text = ToQString(TextOf(texts, static_cast<NoiseField>(k)));
        // An unchanged field keeps its cursor and its own undo.
        if (fields_[k]->text() != text) fields_[k]->setText(text);
    }
    LockPartFields();
}

void NoiseWindow::LockPartFields() {
    const bool custom = part_->currentText() == ToQString(kCustomOpAmpName);
    for (const NoiseField field : kPartFields) {
        QLineEdit* box = fields_[IndexOf(field)];
        box->setReadOnly(!custom);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base,
                         custom ? this->palette().color(QPalette::Base) : kLockedFieldBackground);
        box->setPalette(palette);
    }
    useInDesignButton_->setEnabled(!custom);
}

void NoiseWindow::OnPartChosen(int) {
    NoiseTexts texts = Texts();
    // A part brings its own figures; "Personalizzato" keeps those shown, to be edited.
    if (const OpAmpPart* part = FindOpAmpPart(texts.part)) texts = WithPart(texts, *part);
    ShowTexts(texts);
    emit textsEdited();
}

void NoiseWindow::OnCalculatePressed() {
    Outcome<NoiseAnalysis> outcome = AnalyseNoise(readTexts_(), Texts());
    if (const Failure* failure = FailureOf(outcome)) {
        dialogs_.showMessage(this, ToQString(failure->message));
        return;
    }
    ShowAnalysis(
        std::make_shared<const NoiseAnalysis>(std::move(std::get<NoiseAnalysis>(outcome))));
}

void NoiseWindow::ShowAnalysis(std::shared_ptr<const NoiseAnalysis> analysis) {
    const NoiseSettings& settings = analysis->settings;
    const auto captions = NoiseFigureCaptions(analysis->figures, decimalSeparator_);
    for (std::size_t k = 0; k < figures_.size(); ++k) {
        figures_[k]->SetValue(ToQString(captions[k]), decimalSeparator_);
    }
    const bool flagged = analysis->figures.supplyAboveRating && settings.part != nullptr;
    supplyFlag_->setText(
        flagged ? ToQString(SupplyAboveRatingCaption(*settings.part, decimalSeparator_))
                : QString());
    supplyFlag_->setVisible(flagged);
    sources_->ShowRows(NoiseSourceRows(*analysis, decimalSeparator_));
    for (ValueLabel* value : readout_) value->SetValue({}, decimalSeparator_);
    density_->ShowAnalysis(analysis, decimalSeparator_);
    cleanOutput_->ShowAnalysis(std::move(analysis), decimalSeparator_);
}

void NoiseWindow::ClearResults() {
    for (ValueLabel* value : figures_) value->SetValue({}, decimalSeparator_);
    for (ValueLabel* value : readout_) value->SetValue({}, decimalSeparator_);
    supplyFlag_->clear();
    supplyFlag_->hide();
    sources_->Clear();
    density_->Clear();
    cleanOutput_->Clear();
}

void NoiseWindow::OnUseInDesignPressed() {
    if (const OpAmpPart* part = FindOpAmpPart(ToStdString(part_->currentText()))) {
        useInDesign_(OpAmpFieldWrites(*part));
    }
}

void NoiseWindow::OnPointerMoved(NoisePlotArea* area, QPointF twips) {
    const NoiseAnalysis* analysis = area->ShownAnalysis();
    if (!analysis) return;
    const bool density = area == density_;
    const NoiseReadoutTexts texts =
        density ? DensityReadout(analysis->curves, twips.x(), decimalSeparator_)
                : CleanOutputReadout(analysis->curves, twips.x(), decimalSeparator_);
    const std::size_t first = density ? 0 : 2;
    readout_[first]->SetValue(ToQString(texts.frequency), decimalSeparator_);
    readout_[first + 1]->SetValue(ToQString(texts.value), decimalSeparator_);
}

void NoiseWindow::OnSaveImageChosen(NoisePlotArea* area, std::string_view stem) {
    const PicturePainter paint = [area](QPainter& painter, qreal devicePixelRatio) {
        area->PaintPicture(painter, devicePixelRatio);
    };
    SavePictureAs(this, dialogs_, *area, paint, stem, kNoiseDecades);
}

}  // namespace amp::ui
