#include "season/retirements.h"

#include <optional>

#include "season/hall_of_fame.h"
#include "text/cp932.h"
#include "text/number_format.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr int kTurns = 3;
constexpr float kRetireAbove = 0.5f;

// Keeps the record for the hall of fame, which takes it when the league is saved; the reason
// when it cannot be written at all.
std::string recordInHallOfFame(League& league, const std::string& record) {
    const std::optional<std::string> bytes = text::encodeCp932(record);
    if (!bytes) return text::translated("名前に記録できない文字があります。");
    league.SeasonFiles.hallOfFameRecords += *bytes;
    return {};
}

void tellRecordFailed(Platform& platform, const std::string& name, const std::string& problem) {
    platform.message(
        {text::fillIn(text::translated("{1}を名球会の名簿「{2}」に書き込めませんでした。\n（{3}）"
                                       "\n\nこの選手は名球会の名簿には載りません。シーズンは"
                                       "このまま続き、リーグのデータはいつもどおり保存されます。"),
                      {name, platform.files().resolve(kHallOfFameAppendName).string(), problem}),
         text::translated("Zelvano／名球会"), MessageIcon::Exclamation});
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
        const std::string shownAverage =
            text::japaneseText() ? text::generalDecimal(average) : text::baseballAverage(average);
        const Counter years = league.CurrentYear - entryYear;
        std::string text = text::fillIn(
            // Translators: {3} is the count of years, {4} the at-bats, {5} the hits.
            text::translatedCount("{1}は引退を表明しました。\n同選手は、{2}年度入団以来、{3}年間、"
                                  "{4}打数{5}安打、打率 {6}でした。\n",
                                  "{1}は引退を表明しました。\n同選手は、{2}年度入団以来、{3}年間、"
                                  "{4}打数{5}安打、打率 {6}でした。\n",
                                  static_cast<std::uint64_t>(years)),
            {name, std::to_string(entryYear + 1), std::to_string(years), std::to_string(atBats),
             std::to_string(hits), shownAverage});
        std::string recordProblem;
        Transaction retirement;
        retirement.kind = TransactionKind::Retire;
        retirement.team = 1;
        retirement.slot = player;
        retirement.player = snapshotOf(league, 1, player);
        retirement.hallOfFame = qualifiesForHallOfFame(hits, average);
        if (retirement.hallOfFame) {
            text += text::translated("＜＜名球会に登録されました。＞＞＞");
            recordProblem = recordInHallOfFame(league, hallOfFameRecord(name, entryYear, hits));
        }

        league.PlayerName[1][player].clear();
        league.Hits[1][player] = 0;
        league.EntryYear[1][player] = 0;  // the at-bats stay: the slot's average reads 0
        league.PlayerIds[1][player] = 0;
        if (observer != nullptr) observer->transactionMade(league, retirement);

        platform.beep();
        platform.message({text, text::translated("Zelvano／選手引退")});
        if (!recordProblem.empty()) tellRecordFailed(platform, name, recordProblem);
    }
}

}  // namespace zelvano
