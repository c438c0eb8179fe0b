#include "ui/noise_window/sources_table.h"

#include <QHeaderView>

#include "ui/fonts.h"
#include "ui/qt_text.h"

namespace amp::ui {
namespace {

enum Column { kName, kRms, kShare };

// A cell that shows a caption and sorts by the value behind it, not by its text.
class NumberItem : public QTableWidgetItem {
  public:
    NumberItem(const std::string& caption, double value)
        : QTableWidgetItem(ToQString(caption)), value_(value) {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    bool operator<(const QTableWidgetItem& other) const override {
        return value_ < static_cast<const NumberItem&>(other).value_;
    }

  private:
    double value_;
};

}  // namespace

SourcesTable::SourcesTable(QWidget* parent) : QTableWidget(0, 3, parent) {
    setObjectName(QStringLiteral("Grid1"));
    setAccessibleName(QStringLiteral("Sorgenti di rumore"));
    setFont(WindowDefaultFont());
    QStringList headers;
    for (std::string_view column : kNoiseSourceColumns) headers << ToQString(column);
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(kRms, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(kShare, QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setSortingEnabled(true);
    sortByColumn(kRms, Qt::DescendingOrder);
}

void SourcesTable::ShowRows(const std::vector<NoiseSourceRow>& rows) {
    // Rows are filled unsorted, then sorted once.
    setSortingEnabled(false);
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const NoiseSourceRow& row = rows[static_cast<std::size_t>(r)];
        setItem(r, kName, new QTableWidgetItem(ToQString(row.name)));
        setItem(r, kRms, new NumberItem(row.rms, row.rmsMicrovolts));
        setItem(r, kShare, new NumberItem(row.share, row.sharePercent));
    }
    setSortingEnabled(true);
    sortByColumn(kRms, Qt::DescendingOrder);
}

void SourcesTable::Clear() {
    setRowCount(0);
}

}  // namespace amp::ui
