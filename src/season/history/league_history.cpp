#include "season/history/league_history.h"

#include <ctime>
#include <filesystem>

#include "season/history/history_file.h"
#include "season/history/history_schema.h"
#include "season/history/history_snapshot.h"
#include "season/major_league_loan.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr const char* kTitle = text::textToTranslate("Zelvano／リーグの歴史");

}  // namespace

bool takeIdsFromRoster(League& league, const std::optional<RosterIds>& roster) {
    if (!roster || roster->league != rosterOf(league).league) return false;
    std::size_t at = 0;
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            league.PlayerIds[team][slot] = holdsPlayer(league, team, slot) ? roster->ids[at] : 0;
            ++at;
        }
    }
    league.LoanedPlayerId = loanRunning(league) ? roster->ids[at] : 0;
    return true;
}

void LeagueHistory::tell(Platform& platform, const std::string& text, MessageIcon icon) {
    platform.message({text, text::translated(kTitle), icon});
}

void LeagueHistory::takeLeague(League& league, Platform& platform) {
    shownPath_ = path_ ? *path_ : platform.files().resolve(kHistoryFileName).string();
    savedYear_ = league.CurrentYear;
    bool knewEarlierYears = false;
    try {
        db_ = openHistoryForWriting(shownPath_);
        writable_ = true;
        HistoryWriter& writer = writer_.emplace(*db_);
        const std::optional<RosterIds> roster = writer.rosterAt(league.CurrentYear);
        const bool ours = roster && roster->league == rosterOf(league).league;
        const Counter year = league.CurrentYear;
        const std::optional<std::int64_t> latest = writer.latestYear();
        if (latest && league.RegisteredThisRun) {
            // A league just made has no past: the history is an earlier league's, even when
            // that one began with the very same file.
            setAside(writer, platform, AsideReason::AnotherLeague);
        } else if (latest && !ours && *latest > year) {
            // It goes beyond the league file's year, yet never saw the file as it stands.
            setAside(writer, platform, AsideReason::AnotherLeague);
        } else if (latest && ours && *latest > year + 1) {
            // A save that failed leaves one season beyond the file, never more: this league
            // file is an older copy of the league, and the later years are kept aside whole.
            setAside(writer, platform, AsideReason::OlderLeagueFile);
        }
        // The one season whose league file was never saved goes; it is played again.
        writer.dropAfter(year);
        league.NextPlayerId = writer.highestPlayerId() + 1;
        if (takeIdsFromRoster(league, roster)) return;
        knewEarlierYears = HistoryReader(*db_, league.CurrentYear).knownSince().has_value();
        if (knewEarlierYears) resumed_ = resumeAcrossGap(league, writer);
    } catch (const SqliteError& error) {
        writable_ = false;
        writer_.reset();
        db_.reset();
        if (showWithoutWriting(platform, error)) {
            if (takeIdsFromReadOnly(league)) return;
        } else {
            tell(platform,
                 text::fillIn(text::translated(
                                  "リーグの歴史「{1}」を開けませんでした。\n（{2}）\n\n今回は歴史"
                                  "を記録しません。シーズンはいつもどおり遊べて、リーグのデータも"
                                  "保存されます。記録しなかった年は、歴史の中で記録のない年になり"
                                  "ます。"),
                              {shownPath_, historyProblemText(error)}),
                 MessageIcon::Exclamation);
        }
    }
    begin(league, platform, knewEarlierYears);
}

std::string LeagueHistory::asideName() {
    const std::filesystem::path shown(shownPath_);
    std::string stem = "history";
    if (const auto years = writer_->seasonYears()) {
        stem += "-years-" + std::to_string(years->first) + "-" + std::to_string(years->second);
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d-%H%M%S", &local);
    stem += std::string("-set-aside-") + date;
    for (int copy = 1;; ++copy) {
        const std::string name = stem + (copy > 1 ? "-" + std::to_string(copy) : "") + ".sqlite";
        const std::string path = (shown.parent_path() / name).string();
        if (historyFileKind(path) == HistoryFileKind::Missing) return path;
    }
}

void LeagueHistory::setAside(HistoryWriter& writer, Platform& platform, AsideReason reason) {
    const std::optional<std::pair<std::int64_t, std::int64_t>> years = writer.seasonYears();
    const std::string aside = asideName();
    try {
        writer.copyInto(aside);
        syncFolderOf(aside);
    } catch (const SqliteError& error) {
        throw HistoryProblem(
            error.code,
            text::fillIn(text::translated("リーグのデータファイルと合わない記録を、別のファイル「"
                                          "{1}」に移せませんでした。{2}記録は元のファイルに残し"
                                          "てあります。"),
                         {aside, historyProblemText(error)}));
    }
    const std::string saved = std::to_string(savedYear_);
    const std::string from = years ? std::to_string(years->first) : "";
    const std::string to = years ? std::to_string(years->second) : "";
    const std::string bringBack =
        "\n\n" + text::fillIn(text::translated("元に戻すときは、ゲームを終えてから、いまの「{1}」"
                                               "を別の名前に変え、このファイルの名前を「{1}」に"
                                               "して、リーグのデータファイルもそのときのものに"
                                               "戻してください。"),
                              {kHistoryFileName});
    if (reason == AsideReason::OlderLeagueFile) {
        const std::string told =
            years ? text::fillIn(
                        text::translated(
                            "リーグの歴史「{1}」には、リーグのデータファイル（{2}年目）より先の年"
                            "の記録がありました（データファイルを前のものに戻したようです）。\n"
                            "{3}年目から{4}年目までの記録をすべて「{5}」に写して残し、この歴史は"
                            "{2}年目の続きから記録していきます。"),
                        {shownPath_, saved, from, to, aside})
                  : text::fillIn(
                        text::translated(
                            "リーグの歴史「{1}」には、リーグのデータファイル（{2}年目）より先の年"
                            "の記録がありました（データファイルを前のものに戻したようです）。\n"
                            "記録をすべて「{3}」に写して残し、この歴史は{2}年目の続きから記録して"
                            "いきます。"),
                        {shownPath_, saved, aside});
        tell(platform, told + bringBack, MessageIcon::Information);
        return;
    }
    writer.clear();
    const std::string told =
        years ? text::fillIn(
                    text::translated(
                        "リーグの歴史「{1}」には、いまのリーグのデータファイルと合わない、{2}年目"
                        "から{3}年目までの記録がありました（別のリーグか、前に遊んでいたリーグの"
                        "歴史のようです）。\nその記録は消さずに「{4}」として残し、このリーグの"
                        "歴史は新しく記録していきます。"),
                    {shownPath_, from, to, aside})
              : text::fillIn(
                    text::translated(
                        "リーグの歴史「{1}」には、いまのリーグのデータファイルと合わない、記録が"
                        "ありました（別のリーグか、前に遊んでいたリーグの歴史のようです）。\n"
                        "その記録は消さずに「{2}」として残し、このリーグの歴史は新しく記録して"
                        "いきます。"),
                    {shownPath_, aside});
    tell(platform, told + bringBack, MessageIcon::Information);
    setAsideTold_ = true;
}

LeagueHistory::Resumed LeagueHistory::resumeAcrossGap(const League& league, HistoryWriter& writer) {
    Resumed resumed;
    const std::optional<Counter> known = writer.latestRosterBefore(league.CurrentYear);
    if (!known) return resumed;
    resumed.knownUntil = *known;
    const std::optional<RosterIds> roster = writer.rosterAt(*known);
    if (!roster) return resumed;
    const HistoryReader history(*db_, *known);
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            const PlayerId id =
                roster->ids[static_cast<std::size_t>((team - 1) * kPlayers + slot - 1)];
            if (id == 0 || !holdsPlayer(league, team, slot)) continue;
            const std::optional<Career> career = history.career(id);
            if (!career) continue;
            // He is the one the history knew there when his name and entry year are his and his
            // figures only grew.
            Counter hits = career->start.player.hits, atBats = career->start.player.atBats;
            for (const CareerSeason& season : career->seasons) {
                hits += season.hits;
                atBats += season.atBats;
            }
            const PlayerSnapshot now = snapshotOf(league, team, slot);
            if (now.name != career->start.player.name ||
                now.entryYear != career->start.player.entryYear || now.hits < hits ||
                now.atBats < atBats) {
                continue;
            }
            resumed.ids[team][slot] = id;
            resumed.gaps.push_back({id, league.CurrentYear, now.hits - hits, now.atBats - atBats});
        }
    }
    return resumed;
}

std::string LeagueHistory::missedText(Counter year) const {
    const std::string last = std::to_string(year);
    if (!resumed_.knownUntil) {
        return text::fillIn(
            text::translated("リーグの歴史「{1}」には、{2}年目を終えたときの選手の記録がありません"
                             "（記録できなかったシーズンがあるか、リーグのデータファイルが書き換え"
                             "られたようです）。これまでの記録はそのまま残っています。"),
            {shownPath_, last});
    }
    const Counter first = *resumed_.knownUntil + 1;
    if (first == year) {
        return text::fillIn(
            text::translated("リーグの歴史「{1}」には、{2}年目のシーズンの記録がありません（記録"
                             "できなかったシーズンがあるか、リーグのデータファイルが書き換えられた"
                             "ようです）。これまでの記録はそのまま残っています。"),
            {shownPath_, last});
    }
    return text::fillIn(
        text::translated("リーグの歴史「{1}」には、{2}年目から{3}年目までのシーズンの記録があり"
                         "ません（記録できなかったシーズンがあるか、リーグのデータファイルが書き換"
                         "えられたようです）。これまでの記録はそのまま残っています。"),
        {shownPath_, std::to_string(first), last});
}

void LeagueHistory::begin(League& league, Platform& platform, bool knewEarlierYears) {
    HistoryBeginning beginning{league.CurrentYear, {}, resumed_.gaps, {}};
    int resumedPlayers = 0, newPlayers = 0;
    for (int team = 1; team <= kTeams; ++team) {
        for (int slot = 1; slot <= kPlayers; ++slot) {
            PlayerId& id = league.PlayerIds[team][slot];
            id = 0;
            if (!holdsPlayer(league, team, slot)) continue;
            if (resumed_.ids[team][slot] != 0) {
                id = resumed_.ids[team][slot];
                ++resumedPlayers;
                continue;
            }
            id = newPlayerId(league);
            ++newPlayers;
            beginning.players.push_back(
                {league.CurrentYear, team, slot, snapshotOf(league, team, slot)});
        }
    }
    league.LoanedPlayerId = 0;
    if (loanRunning(league)) {
        league.LoanedPlayerId = newPlayerId(league);
        // The figures he will come back with, so that his start and seasons add up to them.
        const LoanedFigures figures = loanedPlayerFigures(league);
        beginning.players.push_back({league.CurrentYear,
                                     0,
                                     0,
                                     {league.LoanedPlayerId, loanedPlayerName(league), figures.hits,
                                      figures.atBats, figures.entryYear}});
    }
    beginning.roster = rosterOf(league);
    beginning_ = std::move(beginning);
    // A new league's history simply starts with it; an old one says where it starts.
    if (!writable_ || league.CurrentYear == 0 || setAsideTold_) return;
    const std::string next = std::to_string(league.CurrentYear + 1);
    if (!knewEarlierYears) {
        tell(platform,
             text::fillIn(text::translated("このリーグの歴史は、まだ記録されていません。\n{1}年目"
                                           "のシーズンから、優勝チーム、試合、トレード、選手の成"
                                           "績などを「{2}」に記録していきます。"),
                          {next, shownPath_}),
             MessageIcon::Information);
        return;
    }
    std::string told = missedText(league.CurrentYear) + "\n";
    if (resumedPlayers > 0) {
        told += text::fillIn(
            text::translatedCount("そのあいだも同じ枠にいた{1}人は、これまでの歩みに続けて記録"
                                  "します。",
                                  "そのあいだも同じ枠にいた{1}人は、これまでの歩みに続けて記録"
                                  "します。",
                                  static_cast<std::uint64_t>(resumedPlayers)),
            {std::to_string(resumedPlayers)});
    }
    if (newPlayers > 0) {
        // Japanese runs its sentences on; English leaves a space between them.
        if (resumedPlayers > 0 && !text::japaneseText()) told += " ";
        told += text::fillIn(
            text::translatedCount("見分けられなかった{1}人は、{2}年目のシーズンから新しく記録して"
                                  "いきます。",
                                  "見分けられなかった{1}人は、{2}年目のシーズンから新しく記録して"
                                  "いきます。",
                                  static_cast<std::uint64_t>(newPlayers)),
            {std::to_string(newPlayers), next});
    }
    tell(platform, told, MessageIcon::Information);
}

void LeagueHistory::commitSeason(const League& league, Platform& platform,
                                 std::optional<FileFingerprint> leagueFile) {
    std::optional<SeasonRecord> season = recorder_.finish(league, leagueFile);
    // The league file is saved next; until it is, nothing else is shown.
    savedYear_ = league.CurrentYear;
    if (!writable_ || !writer_) return;
    if (season) pending_.push_back(std::move(*season));
    if (pending_.empty() && !beginning_) return;
    try {
        writer_->write(beginning_ ? &*beginning_ : nullptr, pending_);
        pending_.clear();
        beginning_.reset();
    } catch (const SqliteError& error) {
        if (toldWriteFailure_) return;
        toldWriteFailure_ = true;
        tell(platform,
             text::fillIn(
                 text::translated(
                     "リーグの歴史「{1}」に、{2}年目のシーズンを書き込めませんでした。\n（{3}）"
                     "\n\nシーズンはこのまま続き、リーグのデータはいつもどおり保存されます。書き"
                     "込めなかったシーズンは、次のシーズンを保存するときに、もう一度書き込みます。"
                     "それまでにゲームを終えると、その年は歴史の中で記録のない年になります。"),
                 {shownPath_, std::to_string(league.CurrentYear), historyProblemText(error)}),
             MessageIcon::Exclamation);
    }
}

bool LeagueHistory::showWithoutWriting(Platform& platform, const SqliteError& whyNot) {
    try {
        readOnly_ = ReadOnlyHistory::open(shownPath_);
    } catch (const SqliteError&) {
        readOnly_.reset();
    }
    if (!readOnly_) return false;
    tell(platform,
         text::fillIn(text::translated(
                          "リーグの歴史「{1}」に書き込めません。\n（{2}）\n\nこれまでの歴史は「"
                          "リーグの歴史」で見られますが、今回遊ぶシーズンは記録しません。シーズン"
                          "はいつもどおり遊べて、リーグのデータも保存されます。記録しなかった年は"
                          "、歴史の中で記録のない年になります。"),
                      {shownPath_, historyProblemText(whyNot)}),
         MessageIcon::Exclamation);
    return true;
}

bool LeagueHistory::takeIdsFromReadOnly(League& league) {
    try {
        return takeIdsFromRoster(league,
                                 HistoryWriter(readOnly_->db()).rosterAt(league.CurrentYear));
    } catch (const SqliteError&) {
        // A roster that cannot be read gives nobody a past; the window tells the damage.
        return false;
    }
}

std::optional<HistoryReader> LeagueHistory::reader() {
    if (db_) return HistoryReader(*db_, savedYear_);
    if (readOnly_) return HistoryReader(readOnly_->db(), savedYear_);
    return std::nullopt;
}

std::optional<GameHistoryReader> LeagueHistory::gameReader() {
    if (db_) return GameHistoryReader(*db_, savedYear_);
    if (readOnly_) return GameHistoryReader(readOnly_->db(), savedYear_);
    return std::nullopt;
}

}  // namespace zelvano
