// Number patterns and the general decimal form on any value and any pattern. Beyond not faulting:
// the general form reads back as the value to 15 digits, and a pattern made only of digit places
// and at most one point shows the value rounded to its places.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "text/number_format.h"

namespace {

// The value a shown number stands for. strtod rather than from_chars: fifteen digits of a double
// next to the largest one can stand for a number beyond it ("1.79769313486232E+308"), which reads
// as infinity, and those of a subnormal one must still read as that value.
double readBack(const std::string& text) {
    if (text.empty() || text == ".") return 0.0;  // "#" and "#.#" show zero as nothing
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    FUZZ_CHECK(end == text.c_str() + text.size());
    return value;
}

// Whether `shown` stands for `value` within `tolerance`.
bool near(double shown, double value, double tolerance) {
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    if (std::isinf(shown))
        return std::fabs(value) > kLargestFifteenDigits && (shown > 0) == (value > 0);
    return std::fabs(shown - value) <= tolerance;
}

bool onlyDigitPlaces(std::string_view pattern) {
    int points = 0;
    int places = 0;
    for (const char c : pattern) {
        if (c == '.') {
            ++points;
        } else if (c == '0' || c == '#') {
            ++places;
        } else {
            return false;
        }
    }
    return points <= 1 && places > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0.0;
    if (size < sizeof value) return 0;
    std::memcpy(&value, data, sizeof value);
    const std::string_view pattern(reinterpret_cast<const char*>(data + sizeof value),
                                   size - sizeof value);

    const std::string general = zelvano::text::generalDecimal(value);
    const std::string formatted = zelvano::text::formatNumber(value, pattern);
    if (!std::isfinite(value)) return 0;

    FUZZ_CHECK(near(readBack(general), value, 1e-14 * std::fabs(value)));

    if (onlyDigitPlaces(pattern)) {
        const std::size_t point = pattern.find('.');
        const std::size_t places = point == std::string_view::npos ? 0 : pattern.size() - point - 1;
        // Half a unit of the last place, plus what 15 significant digits and reading back lose.
        const double halfUnit = 0.5 * std::pow(10.0, -static_cast<double>(places));
        FUZZ_CHECK(
            near(readBack(formatted), value, halfUnit * (1 + 1e-9) + 1e-14 * std::fabs(value)));
    }
    return 0;
}
