#include "ui/plot/plot_menu.h"

#include <QAction>
#include <QMenu>
#include <vector>

namespace amp::ui {

void ShowPlotMenu(QWidget& area, QPoint at, bool showsPlot,
                  std::initializer_list<PlotMenuEntry> entries) {
    QMenu menu(&area);
    std::vector<const QAction*> actions;
    for (const PlotMenuEntry& entry : entries) {
        QAction* action = menu.addAction(entry.text);
        action->setEnabled(showsPlot);
        actions.push_back(action);
    }
    const QAction* chosen = menu.exec(area.mapToGlobal(at));
    for (std::size_t k = 0; k < actions.size(); ++k) {
        if (chosen == actions[k]) std::data(entries)[k].choose();
    }
}

}  // namespace amp::ui
