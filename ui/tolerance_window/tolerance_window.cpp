#include "ui/tolerance_window/tolerance_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTimer>

#include "core/checks/messages.h"
#include "graph/tolerance_plot.h"
#include "graph/tolerance_report.h"
#include "ui/fonts.h"
#include "ui/forms/form_builder.h"
#include "ui/plot/plot_files.h"
#include "ui/qt_text.h"
#include "ui/tolerance_window/band_legend.h"
#include "ui/tolerance_window/band_plot_area.h"
#include "ui/tolerance_window/tolerance_layout.h"
#include "ui/tolerance_window/tolerance_run.h"
#include "ui/twips.h"

namespace amp::ui {
namespace {

const QColor kWindowBackground(224, 224, 224);
// A run shows its progress once it has lasted this long, and the bar moves at this pace.
constexpr int kQuietMilliseconds = 100;
constexpr int kProgressTickMilliseconds = 40;

QString NewSeed() {
    return QString::number(QRandomGenerator::system()->generate());
}

}  // namespace

ToleranceWindow::ToleranceWindow(std::function<FieldTexts()> readTexts,
                                 std::string decimalSeparator, SweepPool* sweepPool,
                                 SaveDialogs dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      readTexts_(std::move(readTexts)),
      decimalSeparator_(std::move(decimalSeparator)),
      dialogs_(std::move(dialogs)),
      run_(new ToleranceRun(sweepPool, this)) {
    setObjectName(QStringLiteral("FormTolleranze"));
    setWindowTitle(QStringLiteral("Analisi delle tolleranze"));
    setFixedSize(TwipsToPixels(kToleranceClientWidth), TwipsToPixels(kToleranceClientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowBackground);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(WindowDefaultFont());

    const BuiltControls controls = BuildForm(*this, ToleranceControls());
    const ToleranceRows& rows = kToleranceRows;
    for (std::size_t k = 0; k < tolerances_.size(); ++k) {
        tolerances_[k] = &controls[rows.tolerances[k]];
    }
    trials_ = &controls[rows.trials];
    seed_ = &controls[rows.seed];
    seed_->setText(NewSeed());
    controls[rows.uniform].setChecked(true);
    normal_ = &controls[rows.normal];
    calculate_ = &controls[rows.calculate];
    stop_ = &controls[rows.stop];
    stop_->hide();
    for (int figure = 0; figure < kToleranceFigureCount; ++figure) {
        for (int column = 0; column < kStatisticsColumnCount; ++column) {
            statistics_[figure][column] = &controls[rows.statistics[figure][column]];
        }
    }
    resolution_ = &controls[rows.resolution];
    for (std::size_t k = 0; k < readout_.size(); ++k) readout_[k] = &controls[rows.readout[k]];

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setGeometry(TwipsRect(kProgressLeft, kProgressTop, kProgressWidth, kProgressHeight));
    progress_->hide();
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressTickMilliseconds);

    plotArea_ = new BandPlotArea(this);
    plotArea_->move(TwipsToPixels(kTolerancePlotLeft), TwipsToPixels(kTolerancePlotTop));
    auto* legend = new BandLegend(this);
    legend->setGeometry(TwipsRect(kLegendLeft, kLegendTop, kLegendWidth, kLegendHeight));

    connect(calculate_, &QPushButton::clicked, this, &ToleranceWindow::OnCalculatePressed);
    connect(stop_, &QPushButton::clicked, this, &ToleranceWindow::OnStopPressed);
    connect(&controls[rows.newSeed], &QPushButton::clicked, this,
            &ToleranceWindow::OnNewSeedPressed);
    connect(progressTimer_, &QTimer::timeout, this, &ToleranceWindow::OnProgressTick);
    connect(run_, &ToleranceRun::finished, this, &ToleranceWindow::OnFinished);
    connect(plotArea_, &BandPlotArea::pointerMoved, this, &ToleranceWindow::OnPointerMoved);
    connect(plotArea_, &BandPlotArea::saveImageChosen, this, &ToleranceWindow::OnSaveImageChosen);
    connect(plotArea_, &BandPlotArea::exportStatisticsChosen, this, [this] {
        OnExportChosen("tolleranze-statistiche", StatisticsCsv(*plotArea_->ShownResult()));
    });
    connect(plotArea_, &BandPlotArea::exportBandChosen, this,
            [this] { OnExportChosen("tolleranze-banda", BandCsv(*plotArea_->ShownResult())); });
}

ToleranceWindow::~ToleranceWindow() = default;

bool ToleranceWindow::Running() const {
    return run_->Running();
}

void ToleranceWindow::OnCalculatePressed() {
    ToleranceTexts texts;
    texts.resistors = ToStdString(tolerances_[0]->text());
    texts.capacitors = ToStdString(tolerances_[1]->text());
    texts.Avo = ToStdString(tolerances_[2]->text());
    texts.fc = ToStdString(tolerances_[3]->text());
    texts.distribution =
        normal_->isChecked() ? ToleranceDistribution::Normal : ToleranceDistribution::Uniform;
    texts.trials = ToStdString(trials_->text());
    texts.seed = ToStdString(seed_->text());
    const Outcome<ToleranceSettings> settings = ReadToleranceSettings(texts);
    if (const auto* failure = std::get_if<Failure>(&settings)) {
        dialogs_.showMessage(this, ToQString(failure->message));
        return;
    }
    const FieldTexts form1 = readTexts_();
    const Outcome<EvaluationInputs> design = ReadEvaluationInputs(form1);
    if (const auto* failure = std::get_if<Failure>(&design)) {
        dialogs_.showMessage(this, ToQString(failure->message));
        return;
    }
    fiX_ = TargetX(form1[Field::fi]);
    fsX_ = TargetX(form1[Field::fs]);

    const ToleranceSettings& read = std::get<ToleranceSettings>(settings);
    progress_->setRange(0, read.trials);
    progress_->setValue(0);
    calculate_->setEnabled(false);
    runTime_.start();
    progressTimer_->start();
    run_->Start(std::get<EvaluationInputs>(design), read);
}

void ToleranceWindow::OnProgressTick() {
    if (runTime_.elapsed() < kQuietMilliseconds) return;
    if (!progress_->isVisible()) {
        // A long run: what the window showed belongs to the inputs of an earlier one.
        ClearResult();
        progress_->show();
        stop_->show();
        stop_->setFocus();
    }
    progress_->setValue(run_->FinishedTrials());
}

void ToleranceWindow::OnStopPressed() {
    run_->Stop();
    EndRun();
}

void ToleranceWindow::closeEvent(QCloseEvent* event) {
    if (run_->Running()) OnStopPressed();
    QWidget::closeEvent(event);
}

void ToleranceWindow::EndRun() {
    progressTimer_->stop();
    progress_->hide();
    const bool focused = stop_->hasFocus();
    stop_->hide();
    calculate_->setEnabled(true);
    if (focused) calculate_->setFocus();
}

void ToleranceWindow::OnFinished(std::shared_ptr<const Outcome<ToleranceResult>> outcome) {
    EndRun();
    if (const auto* failure = std::get_if<Failure>(outcome.get())) {
        dialogs_.showMessage(this, ToQString(failure->message));
        return;
    }
    // The result lives as long as the outcome that holds it.
    ShowResult(
        std::shared_ptr<const ToleranceResult>(outcome, &std::get<ToleranceResult>(*outcome)));
}

void ToleranceWindow::ShowResult(std::shared_ptr<const ToleranceResult> result) {
    const auto captions = StatisticsCaptions(*result, decimalSeparator_);
    for (int figure = 0; figure < kToleranceFigureCount; ++figure) {
        for (int column = 0; column < kStatisticsColumnCount; ++column) {
            statistics_[figure][column]->SetValue(ToQString(captions[figure][column]),
                                                  decimalSeparator_);
        }
    }
    resolution_->setText(
        ToQString(BandResolutionCaption(result->band.resolution, decimalSeparator_)));
    plotArea_->ShowResult(std::move(result), fiX_, fsX_, decimalSeparator_);
}

void ToleranceWindow::ClearResult() {
    for (const auto& row : statistics_) {
        for (ValueLabel* value : row) value->SetValue({}, decimalSeparator_);
    }
    for (ValueLabel* value : readout_) value->SetValue({}, decimalSeparator_);
    resolution_->clear();
    plotArea_->Clear();
}

void ToleranceWindow::OnNewSeedPressed() {
    seed_->setText(NewSeed());
}

void ToleranceWindow::OnPointerMoved(QPointF twips) {
    const ToleranceResult* result = plotArea_->ShownResult();
    if (!result) return;
    const BandReadoutTexts texts = BandReadout(*result, twips.x(), decimalSeparator_);
    const std::array<const std::string*, 6> shown{&texts.frequency, &texts.maximum, &texts.p95,
                                                  &texts.nominal,   &texts.p5,      &texts.minimum};
    for (std::size_t k = 0; k < readout_.size(); ++k) {
        readout_[k]->SetValue(ToQString(*shown[k]), decimalSeparator_);
    }
}

void ToleranceWindow::OnSaveImageChosen() {
    const PicturePainter paint = [this](QPainter& painter, qreal devicePixelRatio) {
        plotArea_->PaintPicture(painter, devicePixelRatio);
    };
    SavePictureAs(this, dialogs_, *plotArea_, paint, "tolleranze-grafico", kEvaluationDecades);
}

void ToleranceWindow::OnExportChosen(std::string_view stem, const std::string& csv) {
    ExportCsvAs(this, dialogs_, csv, stem, kEvaluationDecades);
}

}  // namespace amp::ui
