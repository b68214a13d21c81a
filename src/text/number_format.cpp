#include "text/number_format.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace zelvano::text {

namespace {

struct RoundedDigits {
    std::string integer;   // without leading zeros, so empty for zero
    std::string fraction;  // exactly as many digits as asked for
};

// A double such as 0.2995 is a shade below what it was meant to be; rounding the text of its
// first 15 significant digits instead of the binary value makes it round the way a reader of the
// number expects (0.300), while halves still go away from zero.
RoundedDigits roundedDigits(double magnitude, std::size_t fractionDigits) {
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buffer, error == std::errc{} ? end - buffer : 0);
    // "d.dddddddddddddde±XX": fifteen digits, the first of them at 10 to the power of the exponent.
    const std::size_t exponentMark = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, exponentMark)) {
        if (c != '.') digits.push_back(c);
    }
    int exponent = 0;
    if (exponentMark != std::string_view::npos) {
        std::string_view exponentText = text.substr(exponentMark + 1);
        if (!exponentText.empty() && exponentText.front() == '+') exponentText.remove_prefix(1);
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    }

    // Lay the digits out around the decimal point, then keep one digit more than wanted.
    const long pointAt = exponent + 1L;  // digits before the point
    std::string integer;
    std::string fraction;
    if (pointAt <= 0) {
        fraction = std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
    } else if (static_cast<std::size_t>(pointAt) >= digits.size()) {
        integer = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        integer = digits.substr(0, static_cast<std::size_t>(pointAt));
        fraction = digits.substr(static_cast<std::size_t>(pointAt));
    }
    fraction.resize(fractionDigits + 1, '0');
    const bool roundUp = fraction.back() >= '5';
    fraction.pop_back();

    std::string kept = integer + fraction;
    if (roundUp) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    RoundedDigits result;
    result.fraction = kept.substr(kept.size() - fractionDigits);
    result.integer = kept.substr(0, kept.size() - fractionDigits);
    const std::size_t firstSignificant = result.integer.find_first_not_of('0');
    result.integer.erase(
        0, firstSignificant == std::string::npos ? result.integer.size() : firstSignificant);
    return result;
}

bool isDigitSlot(char c) { return c == '0' || c == '#'; }

}  // namespace

std::string formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value)) return generalDecimal(value);

    // The pattern's bytes can be scanned one by one: '0', '#' and '.' never occur inside the
    // multi-byte characters of UTF-8, so Japanese text around the digits is copied whole.
    const std::size_t point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    const std::string_view fractionPart =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);

    std::size_t integerSlots = 0;
    for (const char c : integerPart) integerSlots += isDigitSlot(c) ? 1 : 0;
    // Places are counted from the right, the units being place 1. The first '0' pads its own
    // place and every place to its right with zeros; '#' places before it stay empty.
    std::size_t zeroPaddedFrom = 0;
    std::size_t place = integerSlots;
    for (const char c : integerPart) {
        if (!isDigitSlot(c)) continue;
        if (c == '0' && zeroPaddedFrom == 0) zeroPaddedFrom = place;
        --place;
    }
    std::string fractionSlots;
    for (const char c : fractionPart) {
        if (isDigitSlot(c)) fractionSlots.push_back(c);
    }

    const RoundedDigits digits = roundedDigits(std::fabs(value), fractionSlots.size());
    // '#' places at the end of the fraction drop their zeros.
    std::size_t fractionShown = fractionSlots.size();
    while (fractionShown > 0 && fractionSlots[fractionShown - 1] == '#' &&
           digits.fraction[fractionShown - 1] == '0') {
        --fractionShown;
    }

    const bool isZero =
        digits.integer.empty() && digits.fraction.find_first_not_of('0') == std::string::npos;
    std::string out = value < 0 && !isZero ? "-" : "";
    const std::size_t integerDigits = digits.integer.size();
    // A number wider than its places is shown whole: the extra digits go in front of the first.
    const std::size_t overflow = integerDigits > integerSlots ? integerDigits - integerSlots : 0;
    place = integerSlots;
    for (const char c : integerPart) {
        if (!isDigitSlot(c)) {
            out.push_back(c);
            continue;
        }
        if (place == integerSlots) out.append(digits.integer, 0, overflow);
        if (place <= integerDigits) {
            out.push_back(digits.integer[integerDigits - place]);
        } else if (place <= zeroPaddedFrom) {
            out.push_back('0');
        }
        --place;
    }
    if (point == std::string_view::npos) return out;

    if (integerSlots == 0) out += digits.integer;
    out.push_back('.');
    std::size_t slot = 0;
    for (const char c : fractionPart) {
        if (!isDigitSlot(c)) {
            out.push_back(c);
        } else if (slot++ < fractionShown) {
            out.push_back(digits.fraction[slot - 1]);
        }
    }
    return out;
}

std::string generalDecimal(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) return "0";  // also for -0

    // The shortest form with 15 significant digits: "0.3125", "12.5", and an exponent only
    // outside the range of ordinary numbers ("1E+15", "1E-05").
    char buffer[32];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (error != std::errc{}) return "0";
    std::string text(buffer, end);
    if (const std::size_t e = text.find('e'); e != std::string::npos) text[e] = 'E';
    return text;
}

std::int64_t roundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    // Done by hand rather than through the floating-point rounding mode, which other code could
    // have changed.
    double rounded = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
        rounded -= std::copysign(1.0, value);
    }
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (rounded >= kLimit) return std::numeric_limits<std::int64_t>::max();
    if (rounded < -kLimit) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

}  // namespace zelvano::text

namespace zelvano::text {

std::string baseballAverage(double average) {
    std::string shown = formatNumber(average, "0.000");
    if (shown.starts_with("0.")) shown.erase(0, 1);
    return shown;
}

}  // namespace zelvano::text
