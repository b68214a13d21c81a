#include "text/message_catalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "text/translation.h"

namespace zelvano::text {
namespace {

using namespace std::string_literals;

// A .mo file as msgfmt lays it out (little-endian, no hash table), from (original,
// translation) pairs; NULs inside separate plural forms and "\x04" a context.
std::string moFile(std::vector<std::pair<std::string, std::string>> entries) {
    std::sort(entries.begin(), entries.end());
    const auto count = static_cast<std::uint32_t>(entries.size());
    std::string file;
    const auto put = [&file](std::uint32_t word) {
        file.append(reinterpret_cast<const char*>(&word), 4);
    };
    const std::uint32_t originals = 28;
    const std::uint32_t translations = originals + count * 8;
    std::uint32_t strings = translations + count * 8;
    put(0x950412de);
    put(0);
    put(count);
    put(originals);
    put(translations);
    put(0);
    put(0);
    std::string pool;
    std::vector<std::uint32_t> table;
    for (const bool translation : {false, true}) {
        for (const auto& entry : entries) {
            const std::string& text = translation ? entry.second : entry.first;
            put(static_cast<std::uint32_t>(text.size()));
            put(strings + static_cast<std::uint32_t>(pool.size()));
            pool += text;
            pool += '\0';
        }
    }
    return file + pool;
}

const std::string kEnglish = moFile({
    {"", "Language: en\nPlural-Forms: nplurals=2; plural=(n != 1);\n"},
    {"打率", "Batting average"},
    {"列見出し\x04打率"s, "AVG"},
    {"{1}本塁打\0{1}本塁打"s, "{1} home run\0{1} home runs"s},
    {"未訳", ""},
});

TEST(MessageCatalogueTest, FindsTranslationsByTextContextAndCount) {
    const auto catalogue = MessageCatalogue::fromMo(kEnglish);
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->headerField("Language"), "en");
    EXPECT_EQ(catalogue->find("打率"), "Batting average");
    EXPECT_EQ(catalogue->find("打率", "列見出し"), "AVG");
    EXPECT_EQ(catalogue->find("安打"), std::nullopt);
    EXPECT_EQ(catalogue->find("未訳"), std::nullopt) << "an empty translation is none";
    EXPECT_EQ(catalogue->findPlural("{1}本塁打", 1), "{1} home run");
    EXPECT_EQ(catalogue->findPlural("{1}本塁打", 0), "{1} home runs");
    EXPECT_EQ(catalogue->findPlural("{1}本塁打", 12), "{1} home runs");
}

TEST(MessageCatalogueTest, DamagedFilesAreNoCatalogue) {
    std::string badMagic = kEnglish;
    badMagic[0] = 'x';
    std::string pastTheEnd = kEnglish;
    pastTheEnd[16] = '\x7f';  // the translations' table far beyond the file
    std::string unterminated = kEnglish;
    unterminated.pop_back();
    for (const std::string& bytes :
         {std::string(), kEnglish.substr(0, 20), badMagic, pastTheEnd, unterminated}) {
        EXPECT_FALSE(MessageCatalogue::fromMo(bytes)) << bytes.size();
    }
}

TEST(MessageCatalogueTest, PluralRulesOfRealLanguages) {
    struct Case {
        const char* rule;
        std::uint64_t n;
        std::optional<std::uint64_t> form;
    };
    const char* polish = "(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2)";
    const char* russian =
        "(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2)";
    for (const Case& c : std::vector<Case>{{"(n != 1)", 1, 0},
                                           {"(n != 1)", 2, 1},
                                           {"0", 5, 0},
                                           {"n>1", 1, 0},
                                           {"n > 1", 0, 0},
                                           {polish, 1, 0},
                                           {polish, 3, 1},
                                           {polish, 13, 2},
                                           {polish, 22, 1},
                                           {polish, 25, 2},
                                           {russian, 21, 0},
                                           {russian, 11, 2},
                                           {russian, 104, 1},
                                           {"!(n<=1)", 2, 1},
                                           {"n%0", 3, std::nullopt},
                                           {"n ==", 1, std::nullopt},
                                           {"(n", 1, std::nullopt},
                                           {"n != 1;", 1, std::nullopt},
                                           {"m", 1, std::nullopt}}) {
        EXPECT_EQ(evaluatePluralRule(c.rule, c.n), c.form) << c.rule << " n=" << c.n;
    }
}

TEST(TranslationTest, FillInPutsValuesInTheirPlaces) {
    EXPECT_EQ(fillIn("{1}年目に進みますか？", {"12"}), "12年目に進みますか？");
    EXPECT_EQ(fillIn("{2} of {1}", {"a", "b"}), "b of a");
    EXPECT_EQ(fillIn("{3} {x} {} {1}", {"a"}), "{3} {x} {} a");
}

TEST(TranslationTest, EnglishIsBuiltInAndJapaneseStaysAsWritten) {
    ScopedLanguage english("en");
    EXPECT_EQ(activeLanguage(), "en");
    EXPECT_FALSE(japaneseText());
    EXPECT_STREQ(translated(textToTranslate("日本語")), "English");
    const char* missing = "どの目録にもない文";
    EXPECT_EQ(translated(missing), missing) << "a text without translation shows its original";
    {
        ScopedLanguage japanese("ja");
        EXPECT_TRUE(japaneseText());
        EXPECT_STREQ(translated("日本語"), "日本語");
    }
    ScopedLanguage unknown("xx");
    EXPECT_EQ(activeLanguage(), kJapanese);
}

}  // namespace
}  // namespace zelvano::text
