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
    const std::string where = "・名球会の名簿「" + path + "」：";
    if (recorded.members == 0) return where + "この年に名球会に入った選手はいません。";
    const FileRead read = files.readFile(kHallOfFameFileName);
    if (read.status == FileRead::Status::Failed) {
        return where + "読めなかったので、書き加えていません。（" + read.problem + "）";
    }
    if (read.bytes.ends_with(recorded.hallOfFameRecords)) {
        return where + std::to_string(recorded.members) + "人とも、すでに載っていました。";
    }
    // One whole new file, as the season's own save writes it.
    const std::string problem =
        files.replaceFile(kHallOfFameAppendName, read.bytes + recorded.hallOfFameRecords);
    if (!problem.empty()) return where + "書き加えられませんでした。（" + problem + "）";
    return where + std::to_string(recorded.members) + "人を書き加えました。";
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
    const std::string where = "・新人の名簿「" + path + "」：";
    if (recorded.rookieNames.empty()) return where + "この年に入った新人はいません。";
    const FileRead read = files.readFile(kScoutingListName);
    if (read.status == FileRead::Status::Missing) return where + "名簿はありません。";
    if (read.status == FileRead::Status::Failed) {
        return where + "読めなかったので、書き換えていません。（" + read.problem + "）";
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
        return where +
               "先頭にこの年の新人の名前はありませんでした（取り除き済みか、書き換え"
               "られています）。";
    }
    const std::string problem =
        files.replaceFileThrough(kScoutingListName, kScoutingListTemporary, list);
    if (!problem.empty()) return where + "書き換えられませんでした。（" + problem + "）";
    return where + "新人が使った名前を" + std::to_string(removed) +
           "人分、先頭から取り除きました。";
}

// What the history recorded of the year, carried into the two files; or why it could not be.
std::string completeFromHistory(FileStore& files, const HistoryReader* history, Counter year) {
    const std::string yearText = std::to_string(year) + "年目";
    std::string unreadable;
    try {
        if (history != nullptr && history->season(year)) {
            const RecordedSeasonFiles recorded = recordedSeasonFiles(*history, year);
            return yearText +
                   "のシーズンの名球会入りと新人の名前を、リーグの歴史から確かめました。\n" +
                   completeHallOfFame(files, recorded) + "\n" +
                   completeScoutingList(files, recorded);
        }
    } catch (const SqliteError& error) {
        unreadable = "（" + historyProblemText(error) + "）";
    }
    return "リーグの歴史に" + yearText + "のシーズンがないため" + unreadable +
           "、この年に名球会に入った選手と、新人が使った名前を確かめられませんでした。名球会の名簿"
           "「" +
           files.resolve(kHallOfFameAppendName).string() + "」と新人の名簿「" +
           files.resolve(kScoutingListName).string() + "」を確かめて、必要なら手で直してください。";
}

}  // namespace

void completeSeasonFilesFromHistory(League& league, Platform& platform,
                                    const HistoryReader* history) {
    if (!league.UnusableSeasonJournal) return;
    const UnusableJournal note = std::move(*league.UnusableSeasonJournal);
    league.UnusableSeasonJournal.reset();
    FileStore& files = platform.files();

    std::string text = "前回のシーズンの保存の記録「" + note.path + "」を使えませんでした。\n（" +
                       note.reason + "）\n\n";
    if (!note.movedTo.empty()) {
        text += "このファイルは消さずに「" + note.movedTo + "」に移しました。\n\n";
    } else {
        text += "このファイルを移せなかったので、そのまま残してあります。（" + note.whyItStays +
                "）\n次にシーズンを保存するときに、このファイルは新しいものに置き換わります。\n\n";
    }
    if (note.year <= 0) {
        text += "保存済みのシーズンはまだないので、ほかのファイルはそのままです。";
    } else {
        text += completeFromHistory(files, history, note.year);
    }
    platform.message({text, "Zelvano／データ読込エラー", MessageIcon::Exclamation});
}

}  // namespace zelvano
