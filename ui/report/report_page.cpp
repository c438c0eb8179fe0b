#include "ui/report/report_page.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "core/checks/messages.h"
#include "generated/version.h"
#include "ui/qt_text.h"
#include "ui/report/page_canvas.h"
#include "ui/report/report_parts.h"
#include "ui/schematic/amplifier_schematic.h"

namespace amp::ui {
namespace {

constexpr double kTitlePoints = 15;
constexpr qreal kPartGapMillimetres = 4;
constexpr qreal kColumnGap = 12;
// The schematic takes what room the page leaves, from the full width down to this share of it;
// below that the whole page is drawn smaller instead.
constexpr qreal kSmallestSchematicShare = 0.6;

QString DesignName(const QString& designFileName) {
    if (designFileName.isEmpty()) return QStringLiteral("progetto senza nome");
    return QFileInfo(designFileName).fileName();
}

QString ItalianDate(const QDate& date) {
    return QLocale(QLocale::Italian, QLocale::Italy).toString(date, QStringLiteral("d MMMM yyyy"));
}

// The title with the date beside it, and the design's name with the program's version.
PagePart HeaderPart(const PageCanvas& canvas, qreal width, const ReportSource& source) {
    const QFont titleFont = ReportFont(kTitlePoints, true);
    const QFont body = ReportFont(kBodyPoints, false);
    const QFont bold = ReportFont(kBodyPoints, true);
    const QString date = ItalianDate(source.date);
    const QString program = ToQString(kApplicationTitle) + QStringLiteral(" " AMP_VERSION);
    const QString key = QStringLiteral("Progetto:");
    const QString name = DesignName(source.designFileName);

    const QFontMetricsF bodyMetrics(body);
    const qreal titleHeight = QFontMetricsF(titleFont).height();
    const qreal keyWidth = QFontMetricsF(bold).horizontalAdvance(key) + kColumnGap / 2;
    const qreal programWidth = bodyMetrics.horizontalAdvance(program);
    // A file name can be long and have no blanks: it wraps anywhere.
    const int nameFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
    const qreal nameWidth = width - keyWidth - programWidth - kColumnGap;
    const qreal nameHeight = PageCanvas::TextHeight(body, nameWidth, nameFlags, name);
    const qreal ruleGap = canvas.Millimetres(1.5);
    return {titleHeight + nameHeight + 2 * ruleGap, [=, &canvas](qreal top) {
                const int titleRow = Qt::AlignBottom | Qt::TextSingleLine;
                canvas.DrawText(QRectF(0, top, width, titleHeight), Qt::AlignLeft | titleRow,
                                titleFont, kReportTitle);
                canvas.DrawText(QRectF(0, top, width, titleHeight), Qt::AlignRight | titleRow, body,
                                date);
                const qreal nameTop = top + titleHeight;
                canvas.DrawText(QRectF(0, nameTop, keyWidth, nameHeight),
                                Qt::AlignLeft | Qt::AlignTop, bold, key);
                canvas.DrawText(QRectF(keyWidth, nameTop, nameWidth, nameHeight), nameFlags, body,
                                name);
                canvas.DrawText(QRectF(width - programWidth, nameTop, programWidth, nameHeight),
                                Qt::AlignRight | Qt::AlignTop, body, program);
                const qreal ruleY = nameTop + nameHeight + ruleGap;
                canvas.Painter().setPen(QPen(Qt::black, 0.75));
                canvas.Painter().drawLine(QPointF(0, ruleY), QPointF(width, ruleY));
            }};
}

// Form1's schematic, as large as the height allows up to the full width, centred.
PagePart SchematicPart(const PageCanvas& canvas, qreal width, qreal height) {
    const QRectF bounds = kAmplifierSchematicBounds;
    const qreal drawingHeight = height - HeadingHeight();
    const qreal scale = std::min(width / bounds.width(), drawingHeight / bounds.height());
    return {HeadingHeight() + bounds.height() * scale, [=, &canvas](qreal top) {
                DrawHeading(canvas, top, width, QStringLiteral("Schema del circuito"));
                QPainter& painter = canvas.Painter();
                painter.save();
                painter.translate((width - bounds.width() * scale) / 2, top + HeadingHeight());
                painter.scale(scale, scale);
                painter.translate(-bounds.topLeft());
                PaintAmplifierSchematic(painter, 1 / (canvas.DevicePixelsPerUnit() * scale));
                painter.restore();
            }};
}

PagePart SeriesPart(const PageCanvas& canvas, qreal width, const QString& series) {
    const QString text = QStringLiteral("Valori commerciali applicati: ") + series;
    return {MessageHeight(width, text), [=, &canvas](qreal top) {
                DrawMessage(canvas, QRectF(0, top, width, MessageHeight(width, text)), text);
            }};
}

qreal TotalHeight(const std::vector<PagePart>& parts, qreal gap) {
    qreal height = 0;
    for (const PagePart& part : parts) height += part.height;
    return height + gap * static_cast<qreal>(parts.size() - 1);
}

}  // namespace

ReportPage PrepareReportPage(ReportSource source, SweepPool* pool) {
    DesignReport design = ComputeDesignReport(source.texts, source.selectedRange,
                                              source.decimalSeparator, pool, source.noise);
    return {std::move(source), std::move(design)};
}

bool PaintReportPage(QPagedPaintDevice& device, const ReportPage& page) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const PageCanvas canvas(painter, device.logicalDpiY());
    const qreal width = device.width() / canvas.DevicePixelsPerUnit();
    const qreal height = device.height() / canvas.DevicePixelsPerUnit();
    const qreal gap = canvas.Millimetres(kPartGapMillimetres);
    const ReportSource& source = page.source;

    std::vector<PagePart> parts{HeaderPart(canvas, width, source)};
    const std::size_t schematicIndex = parts.size();
    parts.push_back({});
    parts.push_back(
        DataPart(canvas, width, source.texts, page.design.results, source.decimalSeparator));
    if (page.design.noise) {
        parts.push_back(NoisePart(canvas, width, *page.design.noise, source.decimalSeparator));
    }
    if (!source.seriesApplied.isEmpty()) {
        parts.push_back(SeriesPart(canvas, width, source.seriesApplied));
    }
    parts.push_back(GraphPart(canvas, width, page.design.rangeIndex, page.design.plot,
                              source.decimalSeparator));

    const qreal smallestSchematic = HeadingHeight() + kSmallestSchematicShare * width /
                                                          kAmplifierSchematicBounds.width() *
                                                          kAmplifierSchematicBounds.height();
    const qreal room = height - TotalHeight(parts, gap);
    parts[schematicIndex] = SchematicPart(canvas, width, std::max(room, smallestSchematic));

    // Texts of any length stay whole: a page they overfill is drawn smaller as a whole.
    const qreal total = TotalHeight(parts, gap);
    if (total > height) painter.scale(height / total, height / total);
    qreal top = 0;
    for (const PagePart& part : parts) {
        part.paint(top);
        top += part.height + gap;
    }
    return painter.end();
}

}  // namespace amp::ui
