#include "windows/history_charts.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "windows/fonts.h"

namespace zelvano {

namespace {

// The team colours of the scoreboard's marks, darkened enough to read as lines on white.
const QColor kLineColours[] = {QColor(200, 0, 120), QColor(0, 110, 170), QColor(40, 140, 40)};

}  // namespace

QChartView* makeAverageChart(QWidget* parent, const QString& name) {
    auto* chart = new QChart;  // owned by the view
    chart->setBackgroundRoundness(0);
    chart->setTitleFont(windowFont(FontFace::Gothic, 10.5, true));
    chart->legend()->setFont(windowFont(FontFace::Gothic, 9.0));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);  // owned by its parent
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    // Reached with Tab like every other control, so that its page reads without a mouse.
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumHeight(200);
    return view;
}

void showAverages(QChartView& view, const QString& title, const QStringList& names,
                  const std::vector<std::vector<ChartPoint>>& series) {
    QChart& chart = *view.chart();
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;  // the chart gives it up with removeAxis
    }
    chart.setTitle(title);
    // One line needs no legend: the title names it.
    chart.legend()->setVisible(series.size() > 1);
    auto* years = new QValueAxis;
    auto* averages = new QValueAxis;
    years->setLabelFormat(QStringLiteral("%d"));
    years->setTitleText(QStringLiteral("年度"));
    averages->setLabelFormat(QStringLiteral("%.3f"));
    averages->setTitleText(QStringLiteral("打率"));
    for (QValueAxis* axis : {years, averages}) {
        axis->setLabelsFont(windowFont(FontFace::Gothic, 9.0));
        axis->setTitleFont(windowFont(FontFace::Gothic, 9.0));
    }
    chart.addAxis(years, Qt::AlignBottom);
    chart.addAxis(averages, Qt::AlignLeft);
    double low = 1.0, high = 0.0;
    Counter first = 0, last = 0;
    bool any = false;
    for (std::size_t at = 0; at < series.size(); ++at) {
        auto* line = new QLineSeries;  // owned by the chart once added
        line->setName(at < static_cast<std::size_t>(names.size())
                          ? names[static_cast<qsizetype>(at)]
                          : QString());
        QPen pen(kLineColours[at % std::size(kLineColours)]);
        pen.setWidthF(2.0);
        line->setPen(pen);
        line->setPointsVisible(series[at].size() < 60);
        for (const auto& [year, average] : series[at]) {
            line->append(static_cast<double>(year), average);
            low = std::min(low, average);
            high = std::max(high, average);
            first = any ? std::min(first, year) : year;
            last = any ? std::max(last, year) : year;
            any = true;
        }
        chart.addSeries(line);
        line->attachAxis(years);
        line->attachAxis(averages);
    }
    if (!any) {
        low = 0.0;
        high = 1.0;
    }
    years->setRange(first, std::max(last, first + 1));
    // Whole years, no more than about eight labels, so that none is cut short.
    years->setTickType(QValueAxis::TicksDynamic);
    years->setTickAnchor(first);
    years->setTickInterval(std::max<Counter>(1, (last - first + 7) / 8));
    // Averages on round steps (.020, .050, .100 or .200 apart), so every label reads as a
    // figure a player would say.
    const double margin = std::max(0.01, (high - low) * 0.1);
    const double span = (high - low) + 2 * margin;
    const double step = span > 0.5 ? 0.2 : span > 0.25 ? 0.1 : span > 0.1 ? 0.05 : 0.02;
    const double bottom = std::max(0.0, std::floor((low - margin) / step) * step);
    const double top = std::min(1.0, std::ceil((high + margin) / step) * step);
    averages->setRange(bottom, top);
    averages->setTickType(QValueAxis::TicksDynamic);
    averages->setTickAnchor(0.0);
    averages->setTickInterval(step);
}

}  // namespace zelvano
