// The hall-of-fame reader and its roll on any bytes: every entry is readable one-line text, and
// every entry appears on the roll, twenty to a page.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "season/hall_of_fame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> entries = zelvano::hallOfFameEntries(bytes);
    // A field takes at least one byte, except the empty one after a final comma.
    FUZZ_CHECK(entries.size() <= size + 1);
    for (const std::string& entry : entries) {
        FUZZ_CHECK(entry.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(validUtf8(entry));
    }
    const std::vector<std::string> pages = zelvano::hallOfFamePages(entries);
    FUZZ_CHECK(pages.size() == (entries.size() + 19) / 20);
    std::size_t shown = 0;
    for (const std::string& page : pages) shown += page.size();
    std::size_t entryBytes = 0;
    for (const std::string& entry : entries) entryBytes += entry.size();
    FUZZ_CHECK(shown >= entryBytes);
    return 0;
}
