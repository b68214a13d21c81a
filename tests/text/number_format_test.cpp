#include "text/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

namespace zelvano::text {
namespace {

TEST(NumberFormat, FillsPatterns) {
    struct Case {
        double value;
        std::string_view pattern;
        std::string_view text;
    };
    const Case cases[] = {
        {123, "0000", "0123"},
        {10000, "0000", "10000"},  // more digits than places are shown whole
        {312.5, "0000", "0313"},   // halves away from zero, not to even
        {0.4, "0000", "0000"},
        {0.2995, "（0.000）", "（0.300）"},  // just below .2995 in binary
        {0.9995, "（0.000）", "（1.000）"},
        {0.3, "（0.000）", "（0.300）"},
        {12.3456, "（0.000）", "（12.346）"},
        {0.3125, "#.####", ".3125"},
        {0.5, "#.####", ".5"},
        {1, "#.####", "1."},
        {0.25, "0.0#", "0.25"},
        {0.2, "0.0#", "0.2"},
        {0.5, "打率###", "打率1"},
        {0, "打率###", "打率"},
        {305, "打率###", "打率305"},
        {5, "#0#", "05"},  // the first '0' pads the places to its right
        {2003, "0000年度入団", "2003年度入団"},
        {1, "0000年度入団", "0001年度入団"},
        {312.5, "（打率 0000）", "（打率 0313）"},
        {7, "00)   ", "07)   "},
        {1.5, ".00", "1.50"},
        {1e20, "0", "100000000000000000000"},
        {-3, "0000", "-0003"},
        {-0.0004, "0.000", "0.000"},  // no sign on a value that shows as zero
        {-312.5, "0000", "-0313"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

TEST(NumberFormat, GeneralDecimal) {
    struct Case {
        double value;
        std::string_view text;
    };
    const Case cases[] = {
        {0.3125, "0.3125"},
        {8530.0 / 30000.0, "0.284333333333333"},
        {9000.0 / 30000.0, "0.3"},
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {12.5, "12.5"},
        {999.5, "999.5"},
        {-0.25, "-0.25"},
        {1.0 / 3.0, "0.333333333333333"},
        {1e15, "1E+15"},
        {1e-5, "1E-05"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
        {-std::numeric_limits<double>::infinity(), "-Infinity"},
    };
    for (const Case& c : cases) EXPECT_EQ(generalDecimal(c.value), c.text) << c.text;
}

TEST(NumberFormat, RoundHalfEven) {
    struct Case {
        double value;
        std::int64_t rounded;
    };
    const Case cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {0.49999999999999994, 0},
        {7.5, 8},
        {1e300, std::numeric_limits<std::int64_t>::max()},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
}

}  // namespace
}  // namespace zelvano::text

namespace zelvano::text {
namespace {

TEST(BaseballAverageTest, ThreeDecimalsWithoutTheLeadingZero) {
    const std::vector<std::pair<double, const char*>> cases{
        {0.0, ".000"}, {0.1, ".100"}, {0.3125, ".313"}, {0.9996, "1.000"}, {1.0, "1.000"}};
    for (const auto& [average, shown] : cases) EXPECT_EQ(baseballAverage(average), shown);
}

}  // namespace
}  // namespace zelvano::text
