#include "league/string_field.h"

#include <string>

#include "text/field_reader.h"

namespace zelvano {

bool readsBackUnchanged(std::string_view utf8) {
    // The reader takes a lone CR for a line end too, so either would add a line to the file.
    if (utf8.find_first_of("\r\n") != std::string_view::npos) return false;
    std::string line(utf8);
    line += "\r\n";
    text::FieldReader reader(line);
    std::string read;
    return reader.readString(read) == text::FieldReader::Status::Ok && read == utf8;
}

}  // namespace zelvano
