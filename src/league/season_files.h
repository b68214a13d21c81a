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

// Where lines go at the end of a file that only grows: its length before them, and the hash of
// the bytes just before that length, enough to tell that it is still the file they go into at the
// same cost at any length. (Journals of earlier versions hashed the whole file.)
struct AppendPoint {
    std::uint64_t length = 0;
    std::uint64_t hashedBytes = 0;  // how many bytes before `length` the hash covers
    std::uint64_t hash = 0;         // FNV-1a, 64 bits
    friend bool operator==(const AppendPoint&, const AppendPoint&) = default;
};
// How much of a file's end an append point hashes: its last lines, whatever its length.
inline constexpr std::size_t kAppendPointBytes = 4096;
// The append point at the end of `end`, the file's last bytes (up to kAppendPointBytes).
AppendPoint appendPointAfter(std::uint64_t length, std::string_view end);
// Whether the bytes before `point` are still those it was made of: `end` holds the file's last
// bytes, the file being `length` long. False when `end` does not reach back far enough.
bool stillBefore(const AppendPoint& point, std::uint64_t length, std::string_view end);

struct SeasonFileChanges {
    // Hall-of-fame records in code page 932, each ended with CR LF, in the order they were made.
    std::string hallOfFameRecords;
    // Where the records go in the hall of fame: its end when the first of them was journaled.
    // Unknown until then, or when the file could not be read.
    std::optional<AppendPoint> hallOfFameBefore;
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
