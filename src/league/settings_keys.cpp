#include "league/settings_keys.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "text/number_format.h"

namespace zelvano {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of the number at the start of the text: spaces, a sign, digits and a fraction.
// Anything else ends it; no number at all is 0.
double leadingNumber(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) return 0;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') negative = text[pos++] == '-';
    const std::size_t begin = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) ++pos;
    }
    double value = 0;
    // from_chars, unlike strtod, does not depend on the locale the window system may have set.
    std::from_chars(text.data() + begin, text.data() + pos, value, std::chars_format::fixed);
    return negative ? -value : value;
}

// Reads the text as a decimal number the way it has always been read back: the leading digits,
// and an E or D directly followed by digits as a power of ten. Nullopt when the result does not
// fit 16 bits.
std::optional<std::int16_t> decimalWithExponent(std::string_view text) {
    std::size_t pos = 0;
    std::int64_t mantissa = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        mantissa = std::min<std::int64_t>(mantissa * 10 + (text[pos] - '0'), 1'000'000'000'000);
    }
    int exponent = 0;
    const bool hasExponent = pos + 1 < text.size() &&
                             (std::toupper(static_cast<unsigned char>(text[pos])) == 'E' ||
                              std::toupper(static_cast<unsigned char>(text[pos])) == 'D') &&
                             isDigit(text[pos + 1]);
    if (hasExponent) {
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos) {
            exponent = std::min(exponent * 10 + (text[pos] - '0'), 100);
        }
    }
    std::int64_t value = mantissa;
    for (int i = 0; i < exponent && value != 0 && value <= std::numeric_limits<std::int16_t>::max();
         ++i) {
        value *= 10;
    }
    if (value > std::numeric_limits<std::int16_t>::max()) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

int gameWaitFromSetting(std::string_view stored) {
    const std::int64_t whole = text::roundHalfEven(leadingNumber(stored));
    // Hexadecimal of a 32-bit value; anything beyond is as unreadable as a value out of range.
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    // Negative values are written as their 32-bit two's complement, which begins with "F".
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(whole));
    char hex[16] = {'0'};  // the "0" put in front of the hexadecimal digits
    const auto [end, error] = std::to_chars(hex + 1, hex + sizeof hex, bits, 16);
    std::string text(hex, error == std::errc{} ? end : hex + 1);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return decimalWithExponent(text).value_or(0);
}

}  // namespace zelvano
