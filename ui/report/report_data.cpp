#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "graph/design_report.h"
#include "graph/noise_report.h"
#include "ui/fonts.h"
#include "ui/forms/caption_fit.h"
#include "ui/forms/value_label.h"
#include "ui/qt_text.h"
#include "ui/report/page_canvas.h"
#include "ui/report/report_parts.h"

namespace amp::ui {
namespace {

const QColor kRuleColour(160, 160, 160);
const QColor kRowRuleColour(225, 225, 225);
constexpr qreal kCellPadding = 4;
constexpr qreal kRowPadding = 1.5;
constexpr qreal kColumnCount = 3;

// A name, a text and a unit on one row of a column.
struct RowTexts {
    QString name;
    QString text;
    QString unit;
};

// A text as a cell shows it: whole, in the body font or smaller down to 6 point; a caption then
// in the form "6.96E+29"; anything still too wide wraps onto as many lines as it needs.
struct CellText {
    QString shown;
    QFont font;
    int flags = 0;
    qreal height = 0;
};

CellText FitCell(const QString& text, qreal width, qreal lineHeight, int alignment,
                 std::optional<std::string_view> captionSeparator) {
    const QFont body = ReportFont(kBodyPoints, false);
    const QRect area(0, 0, static_cast<int>(width), static_cast<int>(lineHeight));
    CellText cell{text, body, alignment | Qt::AlignVCenter, lineHeight};
    if (captionSeparator) {
        const FittedValue fitted = FitValue(body, text, area, cell.flags, *captionSeparator);
        cell.shown = fitted.shown;
        cell.font = fitted.font;
    } else {
        cell.font = FontFittingArea(body, text, area, cell.flags);
    }
    if (CaptionFits(cell.font, cell.shown, area, cell.flags)) return cell;
    cell.flags = alignment | Qt::AlignTop | Qt::TextWrapAnywhere;
    cell.height =
        PageCanvas::TextHeight(cell.font, width, cell.flags, cell.shown) + 2 * kRowPadding;
    return cell;
}

// One row of a column, measured before it is painted.
struct Row {
    qreal height = 0;
    std::function<void(const PageCanvas& canvas, QPointF topLeft)> paint;
};

qreal LineHeight() {
    return QFontMetricsF(ReportFont(kBodyPoints, false)).height() + 2 * kRowPadding;
}

void DrawRule(const PageCanvas& canvas, QPointF from, qreal width, const QColor& colour) {
    QPainter& painter = canvas.Painter();
    painter.setPen(QPen(colour, 0.5));
    painter.drawLine(from, from + QPointF(width, 0));
}

Row HeadingRow(const QString& text, qreal width) {
    const QFont font = ReportFont(kBodyPoints, true);
    const qreal height =
        PageCanvas::TextHeight(font, width, Qt::TextWordWrap, text) + 2 * kRowPadding;
    return {height, [=](const PageCanvas& canvas, QPointF topLeft) {
                canvas.DrawText(QRectF(topLeft + QPointF(kCellPadding, kRowPadding),
                                       QSizeF(width - 2 * kCellPadding, height)),
                                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, font, text);
                DrawRule(canvas, topLeft + QPointF(0, height), width, kRuleColour);
            }};
}

// The widths of a column's name and unit cells: those of its widest name and unit.
struct ColumnWidths {
    qreal name = 0;
    qreal unit = 0;
};

ColumnWidths WidthsOf(const std::vector<RowTexts>& rows) {
    const QFontMetricsF names(ReportFont(kBodyPoints, true));
    const QFontMetricsF units(ReportFont(kBodyPoints, false));
    ColumnWidths widths;
    for (const RowTexts& row : rows) {
        widths.name = std::max(widths.name, names.horizontalAdvance(row.name));
        widths.unit = std::max(widths.unit, units.horizontalAdvance(row.unit));
    }
    widths.name += 2 * kCellPadding;
    widths.unit += 2 * kCellPadding;
    return widths;
}

Row ValueRow(const RowTexts& texts, qreal width, ColumnWidths widths, int alignment,
             std::optional<std::string_view> captionSeparator) {
    const qreal textWidth = width - widths.name - widths.unit - 2 * kCellPadding;
    const CellText cell = FitCell(texts.text, textWidth, LineHeight(), alignment, captionSeparator);
    return {cell.height, [=](const PageCanvas& canvas, QPointF topLeft) {
                const qreal lineHeight = LineHeight();
                const int nameFlags = Qt::AlignLeft | Qt::AlignVCenter;
                canvas.DrawText(
                    QRectF(topLeft.x() + kCellPadding, topLeft.y(), widths.name, lineHeight),
                    nameFlags, ReportFont(kBodyPoints, true), texts.name);
                const qreal textLeft = topLeft.x() + widths.name + kCellPadding;
                // A wrapped text fills the row; a single line sits in the middle of one.
                const QRectF textRect = cell.flags & Qt::TextWrapAnywhere
                                            ? QRectF(textLeft, topLeft.y() + kRowPadding, textWidth,
                                                     cell.height - 2 * kRowPadding)
                                            : QRectF(textLeft, topLeft.y(), textWidth, lineHeight);
                canvas.DrawText(textRect, cell.flags, cell.font, cell.shown);
                canvas.DrawText(QRectF(textLeft + textWidth + kCellPadding, topLeft.y(),
                                       widths.unit, lineHeight),
                                nameFlags, ReportFont(kBodyPoints, false), texts.unit);
                DrawRule(canvas, topLeft + QPointF(0, cell.height), width, kRowRuleColour);
            }};
}

std::vector<RowTexts> FieldRows(std::span<const Field> fields, const FieldTexts& texts) {
    std::vector<RowTexts> rows;
    for (const Field field : fields) {
        rows.push_back(
            {ToQString(FieldSymbol(field)), ToQString(texts[field]), ToQString(FieldUnit(field))});
    }
    return rows;
}

// The names and units beside Form1's result labels.
std::vector<RowTexts> ResultRows(const EvaluationCaptions& captions) {
    return {
        {QStringLiteral("|Vo/Vi|"), ToQString(captions.modulus), {}},
        {QStringLiteral("Fase"), ToQString(captions.phase), QString::fromUtf8("[°]")},
        {QStringLiteral("fi effettiva"), ToQString(captions.lowerCutoff), QStringLiteral("[Hz]")},
        {QStringLiteral("fs effettiva"), ToQString(captions.upperCutoff), QStringLiteral("[Hz]")},
    };
}

Row MessageRow(const QString& message, qreal width) {
    const qreal textWidth = width - 2 * kCellPadding;
    const qreal height = MessageHeight(textWidth, message) + 2 * kRowPadding;
    return {height, [=](const PageCanvas& canvas, QPointF topLeft) {
                DrawMessage(
                    canvas,
                    QRectF(topLeft + QPointF(kCellPadding, kRowPadding), QSizeF(textWidth, height)),
                    message);
            }};
}

using Column = std::vector<Row>;

void AppendValueRows(Column& column, const std::vector<RowTexts>& rows, qreal width,
                     ColumnWidths widths, int alignment,
                     std::optional<std::string_view> captionSeparator) {
    for (const RowTexts& row : rows) {
        column.push_back(ValueRow(row, width, widths, alignment, captionSeparator));
    }
}

qreal HeightOf(const Column& column) {
    qreal height = 0;
    for (const Row& row : column) height += row.height;
    return height;
}

// The columns side by side, each as wide as the width shared among them, from the top.
void PaintColumns(const PageCanvas& canvas, const std::vector<Column>& columns, qreal columnWidth,
                  qreal top) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
        QPointF topLeft(static_cast<qreal>(c) * columnWidth, top);
        for (const Row& row : columns[c]) {
            row.paint(canvas, topLeft);
            topLeft.ry() += row.height;
        }
    }
}

qreal TallestOf(const std::vector<Column>& columns) {
    qreal height = 0;
    for (const Column& column : columns) height = std::max(height, HeightOf(column));
    return height;
}

}  // namespace

QFont ReportFont(double points, bool bold) {
    return DesignFont(kArial, points, bold);
}

qreal HeadingHeight() {
    return QFontMetricsF(ReportFont(kHeadingPoints, true)).height() + kCellPadding;
}

void DrawHeading(const PageCanvas& canvas, qreal top, qreal width, const QString& text) {
    canvas.DrawText(QRectF(0, top, width, HeadingHeight()), Qt::AlignLeft | Qt::AlignTop,
                    ReportFont(kHeadingPoints, true), text);
}

qreal MessageHeight(qreal width, const QString& message) {
    return PageCanvas::TextHeight(ReportFont(kBodyPoints, false), width, Qt::TextWordWrap, message);
}

void DrawMessage(const PageCanvas& canvas, const QRectF& rect, const QString& message) {
    canvas.DrawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                    ReportFont(kBodyPoints, false), message);
}

PagePart DataPart(const PageCanvas& canvas, qreal width, const FieldTexts& texts,
                  const Outcome<EvaluationCaptions>& results, std::string_view decimalSeparator) {
    const qreal columnWidth = width / kColumnCount;
    const auto* captions = std::get_if<EvaluationCaptions>(&results);
    const std::vector<RowTexts> resultRows =
        captions ? ResultRows(*captions) : std::vector<RowTexts>{};
    const auto groups = ReportFieldGroups();
    std::vector<Column> columns;
    for (const ReportFieldGroup& group : groups) {
        const std::vector<RowTexts> fields = FieldRows(group.fields, texts);
        // The results stand under the last group, in its columns of names and units.
        std::vector<RowTexts> named = fields;
        const bool last = &group == &groups.back();
        if (last) named.insert(named.end(), resultRows.begin(), resultRows.end());
        const ColumnWidths widths = WidthsOf(named);

        Column column{HeadingRow(ToQString(group.heading), columnWidth)};
        AppendValueRows(column, fields, columnWidth, widths, Qt::AlignLeft, std::nullopt);
        if (last) {
            column.push_back(
                HeadingRow(QStringLiteral("Risultati della valutazione"), columnWidth));
            if (captions) {
                AppendValueRows(column, resultRows, columnWidth, widths, Qt::AlignRight,
                                decimalSeparator);
            } else {
                column.push_back(
                    MessageRow(ToQString(std::get<Failure>(results).message), columnWidth));
            }
        }
        columns.push_back(std::move(column));
    }
    return {TallestOf(columns), [columns, columnWidth, &canvas](qreal top) {
                PaintColumns(canvas, columns, columnWidth, top);
            }};
}

PagePart NoisePart(const PageCanvas& canvas, qreal width, const DesignNoiseReport& noise,
                   std::string_view decimalSeparator) {
    const Row heading = HeadingRow(QStringLiteral("Rumore e dinamica"), width);
    std::vector<Column> columns;
    qreal columnWidth = width;
    if (const Failure* failure = FailureOf(noise.figures)) {
        columns.push_back({MessageRow(ToQString(failure->message), width)});
    } else {
        std::vector<RowTexts> rows;
        for (const NoiseReportRow& row :
             NoiseReportRows(noise.part, std::get<NoiseFigures>(noise.figures), decimalSeparator)) {
            rows.push_back({ToQString(row.name), ToQString(row.value), ToQString(row.unit)});
        }
        // Two columns, the part and the noise on the left, the ratio and the output on the right.
        constexpr std::ptrdiff_t kLeftRows = 3;
        columnWidth = width / 2;
        for (const auto& half : {std::vector<RowTexts>(rows.begin(), rows.begin() + kLeftRows),
                                 std::vector<RowTexts>(rows.begin() + kLeftRows, rows.end())}) {
            Column column;
            AppendValueRows(column, half, columnWidth, WidthsOf(half), Qt::AlignRight,
                            decimalSeparator);
            columns.push_back(std::move(column));
        }
    }
    return {heading.height + TallestOf(columns),
            [heading, columns, columnWidth, &canvas](qreal top) {
                heading.paint(canvas, QPointF(0, top));
                PaintColumns(canvas, columns, columnWidth, top + heading.height);
            }};
}

}  // namespace amp::ui
