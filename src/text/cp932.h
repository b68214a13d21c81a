#pragma once
// Code page 932, the Windows table of Shift_JIS: "～" is U+FF5E (81 60), "－" U+FF0D (81 7C).
//
//   auto bytes = encodeCp932("選手");      // nullopt when a character has no code
//   auto text  = decodeCp932(bytes.value()); // nullopt on bytes that are not code page 932

#include <optional>
#include <string>
#include <string_view>

namespace zelvano::text {

std::optional<std::string> encodeCp932(std::string_view utf8);
std::optional<std::string> decodeCp932(std::string_view bytes);
// The first character (as UTF-8) that code page 932 cannot hold; empty when every one fits.
std::string firstUnencodableCharacter(std::string_view utf8);

}  // namespace zelvano::text
