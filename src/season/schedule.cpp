#include "season/schedule.h"

#include <array>

#include "text/translation.h"

namespace zelvano {

void startSchedule(League& league) {
    league.PairingTeam1 = 1;
    league.PairingTeam2 = 3;
}

void stepPairing(League& league) {
    league.PairingTeam2 -= 1;
    if (league.PairingTeam2 == league.PairingTeam1) league.PairingTeam2 -= 1;
    if (league.PairingTeam2 > 0) return;
    league.PairingTeam1 += 1;
    league.PairingTeam2 = league.PairingTeam1 == 3 ? 2 : 3;
}

void appendSeasonMarks(League& league) {
    for (int team = 1; team <= kTeams; ++team) {
        if (team == league.LastWinner) {
            league.SeasonMarks[team] += text::dataText("☆");
        } else if (team == league.LastLoser) {
            league.SeasonMarks[team] += text::dataText("★");
        } else {
            league.SeasonMarks[team] += text::dataText("　");
        }
    }
}

void drawLoanNews(League& league, RandomSource& random) {
    static const std::array<const char*, 5> kNews = {
        text::textToTranslate("連続安打記録を更新する勢いで活躍中です。"),
        text::textToTranslate("連日、チームの連勝に貢献しています。"),
        text::textToTranslate("高打率をキープし、リーグ記録を塗り替える勢いで活躍中です。"),
        text::textToTranslate("連日、スターティングメンバーとして活躍中です。"),
        text::textToTranslate(
            "愛嬌のあるキャラクタで子供たちの間でも大人気。チームのムードメーカーです。"),
    };
    league.LoanNews = kNews[static_cast<std::size_t>(drawWholePartPlusOne(random, 5) - 1)];
}

}  // namespace zelvano
