#include "ui/main_window/main_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>
#include <QUrl>
#include <algorithm>
#include <utility>
#include <variant>

#include "core/checks/messages.h"
#include "core/design/design.h"
#include "core/design/evaluation.h"
#include "core/design/example_data.h"
#include "core/design/sizing.h"
#include "ui/fonts.h"
#include "ui/forms/form_builder.h"
#include "ui/main_window/form1_layout.h"
#include "ui/main_window/form1_menus.h"
#include "ui/main_window/state_step.h"
#include "ui/noise_window/noise_window.h"
#include "ui/qt_text.h"
#include "ui/schematic/schematic_view.h"
#include "ui/spice/spice_netlist_export.h"
#include "ui/standard_values/parts_list_export.h"
#include "ui/standard_values/standard_values_dialog.h"
#include "ui/tolerance_window/tolerance_window.h"
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

// The local file a drag carries, if any.
std::optional<QString> DraggedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return std::nullopt;
}

void ApplyWrites(FieldTexts& texts, const std::vector<FieldWrite>& writes) {
    for (const FieldWrite& write : writes) texts[write.field] = write.text;
}

}  // namespace

MainWindow::MainWindow(DesignFileDialogs dialogs, RecentFilesStore recentFilesStore,
                       std::string decimalSeparator, SweepPool* sweepPool, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(std::move(dialogs)),
      decimalSeparator_(std::move(decimalSeparator)),
      sweepPool_(sweepPool) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(kApplicationTitle));
    const QRect client = TwipsRect(kForm1Left, kForm1Top, kForm1ClientWidth, kForm1ClientHeight);
    clientArea_ = new QWidget(this);
    clientArea_->setObjectName(QStringLiteral("Form1Client"));
    clientArea_->setFont(WindowDefaultFont());
    clientArea_->setFixedSize(client.size());
    setCentralWidget(clientArea_);
    move(client.topLeft());

    const BuiltControls controls = BuildForm(
        *clientArea_, Form1Controls(), [](QWidget& form) { return new SchematicView(&form); });
    for (int number = 1; number <= kFieldCount; ++number) {
        QLineEdit& box = controls[kForm1Rows.boxes[number - 1]];
        box.setAccessibleName(AccessibleName(FieldOfTextBox(number)));
        boxes_[number - 1] = &box;
        connect(&box, &QLineEdit::textChanged, this, &MainWindow::designEdited);
        // A design file dragged over a box is for the window, not text for the box.
        box.installEventFilter(this);
    }
    rangeOptions_ = new QButtonGroup(this);
    for (int range = 1; range <= kRangeCount; ++range) {
        rangeOptions_->addButton(&controls[kForm1Rows.rangeOptions[range - 1]], range);
    }
    connect(rangeOptions_, &QButtonGroup::idToggled, this, &MainWindow::designEdited);
    resultLabels_ = {&controls[kForm1Rows.modulus], &controls[kForm1Rows.phase],
                     &controls[kForm1Rows.lowerCutoff], &controls[kForm1Rows.upperCutoff]};

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

    undoStack_ = new QUndoStack(this);
    recentFiles_ = new RecentFiles(std::move(recentFilesStore), this);
    document_ = new DesignDocument(
        {this, [this] { return State(); }, [this](const FormState& state) { ApplyState(state); }},
        State(), *undoStack_, *recentFiles_, dialogs_);
    connect(this, &MainWindow::designEdited, document_, &DesignDocument::Refresh);
    BuildMenuBar();
    // The window is as large as its client area and the menu bar above it.
    setFixedSize(sizeHint());
    setAcceptDrops(true);

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
    dialogs_.showMessage(this, text);
}

void MainWindow::WriteFieldsAsStep(const QString& actionName,
                                   const std::vector<FieldWrite>& writes) {
    FormState after = State();
    ApplyWrites(after.design.texts, writes);
    TakeStep(actionName, std::move(after));
}

void MainWindow::ApplyStandardValues(const std::vector<FieldWrite>& writes,
                                     const QString& seriesUsed) {
    FormState after = State();
    ApplyWrites(after.design.texts, writes);
    after.seriesApplied = seriesUsed;
    TakeStep(QStringLiteral("Valori commerciali"), std::move(after));
}

void MainWindow::OnNewChosen() {
    document_->New();
}

void MainWindow::OnOpenChosen() {
    document_->Open();
}

void MainWindow::OnSaveChosen() {
    document_->Save();
}

void MainWindow::OnSaveAsChosen() {
    document_->SaveAs();
}

void MainWindow::OnPartsListChosen() {
    // The op-amps are named after the part the noise window chose, if it is one of the list.
    const std::optional<NoiseTexts> noise = DesignNoiseTexts();
    const OpAmpPart* part = noise ? FindOpAmpPart(noise->part) : nullptr;
    ExportPartsList(this, FieldTextsNow(), {dialogs_.showMessage, dialogs_.chooseSaveFile},
                    part ? part->name : std::string_view());
}

void MainWindow::OnSpiceNetlistChosen() {
    ExportSpiceNetlistFile(this, FieldTextsNow(), DesignNoiseTexts(),
                           SpiceDesignName(document_->Path()),
                           {dialogs_.showMessage, dialogs_.chooseSaveFile});
}

void MainWindow::OnReportPdfChosen() {
    ExportReportPdf(this, ReportSourceNow(), ReportAsks(), sweepPool_);
}

void MainWindow::OnPrintPreviewChosen() {
    PreviewReport(this, ReportSourceNow(), ReportAsks(), sweepPool_);
}

void MainWindow::OnPrintChosen() {
    PrintReport(this, ReportSourceNow(), ReportAsks(), sweepPool_);
}

ReportSource MainWindow::ReportSourceNow() const {
    const FormState state = State();
    return {state.design.texts,  state.design.rangeIndex, QFileInfo(document_->Path()).fileName(),
            state.seriesApplied, state.design.noise,      QDate::currentDate(),
            decimalSeparator_};
}

ReportDialogs MainWindow::ReportAsks() const {
    ReportDialogs asks;
    asks.showMessage = dialogs_.showMessage;
    asks.chooseSaveFile = dialogs_.chooseSaveFile;
    return asks;
}

void MainWindow::OnExitChosen() {
    close();
}

void MainWindow::OnStandardValuesChosen() {
    auto* dialog = new StandardValuesDialog(
        [this] { return FieldTextsNow(); }, decimalSeparator_, sweepPool_,
        [this](const std::vector<FieldWrite>& writes, const QString& seriesUsed) {
            ApplyStandardValues(writes, seriesUsed);
        },
        this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to Form1, but without a loop of its own, so the menu returns at once.
    dialog->open();
}

void MainWindow::OnToleranceAnalysisChosen() {
    if (!toleranceWindow_) {
        toleranceWindow_ =
            new ToleranceWindow([this] { return FieldTextsNow(); }, decimalSeparator_, sweepPool_,
                                {dialogs_.showMessage, dialogs_.chooseSaveFile}, this);
    }
    toleranceWindow_->show();
    toleranceWindow_->raise();
    toleranceWindow_->activateWindow();
}

void MainWindow::OnNoiseAnalysisChosen() {
    NoiseWindow& window = Noise();
    if (!hasNoiseSettings_) {
        // From now on the design keeps the window's settings.
        hasNoiseSettings_ = true;
        emit designEdited();
    }
    window.show();
    window.raise();
    window.activateWindow();
}

NoiseWindow& MainWindow::Noise() {
    if (!noiseWindow_) {
        noiseWindow_ =
            new NoiseWindow([this] { return FieldTextsNow(); }, decimalSeparator_,
                            [this](const std::vector<FieldWrite>& writes) {
                                WriteFieldsAsStep(QStringLiteral("Operazionale"), writes);
                            },
                            {dialogs_.showMessage, dialogs_.chooseSaveFile}, this);
        connect(noiseWindow_, &NoiseWindow::textsEdited, this, &MainWindow::designEdited);
    }
    return *noiseWindow_;
}

std::optional<NoiseTexts> MainWindow::DesignNoiseTexts() const {
    if (!hasNoiseSettings_) return std::nullopt;
    return noiseWindow_->Texts();
}

void MainWindow::ApplyNoiseTexts(const std::optional<NoiseTexts>& texts) {
    hasNoiseSettings_ = texts.has_value();
    if (texts) {
        Noise().SetTexts(*texts);
    } else if (noiseWindow_) {
        noiseWindow_->hide();
        noiseWindow_->Reset();
    }
}

void MainWindow::OnAboutChosen() {
    QMessageBox::about(
        this, QStringLiteral("Informazioni su Amplificatore audio"),
        QStringLiteral(
            "<h3>Amplificatore audio %1</h3>"
            "<p>Calcolatore di progetto per un amplificatore audio a due stadi con amplificatori "
            "operazionali: dimensiona resistori e condensatori, calcola Vo/Vi con le frequenze di "
            "taglio effettive e ne disegna modulo e fase.</p>"
            "<p>Licenza MIT<br>ID applicazione: %2</p>")
            .arg(QCoreApplication::applicationVersion(), QGuiApplication::desktopFileName()));
}

void MainWindow::OnAboutQtChosen() {
    QMessageBox::aboutQt(this, QStringLiteral("Informazioni su Qt"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!document_->MayDiscard()) {
        event->ignore();
        return;
    }
    // An analysis nobody would see any more stops with the window.
    if (toleranceWindow_) toleranceWindow_->close();
    if (noiseWindow_) noiseWindow_->close();
    emit closing();
    QMainWindow::closeEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DraggedFile(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = DraggedFile(event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    // The drag's source waits for the drop to end; the questions and messages of opening come
    // after it.
    QMetaObject::invokeMethod(
        this, [this, path = *path] { document_->OpenPath(path); }, Qt::QueuedConnection);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!DraggedFile(drag->mimeData())) break;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!DraggedFile(drop->mimeData())) break;
            dropEvent(drop);
            return true;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::OnSizingPressed() {
    const auto outcome = amp::SizeComponents(FieldTextsNow());
    if (const Failure* failure = FailureOf(outcome)) {
        ShowMessage(ToQString(failure->message));
        return;
    }
    WriteFieldsAsStep(QStringLiteral("Dimensiona componenti"),
                      std::get<std::vector<FieldWrite>>(outcome));
}

void MainWindow::OnEvaluationPressed() {
    const auto outcome = amp::EvaluateResponse(FieldTextsNow(), decimalSeparator_, sweepPool_);
    if (const Failure* failure = FailureOf(outcome)) {
        ShowMessage(ToQString(failure->message));
        return;
    }
    const auto& captions = std::get<EvaluationCaptions>(outcome);
    SetResultCaptions({ToQString(captions.modulus), ToQString(captions.phase),
                       ToQString(captions.lowerCutoff), ToQString(captions.upperCutoff)});
}

void MainWindow::OnExampleDataPressed() {
    FormState after = State();
    ApplyWrites(after.design.texts, ExampleData());
    after.design.rangeIndex = kExampleRangeIndex;
    TakeStep(QStringLiteral("Inserisci dati come esempio"), std::move(after));
}

void MainWindow::OnClearAllPressed() {
    FormState after = State();
    ApplyWrites(after.design.texts, amp::ClearAllFields());
    after.resultCaptions = {};
    TakeStep(QStringLiteral("Azzera"), std::move(after));
}

FormState MainWindow::State() const {
    return {{FieldTextsNow(), SelectedRangeIndex(), DesignNoiseTexts()},
            resultCaptions_,
            seriesApplied_};
}

void MainWindow::ApplyState(const FormState& state) {
    for (int number = 1; number <= kFieldCount; ++number) {
        const Field field = FieldOfTextBox(number);
        const QString text = ToQString(state.design.texts[field]);
        // An unchanged box keeps its cursor and its own undo.
        if (Box(field).text() != text) Box(field).setText(text);
    }
    if (state.design.rangeIndex) {
        rangeOptions_->button(*state.design.rangeIndex)->setChecked(true);
    } else if (QAbstractButton* checked = rangeOptions_->checkedButton()) {
        // An exclusive group keeps one option checked; none is, until the user picks one.
        rangeOptions_->setExclusive(false);
        checked->setChecked(false);
        rangeOptions_->setExclusive(true);
    }
    ApplyNoiseTexts(state.design.noise);
    SetResultCaptions(state.resultCaptions);
    seriesApplied_ = state.seriesApplied;
}

void MainWindow::TakeStep(const QString& actionName, FormState after) {
    FormState before = State();
    if (before == after) return;
    undoStack_->push(
        new StateStep<FormState>(actionName, std::move(before), std::move(after),
                                 [this](const FormState& state) { ApplyState(state); }));
}

void MainWindow::SetResultCaptions(const std::array<QString, 4>& captions) {
    resultCaptions_ = captions;
    for (std::size_t k = 0; k < captions.size(); ++k) {
        resultLabels_[k]->SetValue(captions[k], decimalSeparator_);
    }
}

QLineEdit& MainWindow::Box(Field field) const {
    return *boxes_[TextBoxNumber(field) - 1];
}

void MainWindow::BuildMenuBar() {
    std::array<QMenu*, 4> menus{};
    for (const Form1MenuItem& item : Form1MenuItems()) {
        QMenu*& menu = menus[static_cast<std::size_t>(item.menu)];
        if (menu == nullptr) menu = new QMenu(ToQString(MenuTitle(item.menu)), this);
        const QString text = ToQString(item.text);
        QAction* action = nullptr;
        switch (item.kind) {
            case MenuItemKind::Command:
                action = menu->addAction(text);
                connect(action, &QAction::triggered, this, item.slot);
                break;
            case MenuItemKind::Separator:
                menu->addSeparator();
                break;
            case MenuItemKind::RecentFiles: {
                QMenu* recent = menu->addMenu(text);
                const auto list = [this, recent] {
                    recent->clear();
                    const QStringList& paths = recentFiles_->Paths();
                    for (int k = 0; k < paths.size(); ++k) {
                        QString shown = QDir::toNativeSeparators(paths[k]);
                        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
                        QAction* open =
                            recent->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(shown));
                        connect(open, &QAction::triggered, this,
                                [this, path = paths[k]] { document_->OpenPath(path); });
                    }
                    recent->addSeparator();
                    QAction* clear = recent->addAction(QStringLiteral("S&vuota elenco"));
                    clear->setEnabled(!paths.isEmpty());
                    connect(clear, &QAction::triggered, recentFiles_, &RecentFiles::Clear);
                };
                list();
                connect(recentFiles_, &RecentFiles::changed, recent, list);
                break;
            }
            case MenuItemKind::Undo:
                action = undoStack_->createUndoAction(menu, text);
                menu->addAction(action);
                break;
            case MenuItemKind::Redo:
                action = undoStack_->createRedoAction(menu, text);
                menu->addAction(action);
                break;
        }
        if (action != nullptr) action->setShortcuts(ShortcutKeys(item.shortcut));
    }
    // The menus take their places on the bar in the order of the menus, not of the items.
    for (QMenu* menu : menus) {
        if (menu != nullptr) menuBar()->addMenu(menu);
    }
}

}  // namespace amp::ui
