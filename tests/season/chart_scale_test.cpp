// The history's charts tick on round figures at any length of history, and leave room so that
// no point sits on an axis.
#include "season/history/chart_scale.h"

#include <gtest/gtest.h>

namespace zelvano {
namespace {

TEST(ChartScale, YearsTickOnRoundYearsWithHalfAStepToSpare) {
    const struct {
        Counter first, last;
        double low, high, step;
    } cases[] = {
        {1, 1, 0.5, 1.5, 1},            // one season: off the axis, its one tick labelled
        {1, 2, 0.5, 2.5, 1},            //
        {1, 9, 0.5, 9.5, 1},            // eight steps of a year: eight labels at most
        {1, 30, 0.5, 32.5, 5},          //
        {13, 30, 10.5, 32.5, 5},        // a history begun late
        {1, 1000, 0.5, 1100, 200},      // 200, 400, ... never 1, 130, 259
        {1, 10000, 0.5, 11000, 2000},   //
        {9990, 10000, 9989, 10001, 2},  //
    };
    for (const auto& c : cases) {
        const ChartScale scale = yearScale(c.first, c.last);
        EXPECT_DOUBLE_EQ(scale.step, c.step) << c.first << "-" << c.last;
        EXPECT_DOUBLE_EQ(scale.low, c.low) << c.first << "-" << c.last;
        EXPECT_DOUBLE_EQ(scale.high, c.high) << c.first << "-" << c.last;
        EXPECT_LE((scale.high - scale.low) / scale.step, 9.0) << c.first << "-" << c.last;
    }
}

TEST(ChartScale, AveragesTickOnRoundFiguresFourToEightTimes) {
    const struct {
        double lowest, highest;
        double low, high, step;
    } cases[] = {
        {0.378, 0.378, 0.37, 0.39, 0.005},  // one season's point, in the middle of four steps
        {0.250, 0.300, 0.24, 0.32, 0.02},   //
        {0.150, 0.450, 0.1, 0.5, 0.1},      //
        {0.0, 1.0, 0.0, 1.0, 0.5},          // the whole scale: no figure beyond it
        {0.990, 1.0, 0.98, 1.0, 0.005},     // against the top: the room goes below
    };
    for (const auto& c : cases) {
        const ChartScale scale = averageScale(c.lowest, c.highest);
        EXPECT_NEAR(scale.step, c.step, 1e-12) << c.lowest << "-" << c.highest;
        EXPECT_NEAR(scale.low, c.low, 1e-12) << c.lowest << "-" << c.highest;
        EXPECT_NEAR(scale.high, c.high, 1e-12) << c.lowest << "-" << c.highest;
    }
}

TEST(ChartScale, RoundStepsAreOneTwoOrFiveTimesAPowerOfTen) {
    const struct {
        double span;
        int pieces;
        double smallest;
        double step;
    } cases[] = {{8, 8, 1, 1},        {9, 8, 1, 2},
                 {16, 8, 1, 2},       {17, 8, 1, 5},
                 {41, 8, 1, 10},      {999, 8, 1, 200},
                 {0, 8, 1, 1},        {1, 8, 1, 1},
                 {0.3, 4, 1e-3, 0.1}, {0.001, 4, 0.005, 0.005}};
    for (const auto& c : cases) {
        EXPECT_NEAR(roundStep(c.span, c.pieces, c.smallest), c.step, 1e-12) << c.span;
    }
}

}  // namespace
}  // namespace zelvano
