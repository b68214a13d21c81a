#include "text/desktop_language.h"

#include <algorithm>
#include <vector>

#include "text/translation.h"

namespace zelvano::text {

namespace {

// The spoken language a locale name stands for: "en_US.UTF-8@euro" → "en_US", then "en".
std::string spokenFor(std::string_view locale, const std::vector<std::string>& spoken) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    const auto speaks = [&](std::string_view code) {
        return std::find(spoken.begin(), spoken.end(), code) != spoken.end();
    };
    if (!locale.empty() && speaks(locale)) return std::string(locale);
    const std::string_view language = locale.substr(0, locale.find('_'));
    if (!language.empty() && speaks(language)) return std::string(language);
    return {};
}

}  // namespace

std::string desktopLanguage(const EnvironmentReader& environment) {
    const std::vector<std::string> spoken = spokenLanguages();
    std::vector<std::string_view> candidates;
    const char* list = environment("LANGUAGE");
    std::string_view languages = list != nullptr ? list : "";
    while (!languages.empty()) {
        const std::size_t colon = languages.find(':');
        candidates.push_back(languages.substr(0, colon));
        if (colon == std::string_view::npos) break;
        languages.remove_prefix(colon + 1);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = environment(name);
        if (value != nullptr && *value != '\0') {
            candidates.emplace_back(value);
            break;
        }
    }
    for (const std::string_view candidate : candidates) {
        if (std::string found = spokenFor(candidate, spoken); !found.empty()) return found;
    }
    return std::string(kJapanese);
}

std::string chosenLanguage(std::string_view setting, const EnvironmentReader& environment) {
    const std::vector<std::string> spoken = spokenLanguages();
    if (std::find(spoken.begin(), spoken.end(), setting) != spoken.end()) {
        return std::string(setting);
    }
    return desktopLanguage(environment);
}

}  // namespace zelvano::text
