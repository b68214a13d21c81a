#pragma once
// Whether a text, written as one line of the league file, is read back by the field reader as
// exactly the same text. A comma, a leading space or double quote, or a line break would split,
// trim or shift the fields; the name rule and the writer both rely on this one test.

#include <string_view>

namespace zelvano {

bool readsBackUnchanged(std::string_view utf8);

}  // namespace zelvano
