#pragma once
// What the benchmarks on the disk share: a scratch folder removed afterwards, and a history of
// made-up seasons written in a moment.

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "season/history/history_writer.h"
#include "support/synthetic_seasons.h"

namespace zelvano::bench {

class ScratchFolder {
public:
    explicit ScratchFolder(
        const std::filesystem::path& within = std::filesystem::temp_directory_path()) {
        std::string pattern = within / "zelvano-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A history of `seasons` made-up seasons, written in one transaction: thousands in seconds.
inline void writeSyntheticHistory(SqliteDatabase& db, testing::SyntheticLeague& league,
                                  int seasons) {
    HistoryWriter writer(db);
    const HistoryBeginning beginning = league.beginning();
    std::vector<SeasonRecord> records;
    for (int year = 1; year <= seasons; ++year) records.push_back(league.season(year));
    writer.write(&beginning, records);
}

}  // namespace zelvano::bench
