// The league file reader on any bytes. Whatever it accepts must be a league the program can keep
// playing: written back without a fault, and read again as the same league.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "league/league_file.h"

using namespace zelvano;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    League league;
    const League before = league;
    const LeagueFileRead read = parseLeagueFile(bytes, league);
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
