#pragma once
// Reads the comma-and-line separated fields of a league file that has already been decoded to
// UTF-8. A comma ends a field, leading spaces are skipped, a field that begins with a double
// quote runs to the next double quote; an integer ends at the first space, comma or line end and
// the rest of its line is skipped.
//
//   FieldReader reader(text);
//   std::int32_t year;
//   if (reader.readInteger(year) != FieldReader::Status::Ok) report(reader.lineNumber());

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvano::text {

class FieldReader {
public:
    enum class Status { Ok, EndOfFile, NotANumber };

    explicit FieldReader(std::string_view text);  // lines end in CR LF (a bare LF is accepted)

    Status readString(std::string& out);
    Status readInteger(std::int32_t& out);
    // 1-based line of the field read last (or being read when it failed).
    int lineNumber() const { return line_; }

private:
    // Starts a field: false at the end of the text. Sets line_ to the field's line.
    bool beginField();
    void skipSpaces();
    bool atLineEnd() const;
    // Moves past the line end at pos_ (CR LF, LF or a lone CR); nothing to do at the end.
    void consumeLineEnd();
    void skipRestOfLine();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int nextLine_ = 1;         // line of pos_
    bool afterComma_ = false;  // a comma promises one more field, even at the end of the text
};

}  // namespace zelvano::text
