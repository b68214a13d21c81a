#pragma once
// What the benchmarks share: a user who plays on without a pause, the league file kept in memory,
// and a new league.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "headless/headless_platform.h"
#include "league/registration.h"

namespace zelvano::bench {

// Takes the sorted best order, presses "次へ", closes the report, puts rookies in slot 1;
// plays `seasons` years.
class BenchUser final : public HeadlessUser {
public:
    explicit BenchUser(int seasons) : seasons_(seasons) {}
    Answer answer(const MessageRequest& request) override {
        if (request.buttons == MessageButtons::Ok) return Answer::Ok;
        return ++asked_ < seasons_ ? Answer::Yes : Answer::No;
    }
    std::string input(const std::string&, const std::string&, const std::string&) override {
        return "新人";
    }
    bool act(HeadlessPlatform& platform) override {
        if (auto* report = platform.resultsReportView(); report && report->visible) {
            return report->pressOk();
        }
        if (auto* order = platform.battingOrderView(); order && !order->closed) {
            if (!order->sortVisible) return order->pressPlayer(0);
            return order->pressSort() && order->pressWholeOrder();
        }
        return platform.scoreboardView() != nullptr && platform.scoreboardView()->pressNext();
    }

private:
    int seasons_;
    int asked_ = 0;
};

inline bool isLeague(std::string_view name) { return name == "Jbball.jdt" || name == "Jbball.Jdt"; }

// Files kept in memory, so the benchmark measures the league and not the disk.
class MemoryFiles final : public FileStore {
public:
    std::string league;
    FileRead readFile(std::string_view name) override {
        if (!isLeague(name)) return {};
        return {FileRead::Status::Ok, league, {}};
    }
    std::string replaceFile(std::string_view name, std::string_view bytes) override {
        if (isLeague(name)) league = bytes;
        return {};
    }
    std::string replaceFileThrough(std::string_view name, std::string_view,
                                   std::string_view bytes) override {
        return replaceFile(name, bytes);
    }
    // The hall of fame is not kept: a benchmark measures the league, not the disk.
    std::string appendFile(std::string_view, std::string_view) override { return {}; }
    FileEnd readFileEnd(std::string_view, std::size_t) override { return {}; }
    std::string rewriteFileEnd(std::string_view, std::uint64_t, std::string_view) override {
        return {};
    }
    bool exists(std::string_view name) override { return isLeague(name); }
    EntryKind entryKind(std::string_view name) override {
        return isLeague(name) ? EntryKind::RegularFile : EntryKind::Missing;
    }
    std::string moveAside(std::string_view, std::string_view) override { return {}; }
    std::string removeFile(std::string_view) override { return {}; }
    std::filesystem::path resolve(std::string_view name) override { return name; }
    FolderLock lockFolder(const FolderClaim&) override { return {FolderLock::Status::Taken, {}}; }
};

inline League newLeague() {
    League league;
    setUpNewLeague(league);
    league.TeamName = {"", "チーム１", "チーム２", "チーム３"};
    for (int player = 1; player <= kPlayers; ++player) {
        league.PlayerName[1][player] = defaultPlayerName(1, player);
    }
    return league;
}

}  // namespace zelvano::bench
