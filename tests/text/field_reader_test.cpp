#include "text/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvano::text {
namespace {

using Status = FieldReader::Status;

std::vector<std::string> allStrings(std::string_view text) {
    FieldReader reader(text);
    std::vector<std::string> fields;
    std::string field;
    while (reader.readString(field) == Status::Ok) fields.push_back(field);
    return fields;
}

TEST(FieldReader, SplitsStringFields) {
    using Fields = std::vector<std::string>;
    struct Case {
        std::string_view text;
        Fields fields;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},  // the last line end does not start a field
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"", {}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},  // an empty line in the middle is a field
        {"\r\n", {""}},
        {"  田中 太郎 \r\n", {"田中 太郎 "}},
        {"a,b\r\nc\r\n", {"a", "b", "c"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"\"x,y\"\r\nz", {"x,y", "z"}},
        {"  \"x\" junk,y\r\n", {"x", "y"}},
        {"\"open quote\r\nnext", {"open quote", "next"}},
    };
    for (const Case& c : cases) EXPECT_EQ(allStrings(c.text), c.fields) << c.text;
}

TEST(FieldReader, ReadsIntegerLines) {
    struct Case {
        std::string_view line;
        Status status;
        std::int32_t value;
    };
    const Case cases[] = {
        {" 10 ", Status::Ok, 10},
        {"-3 ", Status::Ok, -3},
        {" 0 ", Status::Ok, 0},
        {"42", Status::Ok, 42},
        {"  7 8", Status::Ok, 7},
        {"5,6", Status::Ok, 5},
        {"2147483647", Status::Ok, 2147483647},
        {"-2147483648", Status::Ok, -2147483647 - 1},
        {"2147483648", Status::NotANumber, 0},
        {"", Status::NotANumber, 0},
        {"   ", Status::NotANumber, 0},
        {"abc", Status::NotANumber, 0},
        {"12a", Status::NotANumber, 0},
        {"-", Status::NotANumber, 0},
        {"+5", Status::NotANumber, 0},
    };
    for (const Case& c : cases) {
        const std::string text = std::string(c.line) + "\r\nnext\r\n";
        FieldReader reader(text);
        std::int32_t value = 0;
        EXPECT_EQ(reader.readInteger(value), c.status) << c.line;
        if (c.status == Status::Ok) {
            EXPECT_EQ(value, c.value) << c.line;
        }
        // Whatever the number was, the rest of its line is gone.
        std::string next;
        EXPECT_EQ(reader.readString(next), Status::Ok);
        EXPECT_EQ(next, "next") << c.line;
    }
}

TEST(FieldReader, ReportsTheLineOfTheFieldAndTheEnd) {
    FieldReader reader(" 1 \r\n名前,別\r\n\r\nx\r\n");
    std::int32_t number = 0;
    std::string text;
    EXPECT_EQ(reader.readInteger(number), Status::Ok);
    EXPECT_EQ(reader.lineNumber(), 1);
    EXPECT_EQ(reader.readString(text), Status::Ok);
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_EQ(reader.readString(text), Status::Ok);
    EXPECT_EQ(text, "別");
    EXPECT_EQ(reader.lineNumber(), 2);
    EXPECT_EQ(reader.readString(text), Status::Ok);
    EXPECT_EQ(reader.lineNumber(), 3);
    EXPECT_EQ(reader.readInteger(number), Status::NotANumber);
    EXPECT_EQ(reader.lineNumber(), 4);
    EXPECT_EQ(reader.readInteger(number), Status::EndOfFile);
    EXPECT_EQ(reader.readString(text), Status::EndOfFile);
}

}  // namespace
}  // namespace zelvano::text
