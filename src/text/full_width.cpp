#include "text/full_width.h"

#include <array>

#include "text/utf8.h"
#include "text/utf8_decode.h"

namespace zelvano::text {

namespace {

constexpr char32_t kIdeographicSpace = U'\u3000';
constexpr char32_t kHalfWidthFirst = U'｡';  // U+FF61
constexpr char32_t kHalfWidthLast = U'ﾟ';   // U+FF9F
constexpr char32_t kHalfVoiced = U'ﾞ';
constexpr char32_t kHalfSemiVoiced = U'ﾟ';

// The full-width forms of U+FF61 to U+FF9F, in that order, as the Japanese code page maps them.
constexpr std::u32string_view kWideKana =
    U"。「」、・ヲァィゥェォャュョッー"
    U"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛"
    U"゜";
static_assert(kWideKana.size() == kHalfWidthLast - kHalfWidthFirst + 1);

char32_t wideKana(char32_t halfWidth) { return kWideKana[halfWidth - kHalfWidthFirst]; }

// The kana whose voiced form has a character of its own in the Japanese code page (there is no
// ヷ or ヺ in it, so ﾜﾞ stays two characters). Each voiced form follows its kana directly, the
// semi-voiced form of ハ to ホ the one after that; ウ and ヴ are the exception.
constexpr std::u32string_view kVoiceable = U"ウカキクケコサシスセソタチツテトハヒフヘホ";
constexpr std::u32string_view kSemiVoiceable = U"ハヒフヘホ";

// The kana with the mark combined into it, or 0 when the pair stays two characters.
char32_t combined(char32_t kana, char32_t mark) {
    if (mark == kHalfVoiced && kVoiceable.find(kana) != std::u32string_view::npos) {
        return kana == U'ウ' ? U'ヴ' : kana + 1;
    }
    if (mark == kHalfSemiVoiced && kSemiVoiceable.find(kana) != std::u32string_view::npos) {
        return kana + 2;
    }
    return 0;
}

}  // namespace

std::string toFullWidth(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 3);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto [c, length] = decodeCharAt(utf8, pos);
        std::size_t advance = length;
        if (c == U' ') {
            appendUtf8(out, kIdeographicSpace);
        } else if (c >= 0x21 && c <= 0x7E && c != U'\\') {
            // The backslash stays as it is: on the Japanese code page it is the yen sign, and the
            // Windows narrow-to-wide mapping that names have always been shown with leaves it.
            appendUtf8(out, c - 0x21 + U'！');
        } else if (c >= kHalfWidthFirst && c <= kHalfWidthLast) {
            char32_t wide = wideKana(c);
            if (pos + advance < utf8.size()) {
                const DecodedChar mark = decodeCharAt(utf8, pos + advance);
                if (const char32_t voiced = combined(wide, mark.codePoint); voiced != 0) {
                    wide = voiced;
                    advance += mark.length;
                }
            }
            appendUtf8(out, wide);
        } else {
            out.append(utf8.substr(pos, advance));
        }
        pos += advance;
    }
    return out;
}

std::string fixedColumn(std::string_view utf8, std::size_t width) {
    std::string padded(utf8);
    for (std::size_t count = charCount(utf8); count < width; ++count) {
        appendUtf8(padded, kIdeographicSpace);
    }
    return leftChars(padded, width);
}

}  // namespace zelvano::text
