#pragma once
// One step of UTF-8 decoding, shared by the text functions that walk a string character by
// character. Bytes that do not form a valid character count as one character each, so a damaged
// name still has a length and can still be cut without throwing.

#include <cstddef>
#include <string_view>

namespace zelvano::text {

struct DecodedChar {
    char32_t codePoint;  // U+FFFD for a byte that does not start a valid character
    std::size_t length;  // bytes taken, at least 1
};

// Decodes the character that starts at `pos` (which must be before the end of the text).
DecodedChar decodeCharAt(std::string_view utf8, std::size_t pos);

}  // namespace zelvano::text
