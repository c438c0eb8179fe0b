#include "ui/report/report_outputs.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "core/checks/messages.h"
#include "ui/files/safe_write.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

// A good printer's resolution, to whose columns the curves are reduced. The writer's own
// 1200 dpi doubles the vertices of a long sweep, and the time to compress them, for a line no
// eye can tell apart on paper.
constexpr int kPdfDotsPerInch = 600;

QPageLayout ReportPageLayout() {
    constexpr qreal kMarginMillimetres = 15;
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
}

// A printer for the report, A4 portrait with 15 mm margins until the user chooses otherwise.
void PrepareReportPrinter(QPrinter& printer) {
    printer.setPageLayout(ReportPageLayout());
    printer.setDocName(kReportTitle);
    printer.setCreator(ToQString(kApplicationTitle));
}

}  // namespace

bool AskPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa relazione"));
    return dialog.exec() == QDialog::Accepted;
}

void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("AnteprimaRelazione"));
    dialog.setWindowTitle(QStringLiteral("Anteprima di stampa - relazione di progetto"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

QString SuggestedReportPath(const QString& designFileName, const QDate& date) {
    const QString stem = designFileName.isEmpty() ? QStringLiteral("relazione")
                                                  : QFileInfo(designFileName).completeBaseName();
    const QString name = stem + QLatin1Char('-') + date.toString(Qt::ISODate) + ".pdf";
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name);
}

bool WriteReportPdf(const ReportPage& page, QIODevice& file) {
    QPdfWriter pdf(&file);
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setPageLayout(ReportPageLayout());
    pdf.setTitle(kReportTitle);
    pdf.setCreator(ToQString(kApplicationTitle));
    return PaintReportPage(pdf, page);
}

void ExportReportPdf(QWidget* parent, const ReportSource& source, const ReportDialogs& dialogs,
                     SweepPool* pool) {
    const QString path = dialogs.chooseSaveFile(
        parent, QStringLiteral("Esporta relazione PDF"),
        SuggestedReportPath(source.designFileName, source.date), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    const ReportPage page = PrepareReportPage(source, pool);
    if (!WriteFileSafely(path, [&page](QIODevice& file) { return WriteReportPdf(page, file); })) {
        dialogs.showMessage(parent, FileNotSavedMessage(path));
    }
}

void PrintReport(QWidget* parent, const ReportSource& source, const ReportDialogs& dialogs,
                 SweepPool* pool) {
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    if (!dialogs.choosePrinter(parent, printer)) return;
    if (!PaintReportPage(printer, PrepareReportPage(source, pool))) {
        dialogs.showMessage(parent, ToQString(message::kReportNotPrinted));
    }
}

void PreviewReport(QWidget* parent, const ReportSource& source, const ReportDialogs& dialogs,
                   SweepPool* pool) {
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    const ReportPage page = PrepareReportPage(source, pool);
    dialogs.showPreview(parent, printer, [&](QPrinter& target) {
        if (!PaintReportPage(target, page)) {
            dialogs.showMessage(parent, ToQString(message::kReportNotPrinted));
        }
    });
}

}  // namespace amp::ui
