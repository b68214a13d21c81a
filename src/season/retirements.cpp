#include "season/retirements.h"

#include <optional>

#include "season/hall_of_fame.h"
#include "text/cp932.h"
#include "text/number_format.h"

namespace zelvano {

namespace {

constexpr int kTurns = 3;
constexpr float kRetireAbove = 0.5f;

// Keeps the record for the hall of fame, which takes it when the league is saved; the reason in
// Japanese when it cannot be written at all.
std::string recordInHallOfFame(League& league, const std::string& record) {
    const std::optional<std::string> bytes = text::encodeCp932(record);
    if (!bytes) return "名前に記録できない文字があります。";
    league.SeasonFiles.hallOfFameRecords += *bytes;
    return {};
}

void tellRecordFailed(Platform& platform, const std::string& name, const std::string& problem) {
    platform.message({name + "を名球会の名簿「" +
                          platform.files().resolve(kHallOfFameAppendName).string() +
                          "」に書き込めませんでした。\n（" + problem +
                          "）\n\nこの選手は名球会の名簿には載りません。シーズンはこのまま続き、"
                          "リーグのデータはいつもどおり保存されます。",
                      "Zelvano／名球会", MessageIcon::Exclamation});
}

}  // namespace

void retirePlayers(League& league, Platform& platform, SeasonObserver* observer) {
    for (int turn = 0; turn < kTurns; ++turn) {
        if (!(platform.random().next() > kRetireAbove)) continue;
        const int player = drawWholePartPlusOne(platform.random(), kPlayers);
        const Counter hits = league.Hits[1][player];
        if (hits == 0) continue;

        const std::string name = league.PlayerName[1][player];
        const Counter atBats = league.AtBats[1][player];
        const Counter entryYear = league.EntryYear[1][player];
        const double average = battingAverage(league, 1, player);
        std::string text = name + "は引退を表明しました。\n同選手は、" +
                           std::to_string(entryYear + 1) + "年度入団以来、" +
                           std::to_string(league.CurrentYear - entryYear) + "年間、" +
                           std::to_string(atBats) + "打数" + std::to_string(hits) + "安打、打率 " +
                           text::generalDecimal(average) + "でした。\n";
        std::string recordProblem;
        Transaction retirement;
        retirement.kind = TransactionKind::Retire;
        retirement.team = 1;
        retirement.slot = player;
        retirement.player = snapshotOf(league, 1, player);
        retirement.hallOfFame = qualifiesForHallOfFame(hits, average);
        if (retirement.hallOfFame) {
            text += "＜＜名球会に登録されました。＞＞＞";
            recordProblem = recordInHallOfFame(league, hallOfFameRecord(name, entryYear, hits));
        }

        league.PlayerName[1][player].clear();
        league.Hits[1][player] = 0;
        league.EntryYear[1][player] = 0;  // the at-bats stay: the slot's average reads 0
        league.PlayerIds[1][player] = 0;
        if (observer != nullptr) observer->transactionMade(league, retirement);

        platform.beep();
        platform.message({text, "Zelvano／選手引退"});
        if (!recordProblem.empty()) tellRecordFailed(platform, name, recordProblem);
    }
}

}  // namespace zelvano
