#include "season/scouting_list.h"

#include <optional>

#include "text/cp932.h"
#include "text/translation.h"
#include "text/utf8_decode.h"

namespace zelvano {

namespace {

// The line at the front of bytes, without its line end; bytes moves past the line end.
std::string_view nextLine(std::string_view& bytes) {
    const std::size_t end = bytes.find_first_of("\r\n");
    const std::string_view line = bytes.substr(0, end);
    if (end == std::string_view::npos) {
        bytes = {};
    } else {
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        bytes.remove_prefix(end + (crlf ? 2 : 1));
    }
    return line;
}

bool validUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const text::DecodedChar decoded = text::decodeCharAt(bytes, pos);
        if (decoded.codePoint == U'\uFFFD' && decoded.length == 1) return false;
        pos += decoded.length;
    }
    return true;
}

}  // namespace

ScoutedLine takeFirstLine(std::string_view bytes) {
    ScoutedLine taken;
    if (bytes.empty()) return taken;
    const bool utf8 = validUtf8(bytes);
    std::string_view rest = bytes;
    // An editor may begin a UTF-8 file with a byte-order mark; it is no part of the name.
    if (utf8 && rest.starts_with(text::dataText("\xEF\xBB\xBF"))) rest.remove_prefix(3);
    const std::string_view first = nextLine(rest);
    taken.found = true;
    if (utf8) {
        taken.name = std::string(first);
        taken.readable = true;
    } else if (const std::optional<std::string> decoded = text::decodeCp932(first)) {
        taken.name = *decoded;
        taken.readable = true;
    }
    while (!rest.empty()) {
        taken.rest += nextLine(rest);
        taken.rest += "\r\n";
    }
    return taken;
}

}  // namespace zelvano
