#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <initializer_list>

class QWidget;

namespace amp::ui {

// An entry of a plot's context menu and what choosing it does.
struct PlotMenuEntry {
    QString text;
    std::function<void()> choose;
};

// The entries every plot's menu starts with.
inline const QString kSaveImageEntry = QStringLiteral("Salva immagine...");
inline const QString kExportDataEntry = QStringLiteral("Esporta dati...");

// Shows the context menu of a plot area at a point of the area and runs the entry chosen, if
// any. The entries can be chosen only while the area shows a plot: there is nothing to save
// before.
void ShowPlotMenu(QWidget& area, QPoint at, bool showsPlot,
                  std::initializer_list<PlotMenuEntry> entries);

}  // namespace amp::ui
