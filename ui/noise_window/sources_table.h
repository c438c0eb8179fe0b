#pragma once

#include <QTableWidget>
#include <vector>

#include "graph/noise_report.h"

namespace amp::ui {

// Grid1 of FormRumore: the thirteen noise sources with their rms over the band and their share of
// the noise power, the largest first; a click on a column's header sorts by that column, numbers
// by their values.
class SourcesTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit SourcesTable(QWidget* parent);

    // Shows the rows, sorted by their rms, the largest first.
    void ShowRows(const std::vector<NoiseSourceRow>& rows);
    void Clear();
};

}  // namespace amp::ui
