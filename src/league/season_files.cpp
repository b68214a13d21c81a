#include "league/season_files.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace zelvano {

namespace {

// Version 1 (the first program's) has no check line: it is still read, as it always was. Versions
// 1 and 2 hash the whole hall of fame before its records; version 3 only its last bytes.
constexpr std::string_view kHeadingVersion1 = "Zelvano season journal 1\n";
constexpr std::string_view kHeadingVersion2 = "Zelvano season journal 2\n";
constexpr std::string_view kHeading = "Zelvano season journal 3\n";
// The last line of a version-2 or -3 journal: the FNV-1a hash of every byte before it, 16
// lowercase hexadecimal digits. A journal cut short, grown or changed anywhere no longer matches
// it, so a damaged journal is never taken for a whole one.
constexpr std::string_view kCheckWord = "check ";
constexpr std::size_t kCheckDigits = 16;

std::string checkLine(std::string_view content) {
    char digits[kCheckDigits + 1] = {};
    std::snprintf(digits, sizeof digits, "%016llx",
                  static_cast<unsigned long long>(fingerprintOf(content).hash));
    return std::string(kCheckWord) + digits + '\n';
}

// The content before a version-2 journal's check line, when the line is there and matches it.
std::optional<std::string_view> checkedContent(std::string_view bytes) {
    constexpr std::size_t lineLength = kCheckWord.size() + kCheckDigits + 1;
    if (bytes.size() < lineLength) return std::nullopt;
    const std::string_view content = bytes.substr(0, bytes.size() - lineLength);
    if (!content.ends_with('\n')) return std::nullopt;
    if (bytes.substr(content.size()) != checkLine(content)) return std::nullopt;
    return content;
}

void appendFingerprint(std::string& out, const std::optional<FileFingerprint>& fingerprint) {
    if (!fingerprint) {
        out += " -";
        return;
    }
    out += ' ' + std::to_string(fingerprint->length) + ':' + std::to_string(fingerprint->hash);
}

void appendAppendPoint(std::string& out, const std::optional<AppendPoint>& point) {
    if (!point) {
        out += " -";
        return;
    }
    out += ' ' + std::to_string(point->length) + ':' + std::to_string(point->hash) + ':' +
           std::to_string(point->hashedBytes);
}

// Reads the journal front to back; any surprise leaves it failed.
class JournalReader {
public:
    explicit JournalReader(std::string_view bytes) : rest_(bytes) {}

    bool literal(std::string_view expected) {
        if (!rest_.starts_with(expected)) return fail();
        rest_.remove_prefix(expected.size());
        return true;
    }
    template <typename Number>
    bool number(Number& out) {
        const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), out);
        if (error != std::errc{} || end == rest_.data()) return fail();
        rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        return true;
    }
    bool fingerprint(std::optional<FileFingerprint>& out) {
        if (!literal(" ")) return false;
        if (rest_.starts_with('-')) {
            rest_.remove_prefix(1);
            out.reset();
            return true;
        }
        FileFingerprint read;
        if (!number(read.length) || !literal(":") || !number(read.hash)) return false;
        out = read;
        return true;
    }
    // Version 3's " length:hash:hashed bytes"; before it, the hash was of the whole file.
    bool appendPoint(std::optional<AppendPoint>& out, bool wholeFileHashed) {
        std::optional<FileFingerprint> before;
        if (!fingerprint(before)) return false;
        out.reset();
        if (!before) return true;
        AppendPoint read{before->length, before->length, before->hash};
        if (!wholeFileHashed && (!literal(":") || !number(read.hashedBytes))) return false;
        if (read.hashedBytes > read.length) return fail();
        out = read;
        return true;
    }
    // A length, a line end, that many bytes and a line end.
    bool block(std::string& out) {
        std::size_t length = 0;
        if (!number(length) || !literal("\n") || rest_.size() < length) return fail();
        out.assign(rest_.substr(0, length));
        rest_.remove_prefix(length);
        return literal("\n");
    }
    bool startsWith(char c) const { return rest_.starts_with(c); }
    bool atEnd() const { return ok_ && rest_.empty(); }

private:
    bool fail() {
        ok_ = false;
        return false;
    }
    std::string_view rest_;
    bool ok_ = true;
};

}  // namespace

AppendPoint appendPointAfter(std::uint64_t length, std::string_view end) {
    const std::string_view hashed =
        end.substr(end.size() - std::min(end.size(), kAppendPointBytes));
    return {length, hashed.size(), fingerprintOf(hashed).hash};
}

bool stillBefore(const AppendPoint& point, std::uint64_t length, std::string_view end) {
    if (length < point.length || end.size() > length || point.hashedBytes > point.length) {
        return false;
    }
    const std::uint64_t endStarts = length - end.size();
    const std::uint64_t hashedStarts = point.length - point.hashedBytes;
    if (endStarts > hashedStarts) return false;
    const std::string_view hashed = end.substr(static_cast<std::size_t>(hashedStarts - endStarts),
                                               static_cast<std::size_t>(point.hashedBytes));
    return fingerprintOf(hashed).hash == point.hash;
}

FileFingerprint fingerprintOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return {bytes.size(), hash};
}

std::string seasonJournalBytes(std::int64_t year, const SeasonFileChanges& changes) {
    std::string out(kHeading);
    out += "year " + std::to_string(year) + "\n";
    out += "halloffame";
    appendAppendPoint(out, changes.hallOfFameBefore);
    out += ' ' + std::to_string(changes.hallOfFameRecords.size()) + '\n';
    out += changes.hallOfFameRecords + '\n';
    out += "scoutinglist";
    appendFingerprint(out, changes.scoutingListBefore);
    if (changes.scoutingListAfter) {
        out += ' ' + std::to_string(changes.scoutingListAfter->size()) + '\n';
        out += *changes.scoutingListAfter + '\n';
    } else {
        out += " -\n";
    }
    out += "end\n";
    out += checkLine(out);
    return out;
}

std::optional<SeasonJournal> parseSeasonJournal(std::string_view bytes) {
    std::string_view heading = kHeadingVersion1;
    for (const std::string_view checked : {kHeading, kHeadingVersion2}) {
        if (!bytes.starts_with(checked)) continue;
        const std::optional<std::string_view> content = checkedContent(bytes);
        if (!content) return std::nullopt;
        bytes = *content;
        heading = checked;
    }
    JournalReader reader(bytes);
    SeasonJournal journal;
    SeasonFileChanges& changes = journal.changes;
    const bool wholeFileHashed = heading != kHeading;
    if (!reader.literal(heading) || !reader.literal("year ") || !reader.number(journal.year) ||
        !reader.literal("\nhalloffame") ||
        !reader.appendPoint(changes.hallOfFameBefore, wholeFileHashed) || !reader.literal(" ") ||
        !reader.block(changes.hallOfFameRecords) || !reader.literal("scoutinglist") ||
        !reader.fingerprint(changes.scoutingListBefore) || !reader.literal(" ")) {
        return std::nullopt;
    }
    if (reader.startsWith('-')) {
        if (!reader.literal("-\n")) return std::nullopt;
    } else {
        std::string after;
        if (!reader.block(after)) return std::nullopt;
        changes.scoutingListAfter = std::move(after);
    }
    if (!reader.literal("end\n") || !reader.atEnd()) return std::nullopt;
    return journal;
}

}  // namespace zelvano
