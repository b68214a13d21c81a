#include "windows/history_charts.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QRegularExpression>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "season/history/chart_scale.h"
#include "windows/fonts.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

// The team colours of the scoreboard's marks, darkened enough to read as lines on white.
const QColor kLineColours[] = {QColor(200, 0, 120), QColor(0, 110, 170), QColor(40, 140, 40)};

// What ends one sentence of a description and begins the next.
QString sentenceEnd() {
    // Translators: between two sentences a screen reader speaks.
    return uiTextIn("between sentences", "。");
}

QString averageText(double average) {
    return QString::number(average, 'f', 3).remove(QRegularExpression(QStringLiteral("^0")));
}

// What a screen reader says of a chart it cannot see: each line's years, its best and its worst.
QString spokenSummary(const QStringList& names,
                      const std::vector<std::vector<ChartPoint>>& series) {
    QStringList parts;
    for (std::size_t at = 0; at < series.size(); ++at) {
        const auto& points = series[at];
        const QString name = at < static_cast<std::size_t>(names.size())
                                 ? names[static_cast<qsizetype>(at)]
                                 : QString();
        if (points.empty()) {
            parts << uiFillIn(uiText("{1}：記録がありません"), {name});
            continue;
        }
        const auto [lowest, highest] = std::minmax_element(
            points.begin(), points.end(),
            [](const ChartPoint& a, const ChartPoint& b) { return a.second < b.second; });
        // Translators: {1} a line's name, {2} and {3} its first and last year, {4} its number of
        // seasons, {5} its best average in year {6}, {7} its worst in year {8}.
        const char* summary = text::translatedCount(
            "{1}：{2}年目から{3}年目までの{4}シーズン、最高{5}（{6}年目）、最低{7}（{8}年目）",
            "{1}：{2}年目から{3}年目までの{4}シーズン、最高{5}（{6}年目）、最低{7}（{8}年目）",
            points.size());
        parts << uiFillIn(QString::fromUtf8(summary),
                          {name, QString::number(points.front().first),
                           QString::number(points.back().first), QString::number(points.size()),
                           averageText(highest->second), QString::number(highest->first),
                           averageText(lowest->second), QString::number(lowest->first)});
    }
    return parts.isEmpty() ? uiText("記録がありません") : parts.join(sentenceEnd());
}

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
    // A chart draws no focus of its own: a frame in the highlight colour shows where Tab is.
    view->setStyleSheet(
        QStringLiteral("QGraphicsView { border: 2px solid transparent; }"
                       "QGraphicsView:focus { border: 2px solid palette(highlight); }"));
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
    years->setTitleText(uiTextIn("chart axis", "年度"));
    averages->setLabelFormat(QStringLiteral("%.3f"));
    averages->setTitleText(uiTextIn("chart axis", "打率"));
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
    // Round years and round averages at any length of history, and no point on an axis.
    const ChartScale yearAxis = yearScale(first, last);
    years->setRange(yearAxis.low, yearAxis.high);
    years->setTickType(QValueAxis::TicksDynamic);
    years->setTickAnchor(0.0);
    years->setTickInterval(yearAxis.step);
    const ChartScale averageAxis = any ? averageScale(low, high) : averageScale(0.0, 1.0);
    averages->setRange(averageAxis.low, averageAxis.high);
    averages->setTickType(QValueAxis::TicksDynamic);
    averages->setTickAnchor(0.0);
    averages->setTickInterval(averageAxis.step);
    view.setAccessibleDescription(title + sentenceEnd() + spokenSummary(names, series));
}

}  // namespace zelvano
