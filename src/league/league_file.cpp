#include "league/league_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "league/league_file_fields.h"
#include "league/string_field.h"
#include "text/cp932.h"
#include "text/field_reader.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr const char* kLineEnd = "\r\n";

template <typename T>
constexpr bool kIsText = std::is_same_v<std::remove_cvref_t<T>, std::string>;

// A sign place (space or minus), the digits, one trailing space.
void appendIntegerLine(std::string& out, Counter value) {
    if (value >= 0) out += ' ';
    out += std::to_string(value);  // brings its own minus sign
    out += ' ';
    out += kLineEnd;
}

void appendTextLine(std::string& out, const std::string& value, const LeagueFieldPlace& place) {
    std::optional<std::string> bytes = text::encodeCp932(value);
    if (!bytes || !readsBackUnchanged(value)) {
        throw std::logic_error(text::fillIn(
            text::translated(
                // Translators: {1} is the line's number, {2} what the value is, {3} the text
                // itself.
                "データファイルの{1}行目（{2}）に、そのままでは書けない文字列「{3}」があります"),
            {std::to_string(place.line), describeLeagueField(place), value}));
    }
    out += *bytes;
    out += kLineEnd;
}

// The first kLeagueFileLines lines of the file, each with its line end; the last one may lack it
// when the file was cut inside that line.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < bytes.size() && lines.size() < static_cast<std::size_t>(kLeagueFileLines)) {
        // No byte of a two-byte character is an LF, so the raw bytes can be cut at it.
        const std::size_t lineFeed = bytes.find('\n', pos);
        const std::size_t end = lineFeed == std::string_view::npos ? bytes.size() : lineFeed + 1;
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end;
    }
    return lines;
}

LeagueFileRead fault(int line, std::string problem) { return {false, line, std::move(problem)}; }

// `problem` is translated and has the place of the value's description, {1}.
LeagueFileRead faultAt(const LeagueFieldPlace& place, const char* problem) {
    return fault(place.line, text::fillIn(problem, {describeLeagueField(place)}));
}

// A count that breaks the league's rules would divide by zero or give averages above 1 later.
// The problem as faultAt takes it, or null.
const char* brokenCount(const League& league, const LeagueFieldPlace& place) {
    if (place.field == LeagueField::AtBats && league.AtBats[place.team][place.player] < 1) {
        // Translators: {1} says which value it is, "the at-bats of team 2, player 5".
        return text::translated("打数が1未満です（{1}）");
    }
    if (place.field == LeagueField::Hits) {
        const Counter hits = league.Hits[place.team][place.player];
        if (hits < 0) return text::translated("安打数が0未満です（{1}）");
        if (hits > league.AtBats[place.team][place.player]) {
            return text::translated("安打数が打数を超えています（{1}）");
        }
    }
    return nullptr;
}

void takePersistentPart(League& to, League&& from) {
    to.CurrentYear = from.CurrentYear;
    to.TeamName = std::move(from.TeamName);
    to.PlayerName = std::move(from.PlayerName);
    to.AtBats = from.AtBats;
    to.Hits = from.Hits;
    to.EntryYear = from.EntryYear;
    to.LeagueRecord = from.LeagueRecord;
    to.LeagueRecordText = std::move(from.LeagueRecordText);
}

}  // namespace

std::string leagueFileBytes(const League& league) {
    std::string out;
    visitLeagueFields(league, [&out](const auto& value, const LeagueFieldPlace& place) {
        if constexpr (kIsText<decltype(value)>) {
            appendTextLine(out, value, place);
        } else {
            appendIntegerLine(out, value);
        }
        return true;
    });
    return out;
}

LeagueFileRead parseLeagueFile(std::string_view bytes, League& league) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    const int lineCount = static_cast<int>(lines.size());

    // Decoded line by line, so that a byte that is not code page 932 is reported on its line.
    std::string decoded;
    decoded.reserve(bytes.size() * 3 / 2);
    for (int index = 0; index < lineCount; ++index) {
        std::string_view line = lines[index];
        if (line.ends_with('\n')) line.remove_suffix(line.ends_with("\r\n") ? 2 : 1);
        // The reader would take a CR of its own for a line end, and count lines differently.
        if (line.find('\r') != std::string_view::npos) {
            return fault(index + 1, text::translated("行の途中に改行の文字（CR）があります"));
        }
        const std::optional<std::string> utf8 = text::decodeCp932(line);
        if (!utf8) {
            return fault(
                index + 1,
                text::translated("Shift_JIS（コードページ932）として読めない文字があります"));
        }
        decoded += *utf8;
        decoded += kLineEnd;
    }

    text::FieldReader reader(decoded);
    League read = league;
    LeagueFileRead result{true, 0, {}};
    visitLeagueFields(read, [&](auto& value, const LeagueFieldPlace& place) {
        if (place.line > lineCount) {
            const char* pattern = text::translatedCount(
                // Translators: {1} is the number of lines a league file has, {2} how many it had.
                "ファイルが途中で終わっています（{1}行必要なところ、{2}行しかありません）",
                "ファイルが途中で終わっています（{1}行必要なところ、{2}行しかありません）",
                static_cast<std::uint64_t>(lineCount));
            result = fault(place.line, text::fillIn(pattern, {std::to_string(kLeagueFileLines),
                                                              std::to_string(lineCount)}));
            return false;
        }
        text::FieldReader::Status status;
        if constexpr (kIsText<decltype(value)>) {
            status = reader.readString(value);
        } else {
            status = reader.readInteger(value);
        }
        // One value a line: a comma or a stray line end puts the reader on another line than the
        // value belongs to, and every value after it would be taken for the wrong one.
        if (status != text::FieldReader::Status::EndOfFile && reader.lineNumber() != place.line) {
            result = fault(
                std::min(reader.lineNumber(), place.line),
                text::translated("1行に1つの値が入るべきところ、コンマなどで値がずれています"));
            return false;
        }
        switch (status) {
            case text::FieldReader::Status::Ok:
                break;
            case text::FieldReader::Status::EndOfFile:
                result = faultAt(place, text::translated("値が入るべき行がありません（{1}）"));
                return false;
            case text::FieldReader::Status::NotANumber:
                result = faultAt(
                    place, text::translated("数値が入るべき行に数値以外の文字があります（{1}）"));
                return false;
        }
        // A quoted value may hold what a name cannot (a comma, leading spaces): the league would
        // load, but no season of it could ever be saved again.
        if constexpr (kIsText<decltype(value)>) {
            if (!readsBackUnchanged(value)) {
                result = faultAt(place, text::translated("コンマや先頭の空白を含み、このままでは"
                                                         "保存し直せない文字列です（{1}）"));
                return false;
            }
        }
        // Beyond the limit a figure overflows or never lets a game end: no league gets there
        // by playing, so it was edited by hand.
        if constexpr (!kIsText<decltype(value)>) {
            if (value > kCounterLimit || value < -kCounterLimit) {
                result = fault(
                    place.line,
                    // Translators: {1} says which value it is, {2} is the largest one allowed.
                    text::fillIn(text::translated("数値が大きすぎます（{1}、上限は{2}です）"),
                                 {describeLeagueField(place), std::to_string(kCounterLimit)}));
                return false;
            }
        }
        if (const char* problem = brokenCount(read, place)) {
            result = faultAt(place, problem);
            return false;
        }
        return true;
    });
    if (result.ok) takePersistentPart(league, std::move(read));
    return result;
}

}  // namespace zelvano
