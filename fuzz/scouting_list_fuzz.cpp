// The scouting list on any bytes, taken off name by name as the rookies take it: each name is one
// line, the rest is whole lines ended by CR LF, and taking names always comes to an end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "season/scouting_list.h"

namespace {

// Only CR LF pairs, and the text ends with one unless it is empty.
bool wholeCrLfLines(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') return false;
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
        if (text[i] == '\r') ++i;
    }
    return text.empty() || text.ends_with("\r\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string list(reinterpret_cast<const char*>(data), size);
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == '\n' || (list[i] == '\r' && (i + 1 == list.size() || list[i + 1] != '\n'))) {
            ++lineEnds;
        }
    }
    // Every name taken shortens the list by one line.
    for (std::size_t taken = 0;; ++taken) {
        FUZZ_CHECK(taken <= lineEnds + 1);
        const zelvano::ScoutedLine top = zelvano::takeFirstLine(list);
        FUZZ_CHECK(top.found == !list.empty());
        if (!top.found) break;
        FUZZ_CHECK(top.name.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(!top.readable || validUtf8(top.name));
        FUZZ_CHECK(wholeCrLfLines(top.rest));
        list = top.rest;
    }
    return 0;
}
