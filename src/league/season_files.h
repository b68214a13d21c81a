#pragma once
// What a season end changes beside the league file: the records it adds to the hall of fame and
// what is left of the scouting list after the names its rookies took. Nothing of it reaches those
// files before the league file is saved; then a journal of it is written, the league is saved,
// and the journal is carried out (season_commit.h).
//
//   league.SeasonFiles.hallOfFameRecords += record;         // a retirement
//   std::string journal = seasonJournalBytes(year, league.SeasonFiles);
//   std::optional<SeasonJournal> read = parseSeasonJournal(journal);

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/counter.h"

namespace zelvano {

// Enough to tell whether a file is still what it was, without keeping a copy of it.
struct FileFingerprint {
    std::uint64_t length = 0;
    std::uint64_t hash = 0;  // FNV-1a, 64 bits
    friend bool operator==(const FileFingerprint&, const FileFingerprint&) = default;
};
FileFingerprint fingerprintOf(std::string_view bytes);

struct SeasonFileChanges {
    // Hall-of-fame records in code page 932, each ended with CR LF, in the order they were made.
    std::string hallOfFameRecords;
    // The hall of fame as it was when the journal was written: tells whether the records are
    // already in it. Unknown until then, or when the file could not be read.
    std::optional<FileFingerprint> hallOfFameBefore;
    // The scouting list as it was before the first name was taken, and what is left of it.
    std::optional<FileFingerprint> scoutingListBefore;
    std::optional<std::string> scoutingListAfter;

    bool empty() const { return hallOfFameRecords.empty() && !scoutingListAfter; }
};

// The journal: the league year it belongs to and the changes, with lengths before every part,
// so that texts of any bytes read back whole, and a last line that checks every byte before it.
std::string seasonJournalBytes(std::int64_t year, const SeasonFileChanges& changes);

struct SeasonJournal {
    std::int64_t year = 0;
    SeasonFileChanges changes;
};
// Nothing for anything but a whole journal as seasonJournalBytes writes it, or as the previous
// program wrote it (without the check line).
std::optional<SeasonJournal> parseSeasonJournal(std::string_view bytes);

// A journal found at start that could not be used: damaged, or something other than a readable
// file in its place. It is moved aside, never dropped; the season layer then completes the saved
// season's files from the league's history and tells the player (season_files_repair.h).
struct UnusableJournal {
    Counter year = 0;        // the league file's year: the saved season the journal may be of
    std::string path;        // the journal's full path
    std::string reason;      // why it could not be used, in Japanese
    std::string movedTo;     // the full path it was moved to; empty when it stays
    std::string whyItStays;  // why it could not be moved, in Japanese, when it stays
};

}  // namespace zelvano
