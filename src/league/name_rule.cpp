#include "league/name_rule.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "league/string_field.h"
#include "text/cp932.h"
#include "text/translation.h"
#include "text/utf8_decode.h"

namespace zelvano {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

NameCheck refuse(std::string problem) { return {false, {}, std::move(problem)}; }

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

NameCheck admitName(std::string_view typed) {
    // Refusals first, on the text as typed; a damaged byte sequence cannot be judged further.
    for (std::size_t pos = 0; pos < typed.size();) {
        const text::DecodedChar decoded = text::decodeCharAt(typed, pos);
        const bool typedReplacement = typed.substr(pos, decoded.length) == text::dataText("\uFFFD");
        if (decoded.codePoint == kReplacement && !typedReplacement) {
            return refuse(text::translated("名前に読み取れない文字が含まれています。"));
        }
        if (decoded.codePoint == '\r' || decoded.codePoint == '\n') {
            return refuse(text::translated("名前に改行は使えません。"));
        }
        if (isControl(decoded.codePoint)) {
            return refuse(text::translated("名前に制御文字は使えません。"));
        }
        pos += decoded.length;
    }

    // The file's reader skips leading spaces, ends a value at a comma and takes a value that
    // starts with a double quote for a quoted one; the full-width forms look the same to the user
    // and read back as they are.
    std::string name;
    std::string_view rest = typed.substr(std::min(typed.find_first_not_of(' '), typed.size()));
    if (!rest.empty() && rest.front() == '"') {
        name += text::dataText("＂");
        rest.remove_prefix(1);
    }
    for (const char c : rest) {
        if (c == ',') {
            name += text::dataText("，");
        } else {
            name += c;
        }
    }

    const std::string unencodable = text::firstUnencodableCharacter(name);
    if (!unencodable.empty()) {
        return refuse(text::fillIn(
            text::translated(
                // Translators: {1} is the one character that cannot be saved.
                "「{1}」はデータファイルに保存できない文字です。別の文字に置き換えてください。"),
            {unencodable}));
    }
    // Some characters share a code with another one (the wave dash 〜 is stored as ～): the name
    // is kept as the file will give it back, so what the player sees never changes on a reload.
    name = text::decodeCp932(*text::encodeCp932(name)).value_or(name);
    // Only a change in the reader could make this fail; better refused than saved wrong.
    if (!readsBackUnchanged(name)) {
        return refuse(text::translated("この名前はデータファイルから同じ形で読み戻せません。"));
    }
    return {true, std::move(name), {}};
}

}  // namespace zelvano
