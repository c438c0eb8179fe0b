#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <string_view>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "core/design/evaluation.h"
#include "graph/design_report.h"
#include "graph/plot.h"

namespace amp::ui {

class PageCanvas;

// A part of the report's page, measured at the text block's width before anything is painted.
struct PagePart {
    qreal height = 0;
    // Paints the part with its top at this height of the text block.
    std::function<void(qreal top)> paint;
};

// The report's fonts, in points: the windows' Arial.
QFont ReportFont(double points, bool bold);
inline constexpr double kBodyPoints = 9;
inline constexpr double kHeadingPoints = 10.5;

// A heading above a part of the page.
qreal HeadingHeight();
void DrawHeading(const PageCanvas& canvas, qreal top, qreal width, const QString& text);

// A message in the place of what could not be computed, wrapped at the width.
qreal MessageHeight(qreal width, const QString& message);
void DrawMessage(const PageCanvas& canvas, const QRectF& rect, const QString& message);

// The boxes' texts in three columns, design data, components, op-amp and evaluation data, each
// field with its symbol and unit; under the last, the evaluation's four captions with their
// names and units, or the message in their place.
PagePart DataPart(const PageCanvas& canvas, qreal width, const FieldTexts& texts,
                  const Outcome<EvaluationCaptions>& results, std::string_view decimalSeparator);

// "Rumore e dinamica": the part, the output noise flat and A-weighted, the signal-to-noise ratio
// and the largest clean output at 1 kHz in two columns, or the message in their place.
PagePart NoisePart(const PageCanvas& canvas, qreal width, const DesignNoiseReport& noise,
                   std::string_view decimalSeparator);

// The graph of the range at the full width, with its legend, or the message in its place.
PagePart GraphPart(const PageCanvas& canvas, qreal width, int rangeIndex, const Outcome<Plot>& plot,
                   std::string_view decimalSeparator);

}  // namespace amp::ui
