#pragma once
// What a fuzz target does when a property fails: say which, then abort, so that libFuzzer keeps
// the input and the replay test fails. And the properties several targets share.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text/utf8_decode.h"

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

// Whether text is UTF-8 throughout: the decoder gives U+FFFD for one byte it cannot take.
inline bool validUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const zelvano::text::DecodedChar decoded = zelvano::text::decodeCharAt(text, pos);
        if (decoded.codePoint == U'\uFFFD' && decoded.length == 1) return false;
        pos += decoded.length;
    }
    return true;
}
