#include "text/utf8.h"

#include "text/utf8_decode.h"

namespace zelvano::text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

DecodedChar decodeCharAt(std::string_view utf8, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    if (lead < 0x80) return {lead, 1};

    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;  // anything below is an overlong form
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {kReplacement, 1};
    }
    if (utf8.size() - pos < length) return {kReplacement, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(utf8[pos + i]);
        if (!isContinuation(byte)) return {kReplacement, 1};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) return {kReplacement, 1};
    return {codePoint, length};
}

std::string leftChars(std::string_view utf8, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t taken = 0; taken < n && pos < utf8.size(); ++taken) {
        pos += decodeCharAt(utf8, pos).length;
    }
    return std::string(utf8.substr(0, pos));
}

std::size_t charCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); pos += decodeCharAt(utf8, pos).length) ++count;
    return count;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = kReplacement;
    }
    const auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

std::u32string toCodePoints(std::string_view utf8) {
    std::u32string codePoints;
    codePoints.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const DecodedChar decoded = decodeCharAt(utf8, pos);
        codePoints.push_back(decoded.codePoint);
        pos += decoded.length;
    }
    return codePoints;
}

std::string fromCodePoints(std::u32string_view codePoints) {
    std::string utf8;
    utf8.reserve(codePoints.size() * 3);
    for (const char32_t codePoint : codePoints) appendUtf8(utf8, codePoint);
    return utf8;
}

}  // namespace zelvano::text
