// A season's whole commit as runLeague makes it: the history's transaction, then the league
// file's save with its journal and the season's hall-of-fame member. A league plays for years:
// what a season costs must not grow with the seasons before it.
#include <benchmark/benchmark.h>

#include <fstream>
#include <optional>
#include <string>

#include "bench_support.h"
#include "folder_store/folder_file_store.h"
#include "history_support.h"
#include "league/league_folder.h"
#include "league/league_store.h"
#include "season/hall_of_fame.h"
#include "season/history/history_file.h"
#include "text/cp932.h"

namespace zelvano {
namespace {

using namespace bench;

std::string hallOfFameLine(Counter year) {
    return text::encodeCp932(hallOfFameRecord("新人" + std::to_string(year) + "-1", year, 313))
        .value_or(std::string());
}

// Three members in four seasons, as long as a played league's: 277 KB at 10,000 seasons.
void writeHallOfFame(const std::filesystem::path& folder, Counter seasons) {
    std::ofstream file(folder / kHallOfFameAppendName, std::ios::binary);
    for (Counter year = 1; year <= seasons; ++year) {
        if (year % 4 != 0) file << hallOfFameLine(year);
    }
}

// A folder in memory where there is one: the commit's own work, without the disk's flushes
// (BM_LeagueSaveOnDisk and BM_HistoryCommitOnDisk measure those).
std::filesystem::path inMemory() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

// On a league of range(0) seasons, with a history and a hall of fame as long.
void BM_SeasonCommitByAge(benchmark::State& state) {
    const ScratchFolder folder(inMemory());
    const auto seasons = static_cast<Counter>(state.range(0));
    SqliteDatabase db = openHistoryForWriting((folder.path() / "history.sqlite").string());
    testing::SyntheticLeague synthetic;
    writeSyntheticHistory(db, synthetic, seasons);
    db.execute("PRAGMA wal_checkpoint(TRUNCATE)");
    writeHallOfFame(folder.path(), seasons);
    state.counters["hall_of_fame_kB"] =
        static_cast<double>(std::filesystem::file_size(folder.path() / kHallOfFameAppendName)) /
        1000;

    BenchUser user(1);
    HeadlessPlatform platform(user, makeFolderFileStore(folder.path()), 1u);
    League league = newLeague();
    league.CurrentYear = seasons;
    saveLeague(league, platform);
    HistoryWriter writer(db);
    for (auto _ : state) {
        ++league.CurrentYear;
        league.SeasonFiles.hallOfFameRecords = hallOfFameLine(league.CurrentYear);
        writer.write(nullptr, {synthetic.season(league.CurrentYear)});
        saveLeague(league, platform);
    }
}
BENCHMARK(BM_SeasonCommitByAge)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelvano
