#include "league/season_commit.h"

#include <string>

#include "league/league_folder.h"

namespace zelvano {

namespace {

constexpr const char* kHallOfFameTitle = "Zelvano／名球会";
constexpr const char* kRookieTitle = "Zelvano／新人登録";
constexpr const char* kTryAgain =
    "リーグのデータは保存してあります。次のシーズンを保存するとき、または次に起動したときに、"
    "もう一度書き込みます。";

// Adds the records unless a save cut short already did. Empty on success, else the reason.
std::string addHallOfFameRecords(FileStore& files, const SeasonFileChanges& changes) {
    const FileRead read = files.readFile(kHallOfFameFileName);
    if (read.status == FileRead::Status::Failed) return read.problem;
    const std::string& current = read.bytes;
    const std::string& records = changes.hallOfFameRecords;
    if (changes.hallOfFameBefore) {
        const FileFingerprint& before = *changes.hallOfFameBefore;
        const bool alreadyIn =
            current.size() == before.length + records.size() && current.ends_with(records) &&
            fingerprintOf(std::string_view(current).substr(0, before.length)) == before;
        if (alreadyIn) return {};
    }
    // One whole new file: a write cut short never leaves half a record.
    return files.replaceFile(kHallOfFameAppendName, current + records);
}

// Writes what is left of the list, unless that is done or the player has changed the list
// since the names were taken (then the player's list stays). Empty on success, else the reason.
std::string rewriteScoutingList(FileStore& files, const SeasonFileChanges& changes) {
    const FileRead read = files.readFile(kScoutingListName);
    if (read.status == FileRead::Status::Failed) return read.problem;
    if (read.status == FileRead::Status::Missing) return {};
    if (read.bytes == *changes.scoutingListAfter) return {};
    if (changes.scoutingListBefore && fingerprintOf(read.bytes) != *changes.scoutingListBefore) {
        return {};
    }
    return files.replaceFileThrough(kScoutingListName, kScoutingListTemporary,
                                    *changes.scoutingListAfter);
}

}  // namespace

std::string writeSeasonJournal(League& league, FileStore& files) {
    SeasonFileChanges& changes = league.SeasonFiles;
    if (changes.empty()) return {};
    // What the hall of fame is now tells a later start whether the records made it in.
    if (!changes.hallOfFameRecords.empty()) {
        const FileRead hall = files.readFile(kHallOfFameFileName);
        changes.hallOfFameBefore.reset();
        if (hall.status != FileRead::Status::Failed) {
            changes.hallOfFameBefore = fingerprintOf(hall.bytes);
        }
    }
    return files.replaceFile(kSeasonJournalName,
                             seasonJournalBytes(league.CurrentYear, league.SeasonFiles));
}

void carryOutSeasonJournal(League& league, Platform& platform) {
    SeasonFileChanges& changes = league.SeasonFiles;
    if (changes.empty()) return;
    FileStore& files = platform.files();
    bool allWritten = true;
    if (!changes.hallOfFameRecords.empty()) {
        const std::string problem = addHallOfFameRecords(files, changes);
        if (problem.empty()) {
            changes.hallOfFameRecords.clear();
            changes.hallOfFameBefore.reset();
        } else {
            allWritten = false;
            platform.message({"名球会に入った選手を、名簿「" +
                                  files.resolve(kHallOfFameAppendName).string() +
                                  "」に書き込めませんでした。\n（" + problem + "）\n\n" + kTryAgain,
                              kHallOfFameTitle, MessageIcon::Exclamation});
        }
    }
    if (changes.scoutingListAfter) {
        const std::string problem = rewriteScoutingList(files, changes);
        if (problem.empty()) {
            changes.scoutingListAfter.reset();
            changes.scoutingListBefore.reset();
        } else {
            allWritten = false;
            platform.message({"新人の名簿「" + files.resolve(kScoutingListName).string() +
                                  "」を書き換えられませんでした。\n（" + problem +
                                  "）\n\n今シーズンに使った名前は、まだ名簿に残っています。" +
                                  kTryAgain,
                              kRookieTitle, MessageIcon::Exclamation});
        }
    }
    // A journal that cannot be removed is carried out again at the next start, which finds
    // everything already written and does nothing more.
    if (allWritten) files.removeFile(kSeasonJournalName);
}

void finishInterruptedSeason(League& league, Platform& platform) {
    FileStore& files = platform.files();
    const FileRead read = files.readFile(kSeasonJournalName);
    if (read.status == FileRead::Status::Missing) return;
    if (read.status == FileRead::Status::Failed) {
        platform.message({"前回のシーズンの保存の記録「" +
                              files.resolve(kSeasonJournalName).string() +
                              "」を読めませんでした。\n（" + read.problem +
                              "）\n\nこのままではシーズンを保存できません。このファイルを取り除いて"
                              "から遊んでください。",
                          "Zelvano／データ読込エラー", MessageIcon::Exclamation});
        return;
    }
    const std::optional<SeasonJournal> journal = parseSeasonJournal(read.bytes);
    // A journal of a season that was never saved, or one that is not whole, is dropped.
    if (!journal || journal->year != league.CurrentYear) {
        files.removeFile(kSeasonJournalName);
        return;
    }
    league.SeasonFiles = journal->changes;
    carryOutSeasonJournal(league, platform);
}

}  // namespace zelvano
