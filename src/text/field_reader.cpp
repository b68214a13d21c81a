#include "text/field_reader.h"

#include <charconv>

namespace zelvano::text {

FieldReader::FieldReader(std::string_view text) : text_(text) {}

bool FieldReader::beginField() {
    line_ = nextLine_;
    // The CR LF that ends the last line does not start another, empty field.
    if (pos_ >= text_.size() && !afterComma_) return false;
    afterComma_ = false;
    return true;
}

void FieldReader::skipSpaces() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
}

bool FieldReader::atLineEnd() const {
    return pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n';
}

void FieldReader::consumeLineEnd() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++nextLine_;
}

void FieldReader::skipRestOfLine() {
    while (!atLineEnd()) ++pos_;
    consumeLineEnd();
}

FieldReader::Status FieldReader::readString(std::string& out) {
    if (!beginField()) return Status::EndOfFile;
    skipSpaces();
    std::size_t begin = pos_;
    std::size_t end = pos_;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        begin = ++pos_;
        while (!atLineEnd() && text_[pos_] != '"') ++pos_;
        end = pos_;
        // Whatever follows the closing quote up to the separator is not part of the value.
        while (!atLineEnd() && text_[pos_] != ',') ++pos_;
    } else {
        while (!atLineEnd() && text_[pos_] != ',') ++pos_;
        end = pos_;
    }
    out.assign(text_.substr(begin, end - begin));
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        afterComma_ = true;
    } else {
        consumeLineEnd();
    }
    return Status::Ok;
}

FieldReader::Status FieldReader::readInteger(std::int32_t& out) {
    if (!beginField()) return Status::EndOfFile;
    skipSpaces();
    const std::size_t begin = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
    const std::string_view number = text_.substr(begin, pos_ - begin);
    const bool terminated = atLineEnd() || text_[pos_] == ' ' || text_[pos_] == ',';
    // A number field takes its whole line: what follows the number, even after a comma, is not
    // another field.
    skipRestOfLine();

    std::int32_t value = 0;
    const auto [rest, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (!terminated || error != std::errc{} || rest != number.data() + number.size()) {
        return Status::NotANumber;
    }
    out = value;
    return Status::Ok;
}

}  // namespace zelvano::text
