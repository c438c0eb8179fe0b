#pragma once

#include <QDate>
#include <QString>
#include <functional>

#include "ui/message_box.h"
#include "ui/plot/save_dialogs.h"
#include "ui/report/report_page.h"

class QIODevice;
class QPrinter;
class QWidget;

namespace amp::ui {

// Asks which printer to print on, with its page and margins; returns whether to print. The
// program asks through the print dialog; tests answer at once.
using PrinterChooser = std::function<bool(QWidget* parent, QPrinter& printer)>;

// Shows the page that paint draws on the printer, until the user closes the preview or prints
// from it. The program shows the print preview dialog; tests call paint themselves.
using PrintPreviewer = std::function<void(QWidget* parent, QPrinter& printer,
                                          const std::function<void(QPrinter&)>& paint)>;

// The toolkit's print dialog.
bool AskPrinter(QWidget* parent, QPrinter& printer);

// The toolkit's print preview dialog, which prints through its own print dialog.
void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter&)>& paint);

// How the report asks the user beyond the menu: where to save, which printer, the preview, and
// the message box of a failure.
struct ReportDialogs {
    MessageSink showMessage = ShowModalMessage;
    SaveFileChooser chooseSaveFile = AskSaveFileName;
    PrinterChooser choosePrinter = AskPrinter;
    PrintPreviewer showPreview = ShowPrintPreview;
};

// The path the file dialog suggests for the report: in the user's documents folder, named after
// the design's file, or "relazione" while it has none, and the date:
// "amplificatore-2026-12-09.pdf".
QString SuggestedReportPath(const QString& designFileName, const QDate& date);

// The page as a PDF of one A4 portrait page with 15 mm margins, its fonts embedded.
bool WriteReportPdf(const ReportPage& page, QIODevice& file);

// "Esporta relazione PDF...": asks where to save the report, writes it there as PDF, or shows
// why it could not. A pool shares the sweeps among its threads.
void ExportReportPdf(QWidget* parent, const ReportSource& source, const ReportDialogs& dialogs,
                     SweepPool* pool = nullptr);

// "Stampa...": asks for the printer, A4 portrait with 15 mm margins unless the user chooses
// otherwise, and prints the report on its page within its margins.
void PrintReport(QWidget* parent, const ReportSource& source, const ReportDialogs& dialogs,
                 SweepPool* pool = nullptr);

// "Anteprima di stampa...": shows the page as "Stampa..." prints it.
void PreviewReport(QWidget* parent, const ReportSource& source, const ReportDialogs& dialogs,
                   SweepPool* pool = nullptr);

}  // namespace amp::ui
