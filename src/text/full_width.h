#pragma once
// Narrow-to-wide conversion: ASCII 0x21–0x7E to U+FF01–U+FF5E (the backslash stays as it is),
// the space to U+3000, half-width katakana to full-width, a following ﾞ or ﾟ combined where a
// voiced or semi-voiced kana exists (ｶﾞ → ガ, ｳﾞ → ヴ, ﾊﾟ → パ). Everything else is unchanged.

#include <string>
#include <string_view>

namespace zelvano::text {

std::string toFullWidth(std::string_view utf8);
// Appends full-width spaces and cuts to exactly `width` characters: the fixed columns of lists.
std::string fixedColumn(std::string_view utf8, std::size_t width);

}  // namespace zelvano::text
