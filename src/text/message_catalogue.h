#pragma once
// A compiled GNU gettext catalogue (the .mo file msgfmt writes), read without the C library's
// gettext: which language is shown is then the game's own choice, not the system's installed
// locales, and two languages can be used side by side (zelvano-sim's data and its messages).
//
//   auto english = MessageCatalogue::fromMo(bytes);    // nothing when the bytes are no catalogue
//   english->find("打率")                              // "AVG", or nothing when not translated
//   english->find("ホームラン", "{1}本塁打", 2)          // the plural form for 2

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zelvano::text {

class MessageCatalogue {
public:
    // The bytes must outlive the catalogue: it keeps views into them.
    static std::optional<MessageCatalogue> fromMo(std::string_view bytes);

    // The translation of `text`, under `context` when one is given; nothing when the catalogue
    // has none (or only an empty one, which msgfmt leaves for an untranslated entry).
    std::optional<std::string_view> find(std::string_view text,
                                         std::string_view context = {}) const;
    // The form of a text with a plural for `count`, chosen by the catalogue's Plural-Forms.
    std::optional<std::string_view> findPlural(std::string_view singular, std::uint64_t count,
                                               std::string_view context = {}) const;

    // A header field, such as "Language".
    std::string headerField(std::string_view name) const;
    std::size_t size() const { return entries_.size(); }

private:
    std::unordered_map<std::string_view, std::string_view> entries_;
    std::string pluralRule_ = "n != 1";
};

// Evaluates a Plural-Forms expression (C syntax over n: ?:, ||, &&, comparisons, + - * / %, !,
// parentheses); nothing when it does not parse or divides by zero.
std::optional<std::uint64_t> evaluatePluralRule(std::string_view rule, std::uint64_t n);

}  // namespace zelvano::text
