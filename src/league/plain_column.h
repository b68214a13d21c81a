#pragma once
// The columns of the lists in the languages other than Japanese: the text as it is, padded with
// ASCII spaces, where Japanese pads with full-width spaces and cuts (text::fixedColumn). The lists'
// font draws a character of two bytes in code page 932 two cells wide, like the full-width forms.
//
//   plainColumn("Taro", 6)    -> "Taro  "
//   plainColumn("山田", 6)    -> "山田  "

#include <cstddef>
#include <string>
#include <string_view>

namespace zelvano {

// Cells of the lists' font: one for ASCII and half-width katakana, two for anything else.
std::size_t cellWidth(std::string_view utf8);
// Pads to `width` cells; a longer text is kept whole.
std::string plainColumn(std::string_view utf8, std::size_t width);

}  // namespace zelvano
