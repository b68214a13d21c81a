#include "text/translation.h"

#include <map>
#include <optional>

#include "text/built_in_catalogues.h"
#include "text/message_catalogue.h"

namespace zelvano::text {

namespace {

const std::map<std::string, MessageCatalogue, std::less<>>& catalogues() {
    static const auto loaded = [] {
        std::map<std::string, MessageCatalogue, std::less<>> byLanguage;
        for (const BuiltInCatalogue& built : builtInCatalogues()) {
            if (auto catalogue = MessageCatalogue::fromMo(built.mo)) {
                byLanguage.emplace(std::string(built.language), std::move(*catalogue));
            }
        }
        return byLanguage;
    }();
    return loaded;
}

// Each catalogue translates the language's own name.
constexpr const char* kOwnName = textToTranslate("日本語");

struct Active {
    std::string language{kJapanese};
    const MessageCatalogue* catalogue = nullptr;  // none for Japanese
};

Active& active() {
    static Active current;
    return current;
}

}  // namespace

std::vector<std::string> spokenLanguages() {
    std::vector<std::string> languages{std::string(kJapanese)};
    for (const auto& [language, catalogue] : catalogues()) languages.push_back(language);
    return languages;
}

std::string languageName(std::string_view code) {
    const auto found = catalogues().find(code);
    if (found == catalogues().end()) return kOwnName;
    return std::string(found->second.find(kOwnName).value_or(code));
}

void useLanguage(std::string_view code) {
    const auto found = catalogues().find(code);
    if (found == catalogues().end()) {
        active() = Active{};
        return;
    }
    active() = Active{found->first, &found->second};
}

std::string_view activeLanguage() { return active().language; }

bool japaneseText() { return active().catalogue == nullptr; }

const char* translated(const char* text) {
    const MessageCatalogue* catalogue = active().catalogue;
    if (catalogue == nullptr) return text;
    // A translation is a view into the built-in bytes, where a NUL ends every string.
    const auto found = catalogue->find(text);
    return found ? found->data() : text;
}

const char* translatedIn(const char* context, const char* text) {
    const MessageCatalogue* catalogue = active().catalogue;
    if (catalogue == nullptr) return text;
    const auto found = catalogue->find(text, context);
    return found ? found->data() : text;
}

const char* translatedCount(const char* singular, const char* /*plural*/, std::uint64_t count) {
    const MessageCatalogue* catalogue = active().catalogue;
    if (catalogue == nullptr) return singular;
    const auto found = catalogue->findPlural(singular, count);
    return found ? found->data() : singular;
}

std::string fillIn(std::string_view pattern, std::span<const std::string_view> values) {
    std::string filled;
    filled.reserve(pattern.size() + 16);
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '{' && at + 2 < pattern.size() && pattern[at + 2] == '}' &&
            pattern[at + 1] >= '1' && pattern[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[at + 1] - '1');
            if (index < values.size()) {
                filled += values[index];
                at += 2;
                continue;
            }
        }
        filled += pattern[at];
    }
    return filled;
}

}  // namespace zelvano::text
