#include "season/personal_data.h"

#include "text/number_format.h"
#include "text/translation.h"

namespace zelvano {

std::string personalDataText(const League& league, int team, int player) {
    const double average = battingAverage(league, team, player);
    if (average == 0.0) return {};
    const Counter hits = league.Hits[team][player];
    const Counter entryYear = league.EntryYear[team][player];
    // Japanese writes the average as it comes (".3", ".5001"), English as box scores do.
    const std::string shownAverage = text::japaneseText() ? text::formatNumber(average, "#.####")
                                                          : text::baseballAverage(average);
    const Counter years = league.CurrentYear - entryYear;
    std::string text = text::fillIn(
        text::translatedCount(
            // Translators: {3} is the count of years, {4} the at-bats, {5} the hits.
            "{1}は、{2}年入団以来、{3}年間で、{4}打数{5}安打、打率{6}で活躍中です。",
            "{1}は、{2}年入団以来、{3}年間で、{4}打数{5}安打、打率{6}で活躍中です。",
            static_cast<std::uint64_t>(years)),
        {league.PlayerName[team][player], std::to_string(entryYear), std::to_string(years),
         std::to_string(league.AtBats[team][player]), std::to_string(hits), shownAverage});
    const auto addLine = [&text](const char* line) { text += "\n" + std::string(line); };
    // Inclusive here, unlike the strict rule at retirement.
    if ((hits >= 100 && average >= 0.3) || hits >= 300) {
        addLine(text::translated("名球会に入会資格があります。"));
    }
    if (average > 0.5) addLine(text::translated("打率が5割以上の優秀選手です。"));
    if (hits >= 1000) addLine(text::translated("1000安打以上の超優秀選手です。"));
    if (!(average > 0.3)) addLine(text::translated("打率が芳しくありません。劣等選手です。"));
    if (entryYear == 0) {
        addLine(text::translated("創世期からの選手です。"));
    } else if (league.CurrentYear - entryYear > 30) {
        // Translators: follows the line before it on the same line, without a line break.
        text += text::translated("ベテラン選手です。");
    }
    return text;
}

void showPersonalData(const League& league, Platform& platform, int player) {
    if (player < 1 || player > kPlayers) return;  // a double-click with no line selected
    const int team = league.ListedTeam >= 1 && league.ListedTeam <= kTeams ? league.ListedTeam : 1;
    const std::string text = personalDataText(league, team, player);
    if (text.empty()) return;
    platform.message({text, text::translated("Zelvano／Personal Data"), MessageIcon::Information});
}

}  // namespace zelvano
