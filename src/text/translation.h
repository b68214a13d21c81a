#pragma once
// The texts a player reads, in the language the game speaks. The Japanese texts in the code are
// the originals: Japanese shows them as they stand, and every other language looks them up in
// its catalogue (po/<language>.po, compiled into the program), falling back to the original.
//
//   translated("お疲れ様でした。")                         // the text itself, or its translation
//   translatedIn("列見出し", "打率")                       // the same text, told apart by a
//   context fillIn(translated("{1}年目に進みますか？"), {year})    // numbered places, in any order
//   textToTranslate("シーズン")                            // only marks a table's text for the
//                                                         // catalogue; translated where shown
//   dataText("年度")                                      // Japanese that is the files' data,
//                                                         // never translated
//
// The language is chosen once at start (useLanguage); tests switch it with ScopedLanguage.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvano::text {

inline constexpr std::string_view kJapanese = "ja";

// The languages the game speaks: Japanese first, then every catalogue built in, by code.
std::vector<std::string> spokenLanguages();
// A language's name in that language ("日本語", "English"), for the choice in the settings.
std::string languageName(std::string_view code);

// Switches every text to `code`; a language the game does not speak is Japanese.
void useLanguage(std::string_view code);
std::string_view activeLanguage();
// Japanese lays numbers out in full-width digits with fixed widths ("０１００"); the other
// languages in plain digits (".100").
bool japaneseText();

// The returned text lives as long as the program (the original is a literal, a translation is
// in the built-in catalogue); it can be read as a C string.
const char* translated(const char* text);
const char* translatedIn(const char* context, const char* text);
// For a text with a count: `plural` is only for the catalogue's extraction, Japanese has none.
const char* translatedCount(const char* singular, const char* plural, std::uint64_t count);

// Replaces "{1}" … "{9}" by the values; any other brace is copied as it stands.
std::string fillIn(std::string_view pattern, std::span<const std::string_view> values);
inline std::string fillIn(std::string_view pattern,
                          std::initializer_list<std::string_view> values) {
    return fillIn(pattern, std::span<const std::string_view>(values.begin(), values.size()));
}

constexpr const char* textToTranslate(const char* text) { return text; }
constexpr const char* dataText(const char* text) { return text; }

class ScopedLanguage {
public:
    explicit ScopedLanguage(std::string_view code) : previous_(activeLanguage()) {
        useLanguage(code);
    }
    ~ScopedLanguage() { useLanguage(previous_); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    std::string previous_;
};

}  // namespace zelvano::text
