#pragma once
// Character-wise helpers over UTF-8 text: the program counts characters, not bytes.

#include <string>
#include <string_view>

namespace zelvano::text {

// The first n characters of the text (all of it when shorter).
std::string leftChars(std::string_view utf8, std::size_t n);
std::size_t charCount(std::string_view utf8);
// Appends the UTF-8 form of one code point.
void appendUtf8(std::string& out, char32_t codePoint);
std::u32string toCodePoints(std::string_view utf8);
std::string fromCodePoints(std::u32string_view codePoints);

}  // namespace zelvano::text
