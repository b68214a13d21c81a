#pragma once
// Number patterns and the general decimal form of a double.
//
//   formatNumber(312.5, "0000")        -> "0313"
//   formatNumber(0.2995, "（0.000）")  -> "（0.300）"
//   formatNumber(0.5, "打率###")       -> "打率1"
//   generalDecimal(8530.0 / 30000.0)   -> "0.284333333333333"

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvano::text {

// "0" a digit always shown, "#" a digit shown only when significant, other characters copied;
// more integer digits than the pattern has are shown whole. Halves round away from zero on the
// value written with 15 significant digits.
std::string formatNumber(double value, std::string_view pattern);

// At most 15 significant digits, no trailing zeros, a leading "0" before the point.
std::string generalDecimal(double value);

// Conversion to an integer: round to nearest, ties to even (0.5 → 0, 1.5 → 2, 2.5 → 2).
std::int64_t roundHalfEven(double value);

// A batting average as English box scores print it: three decimals, no leading zero (".312"),
// "1.000" for a perfect one.
std::string baseballAverage(double average);

}  // namespace zelvano::text
