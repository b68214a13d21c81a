// The league file reader on any bytes. Whatever it accepts must be a league the program can keep
// playing: written back without a fault, and read again as the same league.
//
// An input that starts with the byte 0xFF (never the start of a league file) is a list of line
// edits on a sound league file instead, so that the fuzzer reaches every line's value without
// first having to keep 383 other lines sound: edits are separated by LF, each is two bytes that
// pick the line and the bytes that replace it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "league/league_file.h"
#include "league/registration.h"

using namespace zelvano;

namespace {

std::vector<std::string> soundLines() {
    League league;
    setUpNewLeague(league);
    league.TeamName = {"", "チーム１", "チーム２", "チーム３"};
    for (int player = 1; player <= kPlayers; ++player) {
        league.PlayerName[1][player] = defaultPlayerName(1, player);
    }
    const std::string bytes = leagueFileBytes(league);
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", pos);
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::string editedLeagueFile(std::string_view edits) {
    static const std::vector<std::string> sound = soundLines();
    std::vector<std::string> lines = sound;
    while (!edits.empty()) {
        const std::size_t end = edits.find('\n');
        const std::string_view edit = edits.substr(0, end);
        edits.remove_prefix(end == std::string_view::npos ? edits.size() : end + 1);
        if (edit.size() < 2) continue;
        const auto high = static_cast<unsigned char>(edit[0]);
        const auto low = static_cast<unsigned char>(edit[1]);
        lines[(high * 256u + low) % lines.size()] = edit.substr(2);
    }
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string edited;
    if (input.starts_with('\xFF')) {
        edited = editedLeagueFile(input.substr(1));
        input = edited;
    }
    League league;
    const League before = league;
    const LeagueFileRead read = parseLeagueFile(input, league);
    if (!read.ok) {
        FUZZ_CHECK(read.line >= 1 && read.line <= kLeagueFileLines);
        FUZZ_CHECK(!read.problem.empty());
        // A damaged file leaves the league untouched.
        FUZZ_CHECK(leagueFileBytes(league) == leagueFileBytes(before));
        return 0;
    }
    // The season end saves what was loaded: that must never fail or change the league.
    const std::string written = leagueFileBytes(league);
    League again;
    FUZZ_CHECK(parseLeagueFile(written, again).ok);
    FUZZ_CHECK(leagueFileBytes(again) == written);
    return 0;
}
