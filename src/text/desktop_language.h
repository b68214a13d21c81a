#pragma once
// The language the desktop asks for: the first the game speaks among the entries of LANGUAGE
// (a colon-separated list), then the locale of messages (LC_ALL, else LC_MESSAGES, else LANG).
// "en_US.UTF-8" is English, "ja_JP" Japanese; where none is spoken, "C" or nothing set, the
// game's own language, Japanese.

#include <functional>
#include <string>
#include <string_view>

namespace zelvano::text {

// `environment` returns a variable's value, null when it is not set (std::getenv).
using EnvironmentReader = std::function<const char*(const char*)>;

std::string desktopLanguage(const EnvironmentReader& environment);

// The player's choice, as stored in the settings: a language's code, or empty (or anything the
// game does not speak) for the desktop's.
std::string chosenLanguage(std::string_view setting, const EnvironmentReader& environment);

}  // namespace zelvano::text
