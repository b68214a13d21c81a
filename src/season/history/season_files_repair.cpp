#include "season/history/season_files_repair.h"

#include <optional>
#include <string>
#include <vector>

#include "league/league_folder.h"
#include "league/name_rule.h"
#include "season/hall_of_fame.h"
#include "season/history/history_file.h"
#include "season/scouting_list.h"
#include "text/cp932.h"
#include "text/translation.h"

namespace zelvano {

namespace {

// What the history recorded of a season beside the league file.
struct RecordedSeasonFiles {
    std::string hallOfFameRecords;  // in code page 932, in the order they were made
    int members = 0;
    std::vector<std::string> rookieNames;  // in the order they joined
};

RecordedSeasonFiles recordedSeasonFiles(const HistoryReader& history, Counter year) {
    RecordedSeasonFiles recorded;
    for (const StoredMove& stored : history.moves(year)) {
        const Transaction& move = stored.move;
        if (move.kind == TransactionKind::Retire && move.hallOfFame) {
            // Exactly the bytes the retirement wrote; a name without a code was never written.
            const std::optional<std::string> bytes = text::encodeCp932(
                hallOfFameRecord(move.player.name, move.player.entryYear, move.player.hits));
            if (!bytes) continue;
            recorded.hallOfFameRecords += *bytes;
            ++recorded.members;
        } else if (move.kind == TransactionKind::Rookie) {
            recorded.rookieNames.push_back(move.player.name);
        }
    }
    return recorded;
}

// One line of the message about the hall of fame.
std::string completeHallOfFame(FileStore& files, const RecordedSeasonFiles& recorded) {
    const std::string path = files.resolve(kHallOfFameAppendName).string();
    const std::string where = text::fillIn(text::translated("・名球会の名簿「{1}」："), {path});
    if (recorded.members == 0) {
        return where + text::translated("この年に名球会に入った選手はいません。");
    }
    const std::string members = std::to_string(recorded.members);
    const auto count = static_cast<std::uint64_t>(recorded.members);
    const FileRead read = files.readFile(kHallOfFameFileName);
    if (read.status == FileRead::Status::Failed) {
        return where +
               text::fillIn(text::translated("読めなかったので、書き加えていません。（{1}）"),
                            {read.problem});
    }
    if (read.bytes.ends_with(recorded.hallOfFameRecords)) {
        return where +
               text::fillIn(text::translatedCount("{1}人とも、すでに載っていました。",
                                                  "{1}人とも、すでに載っていました。", count),
                            {members});
    }
    // One whole new file, as the season's own save writes it.
    const std::string problem =
        files.replaceFile(kHallOfFameAppendName, read.bytes + recorded.hallOfFameRecords);
    if (!problem.empty()) {
        return where +
               text::fillIn(text::translated("書き加えられませんでした。（{1}）"), {problem});
    }
    return where + text::fillIn(text::translatedCount("{1}人を書き加えました。",
                                                      "{1}人を書き加えました。", count),
                                {members});
}

// The list's first name as a rookie would have taken it; nothing when there is none.
std::optional<std::string> firstName(const ScoutedLine& top) {
    if (!top.found || !top.readable) return std::nullopt;
    const NameCheck check = admitName(top.name);
    if (!check.accepted) return std::nullopt;
    return check.name;
}

// One line of the message about the scouting list.
std::string completeScoutingList(FileStore& files, const RecordedSeasonFiles& recorded) {
    const std::string path = files.resolve(kScoutingListName).string();
    const std::string where = text::fillIn(text::translated("・新人の名簿「{1}」："), {path});
    if (recorded.rookieNames.empty()) {
        return where + text::translated("この年に入った新人はいません。");
    }
    const FileRead read = files.readFile(kScoutingListName);
    if (read.status == FileRead::Status::Missing) {
        return where + text::translated("名簿はありません。");
    }
    if (read.status == FileRead::Status::Failed) {
        return where +
               text::fillIn(text::translated("読めなかったので、書き換えていません。（{1}）"),
                            {read.problem});
    }
    // The names come off the top in the order the rookies took them, as long as they are there.
    std::string list = read.bytes;
    int removed = 0;
    for (const std::string& name : recorded.rookieNames) {
        const ScoutedLine top = takeFirstLine(list);
        if (firstName(top) != name) break;
        list = top.rest;
        ++removed;
    }
    if (removed == 0) {
        return where + text::translated(
                           "先頭にこの年の新人の名前はありませんでした（取り除き済み"
                           "か、書き換えられています）。");
    }
    const std::string problem =
        files.replaceFileThrough(kScoutingListName, kScoutingListTemporary, list);
    if (!problem.empty()) {
        return where +
               text::fillIn(text::translated("書き換えられませんでした。（{1}）"), {problem});
    }
    return where +
           text::fillIn(text::translatedCount("新人が使った名前を{1}人分、先頭から取り除きました。",
                                              "新人が使った名前を{1}人分、先頭から取り除きました。",
                                              static_cast<std::uint64_t>(removed)),
                        {std::to_string(removed)});
}

// What the history recorded of the year, carried into the two files; or why it could not be.
std::string completeFromHistory(FileStore& files, const HistoryReader* history, Counter year) {
    const std::string yearText = std::to_string(year);
    std::optional<std::string> unreadable;
    try {
        if (history != nullptr && history->season(year)) {
            const RecordedSeasonFiles recorded = recordedSeasonFiles(*history, year);
            return text::fillIn(text::translated("{1}年目のシーズンの名球会入りと新人の名前を、リー"
                                                 "グの歴史から確かめました。"),
                                {yearText}) +
                   "\n" + completeHallOfFame(files, recorded) + "\n" +
                   completeScoutingList(files, recorded);
        }
    } catch (const SqliteError& error) {
        unreadable = historyProblemText(error);
    }
    const std::string hallOfFame = files.resolve(kHallOfFameAppendName).string();
    const std::string scouting = files.resolve(kScoutingListName).string();
    if (unreadable) {
        return text::fillIn(
            text::translated("リーグの歴史に{1}年目のシーズンがないため（{4}）、この年に名球会に入"
                             "った選手と、新人が使った名前を確かめられませんでした。名球会の名簿「"
                             "{2}」と新人の名簿「{3}」を確かめて、必要なら手で直してください。"),
            {yearText, hallOfFame, scouting, *unreadable});
    }
    return text::fillIn(
        text::translated("リーグの歴史に{1}年目のシーズンがないため、この年に名球会に入った選手と"
                         "、新人が使った名前を確かめられませんでした。名球会の名簿「{2}」と新人の"
                         "名簿「{3}」を確かめて、必要なら手で直してください。"),
        {yearText, hallOfFame, scouting});
}

}  // namespace

void completeSeasonFilesFromHistory(League& league, Platform& platform,
                                    const HistoryReader* history) {
    if (!league.UnusableSeasonJournal) return;
    const UnusableJournal note = std::move(*league.UnusableSeasonJournal);
    league.UnusableSeasonJournal.reset();
    FileStore& files = platform.files();

    std::string told =
        text::fillIn(text::translated("前回のシーズンの保存の記録「{1}」を使えませんでした。\n（{2}"
                                      "）"),
                     {note.path, note.reason}) +
        "\n\n";
    if (!note.movedTo.empty()) {
        told += text::fillIn(text::translated("このファイルは消さずに「{1}」に移しました。"),
                             {note.movedTo});
    } else {
        told += text::fillIn(text::translated("このファイルを移せなかったので、そのまま残してあり"
                                              "ます。（{1}）\n次にシーズンを保存するときに、この"
                                              "ファイルは新しいものに置き換わります。"),
                             {note.whyItStays});
    }
    told += "\n\n";
    if (note.year <= 0) {
        told +=
            text::translated("保存済みのシーズンはまだないので、ほかのファイルはそのままです。");
    } else {
        told += completeFromHistory(files, history, note.year);
    }
    platform.message(
        {told, text::translated("Zelvano／データ読込エラー"), MessageIcon::Exclamation});
}

}  // namespace zelvano
