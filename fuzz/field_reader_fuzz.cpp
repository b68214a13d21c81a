// The field reader on any text, with strings and integers read in an order the input chooses.
// Every field read moves the reader forward, so reading ends; lines only ever go forward.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "text/field_reader.h"

using zelvano::text::FieldReader;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the kinds of fields: bit i for field i, i + 8, ... (1 = integer).
    const std::uint8_t kinds = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++lineEnds;
        }
    }

    FieldReader reader(text);
    int lastLine = 1;
    // A field takes at least one byte, except the empty one after a final comma.
    const std::size_t mostFields = text.size() + 1;
    for (std::size_t field = 0;; ++field) {
        FUZZ_CHECK(field <= mostFields);
        FieldReader::Status status;
        if ((kinds >> (field % 8)) & 1) {
            std::int32_t value = 0;
            status = reader.readInteger(value);
        } else {
            std::string value;
            status = reader.readString(value);
            // A string field never holds a line end or reaches past its separator.
            FUZZ_CHECK(status != FieldReader::Status::Ok ||
                       value.find_first_of("\r\n") == std::string::npos);
        }
        FUZZ_CHECK(reader.lineNumber() >= lastLine);
        FUZZ_CHECK(static_cast<std::size_t>(reader.lineNumber()) <= lineEnds + 1);
        lastLine = reader.lineNumber();
        if (status == FieldReader::Status::EndOfFile) break;
    }
    return 0;
}
