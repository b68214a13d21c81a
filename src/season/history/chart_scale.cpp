#include "season/history/chart_scale.h"

#include <algorithm>
#include <cmath>

namespace zelvano {

namespace {

constexpr int kMostTicks = 8;

}  // namespace

double roundStep(double span, int pieces, double smallest) {
    if (!(span > 0) || pieces < 1) return smallest;
    const double least = span / pieces;
    double power = std::pow(10.0, std::floor(std::log10(least)));
    for (;;) {
        for (const double times : {1.0, 2.0, 5.0}) {
            const double step = times * power;
            // A hair below, so that a span of exactly eight steps takes eight and not sixteen.
            if (step >= smallest && step >= least * (1 - 1e-9)) return step;
        }
        power *= 10;
    }
}

ChartScale yearScale(Counter first, Counter last) {
    last = std::max(last, first);
    ChartScale scale;
    scale.step = roundStep(static_cast<double>(last - first), kMostTicks, 1.0);
    // Half a step each side, but no further back than half a year before the first season: a
    // long history does not begin with an empty century.
    const double half = scale.step / 2;
    scale.low = std::min(std::max(static_cast<double>(first) - half, 0.5),
                         static_cast<double>(first) - 0.5);
    scale.high = static_cast<double>(last) + half;
    return scale;
}

ChartScale averageScale(double lowest, double highest) {
    if (lowest > highest) {
        lowest = 0.0;
        highest = 1.0;
    }
    // Four to eight steps, .005 apart at the finest: one season's averages, a few thousandths
    // apart, still show a scale to read them against.
    const double spread = highest - lowest;
    const double step = roundStep(std::max(spread, 0.02), kMostTicks / 2, 0.005);
    ChartScale scale;
    scale.step = step;
    // A hair of slack, so that .24 / .02 = 11.999... still counts as twelve steps.
    scale.low = std::max(0.0, std::floor((lowest - step / 2) / step + 1e-9) * step);
    scale.high = std::min(1.0, std::ceil((highest + step / 2) / step - 1e-9) * step);
    while ((scale.high - scale.low) / step < 4 - 1e-9 && (scale.low > 0 || scale.high < 1)) {
        scale.low = std::max(0.0, scale.low - step);
        scale.high = std::min(1.0, scale.high + step);
    }
    return scale;
}

}  // namespace zelvano
