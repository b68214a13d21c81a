#pragma once
// Where the history's charts put their ticks: on round steps (1, 2, 5, 10, 20, 50, ...) so that
// every label reads as a figure a player would say, few enough that none is cut short, and with
// half a step to spare at each end so that a point never sits on an axis.
//
//   const ChartScale years = yearScale(1, 1000);   // ticks at 200, 400, ... 1000
//   axis->setRange(years.low, years.high);
//   axis->setTickInterval(years.step);              // anchored at 0

#include "league/league.h"

namespace zelvano {

struct ChartScale {
    double low = 0;
    double high = 1;
    double step = 1;  // ticks at every multiple of it between low and high
};

// The years axis from the first to the last season shown: whole years, no more than eight
// labels, never before year 1 less half a year.
ChartScale yearScale(Counter first, Counter last);

// The averages axis for averages between `lowest` and `highest`, within 0 and 1.
ChartScale averageScale(double lowest, double highest);

// The smallest round step (1, 2 or 5 times a power of ten, no smaller than `smallest`) that
// cuts `span` into at most `pieces`.
double roundStep(double span, int pieces, double smallest);

}  // namespace zelvano
