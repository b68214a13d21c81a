#include "league/season_commit.h"

#include <time.h>

#include <ctime>
#include <string>

#include "league/league_folder.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr const char* kHallOfFameTitle = text::textToTranslate("Zelvano／名球会");
constexpr const char* kRookieTitle = text::textToTranslate("Zelvano／新人登録");
constexpr const char* kTryAgain = text::textToTranslate(
    "リーグのデータは保存してあります。次のシーズンを保存するとき、または次に起動したときに、"
    "もう一度書き込みます。");

// The hall of fame's end, as much of it as tells whether it is still as the journal found it
// and what stands after that.
FileEnd hallOfFameEnd(FileStore& files, const SeasonFileChanges& changes) {
    const std::uint64_t before =
        changes.hallOfFameBefore ? changes.hallOfFameBefore->hashedBytes : 0;
    return files.readFileEnd(kHallOfFameFileName,
                             static_cast<std::size_t>(before) + changes.hallOfFameRecords.size());
}

// Whether the hall of fame is as the journal found it, followed by nothing, by part of the
// records (a write cut short) or by all of them: by nothing somebody else wrote.
bool asTheJournalFoundIt(const FileEnd& hall, const SeasonFileChanges& changes) {
    const std::optional<AppendPoint>& before = changes.hallOfFameBefore;
    if (!before || hall.length < before->length ||
        hall.length - before->length > changes.hallOfFameRecords.size() ||
        !stillBefore(*before, hall.length, hall.bytes)) {
        return false;
    }
    const std::string_view after =
        std::string_view(hall.bytes)
            .substr(hall.bytes.size() - static_cast<std::size_t>(hall.length - before->length));
    return changes.hallOfFameRecords.starts_with(after);
}

// Writes the records after the point the journal found, over whatever an earlier attempt left
// there, so they are in the file once and whole. Empty on success, else the reason.
std::string addHallOfFameRecords(FileStore& files, const SeasonFileChanges& changes) {
    const FileEnd hall = hallOfFameEnd(files, changes);
    if (hall.status == FileRead::Status::Failed) return hall.problem;
    const std::string& records = changes.hallOfFameRecords;
    if (asTheJournalFoundIt(hall, changes)) {
        return files.rewriteFileEnd(kHallOfFameAppendName, changes.hallOfFameBefore->length,
                                    records);
    }
    // Changed since by someone else: the records go at its end, unless they already end it.
    if (hall.bytes.ends_with(records)) return {};
    return files.rewriteFileEnd(kHallOfFameAppendName, hall.length, records);
}

// A season that was never saved leaves no line in the hall of fame, even where the disk kept a
// write made after the league file's save and lost the save itself.
void removeUnsavedHallOfFameRecords(FileStore& files, const SeasonFileChanges& changes) {
    if (changes.hallOfFameRecords.empty()) return;
    const FileEnd hall = hallOfFameEnd(files, changes);
    if (hall.status != FileRead::Status::Ok || !asTheJournalFoundIt(hall, changes)) return;
    if (hall.length > changes.hallOfFameBefore->length) {
        files.rewriteFileEnd(kHallOfFameAppendName, changes.hallOfFameBefore->length, "");
    }
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
    problem = text::translated("移し先の名前がすべて使われています。");
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
    // Where the records go. Records an earlier season could not write keep the point they were
    // journaled at: the new ones follow them.
    if (!changes.hallOfFameRecords.empty() && !changes.hallOfFameBefore) {
        const FileEnd hall = files.readFileEnd(kHallOfFameFileName, kAppendPointBytes);
        if (hall.status != FileRead::Status::Failed) {
            changes.hallOfFameBefore = appendPointAfter(hall.length, hall.bytes);
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
            platform.message(
                // Translators: {1} is the hall of fame file's full path, {2} why it could not be
                // written, {3} that it will be tried again.
                {text::fillIn(text::translated("名球会に入った選手を、名簿「{1}」に書き込めません"
                                               "でした。\n（{2}）\n\n{3}"),
                              {files.resolve(kHallOfFameAppendName).string(), problem,
                               text::translated(kTryAgain)}),
                 text::translated(kHallOfFameTitle), MessageIcon::Exclamation});
        }
    }
    if (changes.scoutingListAfter) {
        const std::string problem = rewriteScoutingList(files, changes);
        if (problem.empty()) {
            changes.scoutingListAfter.reset();
            changes.scoutingListBefore.reset();
        } else {
            allWritten = false;
            platform.message(
                // Translators: {1} is the rookie list's full path, {2} why it could not be
                // rewritten, {3} that it will be tried again.
                {text::fillIn(text::translated("新人の名簿「{1}」を書き換えられませんでした。\n"
                                               "（{2}）\n\n今シーズンに使った名前は、まだ名簿に"
                                               "残っています。{3}"),
                              {files.resolve(kScoutingListName).string(), problem,
                               text::translated(kTryAgain)}),
                 text::translated(kRookieTitle), MessageIcon::Exclamation});
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
            return setJournalAside(league, files,
                                   text::translated("ファイルではなく、リンクが置かれています。"),
                                   "not-a-file");
        case EntryKind::Other:
            return setJournalAside(
                league, files,
                text::translated(
                    "通常のファイルではありません（フォルダーや特殊なファイルです）。"),
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
            league, files,
            text::translated(
                "ファイルが壊れています（途中で切れているか、中身が変わっています）。"),
            "damaged");
    }
    // A whole journal of a season that was never saved is dropped.
    if (journal->year != league.CurrentYear) {
        removeUnsavedHallOfFameRecords(files, journal->changes);
        files.removeFile(kSeasonJournalName);
        return;
    }
    league.SeasonFiles = journal->changes;
    carryOutSeasonJournal(league, platform);
}

}  // namespace zelvano
