#include "season/personal_data.h"

#include "text/number_format.h"

namespace zelvano {

std::string personalDataText(const League& league, int team, int player) {
    const double average = battingAverage(league, team, player);
    if (average == 0.0) return {};
    const Counter hits = league.Hits[team][player];
    const Counter entryYear = league.EntryYear[team][player];
    std::string text = league.PlayerName[team][player] + "は、" + std::to_string(entryYear) +
                       "年入団以来、" + std::to_string(league.CurrentYear - entryYear) +
                       "年間で、" + std::to_string(league.AtBats[team][player]) + "打数" +
                       std::to_string(hits) + "安打、打率" + text::formatNumber(average, "#.####") +
                       "で活躍中です。";
    // Inclusive here, unlike the strict rule at retirement.
    if ((hits >= 100 && average >= 0.3) || hits >= 300) text += "\n名球会に入会資格があります。";
    if (average > 0.5) text += "\n打率が5割以上の優秀選手です。";
    if (hits >= 1000) text += "\n1000安打以上の超優秀選手です。";
    if (!(average > 0.3)) text += "\n打率が芳しくありません。劣等選手です。";
    if (entryYear == 0) {
        text += "\n創世期からの選手です。";
    } else if (league.CurrentYear - entryYear > 30) {
        text += "ベテラン選手です。";
    }
    return text;
}

void showPersonalData(const League& league, Platform& platform, int player) {
    if (player < 1 || player > kPlayers) return;  // a double-click with no line selected
    const int team = league.ListedTeam >= 1 && league.ListedTeam <= kTeams ? league.ListedTeam : 1;
    const std::string text = personalDataText(league, team, player);
    if (text.empty()) return;
    platform.message({text, "Zelvano／Personal Data", MessageIcon::Information});
}

}  // namespace zelvano
