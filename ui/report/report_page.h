#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <string>

#include "core/checks/field.h"
#include "core/noise/noise_settings.h"
#include "graph/design_report.h"

class QPagedPaintDevice;

namespace amp {
class SweepPool;
}

namespace amp::ui {

// The report's title, on its page and in the PDF's properties.
inline const QString kReportTitle = QStringLiteral("Amplificatore audio - relazione di progetto");

// What a design report is made from, as the program holds it when the report is asked for.
struct ReportSource {
    // Text1 ... Text21 as they are.
    FieldTexts texts;
    // Form1's range option; the report draws range 6 when none is selected.
    std::optional<int> selectedRange;
    // The design's file; empty while it has none ("progetto senza nome").
    QString designFileName;
    // The series "Valori commerciali" applied since the design was opened, such as
    // "E24 (resistori), E12 (condensatori)"; empty when it has not been applied.
    QString seriesApplied;
    // The design's noise settings, when it has them: the report then gives its noise figures.
    std::optional<NoiseTexts> noise;
    // The date the report bears.
    QDate date;
    // The locale's, with which the windows write their captions.
    std::string decimalSeparator = ".";
};

// One page of a design report: its source and what was computed from it, once for every output.
struct ReportPage {
    ReportSource source;
    DesignReport design;
};

// Evaluates and plots the source's texts as "Calcola" and "Grafico di Vo/Vi" would, and analyses
// their noise as the noise window's "Calcola" would. A pool shares the sweeps among its threads.
ReportPage PrepareReportPage(ReportSource source, SweepPool* pool = nullptr);

// Paints the page into the device's page, within its margins: title, schematic, the table of the
// boxes, the evaluation's results, the noise figures, the series applied, the graph. Returns false
// when the device cannot be painted on.
bool PaintReportPage(QPagedPaintDevice& device, const ReportPage& page);

}  // namespace amp::ui
