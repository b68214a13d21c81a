#pragma once
// The history window's charts: averages year by year, drawn with Qt Charts in the game's fonts,
// readable at any pixel density and reachable from the keyboard.

#include <QString>
#include <QStringList>
#include <vector>

#include "platform/history_view.h"

class QChartView;
class QWidget;

namespace zelvano {

// A chart view of its own, with objectName `name`, that takes the focus from the keyboard.
QChartView* makeAverageChart(QWidget* parent, const QString& name);

// Replaces the chart's lines: one series a name, years along the bottom, averages up the side.
void showAverages(QChartView& view, const QString& title, const QStringList& names,
                  const std::vector<std::vector<ChartPoint>>& series);

}  // namespace zelvano
