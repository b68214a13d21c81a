#include "league/season_commit.h"

#include <time.h>

#include <ctime>
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

// "YYYYMMDD-HHMMSS" of the local time, for the name a journal is moved aside under.
std::string timeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32] = {};
    if (::localtime_r(&now, &local) == nullptr ||
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local) == 0) {
        return "unknown-time";
    }
    return text;
}

// Moves the journal aside under a free name that says what it is; the new name's full path, or
// nothing and why (in `problem`) when it stays.
std::string moveJournalAside(FileStore& files, std::string_view label, std::string& problem) {
    const std::string stem =
        std::string(kSeasonJournalName) + "." + std::string(label) + "-" + timeStamp();
    for (int number = 1; number <= 100; ++number) {
        const std::string name = number == 1 ? stem : stem + "-" + std::to_string(number);
        if (files.exists(name)) continue;
        problem = files.moveAside(kSeasonJournalName, name);
        return problem.empty() ? files.resolve(name).string() : std::string();
    }
    problem = "移し先の名前がすべて使われています。";
    return {};
}

// A journal that cannot be used is never dropped: what it was to write may be the only trace of
// the saved season's hall-of-fame members and of the names its rookies took. It is moved aside
// for the player, and the season layer completes the season from the league's history.
void setJournalAside(League& league, FileStore& files, std::string reason, std::string_view label) {
    UnusableJournal note;
    note.year = league.CurrentYear;
    note.path = files.resolve(kSeasonJournalName).string();
    note.reason = std::move(reason);
    note.movedTo = moveJournalAside(files, label, note.whyItStays);
    league.UnusableSeasonJournal = std::move(note);
}

}  // namespace

std::string writeSeasonJournal(League& league, FileStore& files) {
    SeasonFileChanges& changes = league.SeasonFiles;
    // A journal already carried out whose removal failed, or an unusable one that could not be
    // moved aside, goes now: nothing is left to write from it.
    if (changes.empty())
        return files.exists(kSeasonJournalName) ? files.removeFile(kSeasonJournalName)
                                                : std::string();
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
    // Looked at before it is opened: a link is never followed and a FIFO never opened.
    switch (files.entryKind(kSeasonJournalName)) {
        case EntryKind::Missing:
            return;
        case EntryKind::Link:
            return setJournalAside(league, files, "ファイルではなく、リンクが置かれています。",
                                   "not-a-file");
        case EntryKind::Other:
            return setJournalAside(
                league, files, "通常のファイルではありません（フォルダーや特殊なファイルです）。",
                "not-a-file");
        case EntryKind::RegularFile:
            break;
    }
    const FileRead read = files.readFile(kSeasonJournalName);
    if (read.status == FileRead::Status::Missing) return;
    if (read.status == FileRead::Status::Failed) {
        return setJournalAside(league, files, read.problem, "unreadable");
    }
    const std::optional<SeasonJournal> journal = parseSeasonJournal(read.bytes);
    if (!journal) {
        return setJournalAside(
            league, files, "ファイルが壊れています（途中で切れているか、中身が変わっています）。",
            "damaged");
    }
    // A whole journal of a season that was never saved is dropped.
    if (journal->year != league.CurrentYear) {
        files.removeFile(kSeasonJournalName);
        return;
    }
    league.SeasonFiles = journal->changes;
    carryOutSeasonJournal(league, platform);
}

}  // namespace zelvano
