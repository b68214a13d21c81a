#include "text/desktop_language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zelvano::text {
namespace {

TEST(DesktopLanguageTest, FirstSpokenLanguageOfTheDesktop) {
    struct Case {
        std::map<std::string, std::string> environment;
        const char* language;
    };
    for (const Case& c : std::vector<Case>{
             {{}, "ja"},
             {{{"LANG", "C.UTF-8"}}, "ja"},
             {{{"LANG", "ja_JP.UTF-8"}}, "ja"},
             {{{"LANG", "en_US.UTF-8"}}, "en"},
             {{{"LANG", "en_GB@euro"}}, "en"},
             {{{"LANGUAGE", "en"}}, "en"},
             {{{"LANGUAGE", "fr:en:ja"}, {"LANG", "ja_JP.UTF-8"}}, "en"},
             {{{"LANGUAGE", "fr:de"}, {"LANG", "en_US.UTF-8"}}, "en"},
             {{{"LANGUAGE", ":"}, {"LC_MESSAGES", "en_US"}}, "en"},
             // LC_ALL outranks the others, even when it names no language the game speaks.
             {{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, "ja"},
             {{{"LC_ALL", ""}, {"LC_MESSAGES", "en_CA"}, {"LANG", "ja_JP"}}, "en"},
             {{{"LANG", "english"}}, "ja"},
         }) {
        const auto read = [&](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        std::string shown;
        for (const auto& [name, value] : c.environment) shown += name + "=" + value + " ";
        EXPECT_EQ(desktopLanguage(read), c.language) << shown;
        EXPECT_EQ(chosenLanguage("", read), c.language);
        EXPECT_EQ(chosenLanguage("ja", read), "ja") << "the player's choice outranks the desktop";
        EXPECT_EQ(chosenLanguage("en", read), "en");
        EXPECT_EQ(chosenLanguage("klingon", read), c.language);
    }
}

}  // namespace
}  // namespace zelvano::text
