#pragma once
// The league's history as the game keeps it beside the league file: it knows every player by a
// lasting id, records each season while it is played, and writes it in one transaction right
// before the league file is saved. The league file's year is the truth: whatever the history
// holds beyond it (a season whose save failed, a crash between the two) is dropped at the next
// start, and that season is played again.
//
//   LeagueHistory history;                          // history.sqlite in the league folder
//   history.takeLeague(league, platform);          // once the league is loaded
//   ... the season, told to history.recorder() ...
//   history.commitSeason(league, platform);        // right before saveLeague
//
// A history that cannot be opened or written is told to the player; the league plays and saves
// as ever, and the seasons it could not keep are missing from it.

#include <optional>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/platform.h"
#include "season/history/game_history_reader.h"
#include "season/history/history_reader.h"
#include "season/history/history_snapshot.h"
#include "season/history/history_writer.h"
#include "season/history/season_recorder.h"
#include "season/history/sqlite_database.h"

namespace zelvano {

class LeagueHistory {
public:
    // Without a path, the file history.sqlite in the league folder; ":memory:" keeps it in
    // memory.
    explicit LeagueHistory(std::optional<std::string> path = std::nullopt)
        : path_(std::move(path)) {}

    // Opens the history, drops what lies beyond the league's year, and gives every player his
    // id: from the rosters the history kept of that year, or new ones when it has none (an old
    // league, a copied league file, a new league), from which the history then begins.
    void takeLeague(League& league, Platform& platform);

    SeasonObserver& recorder() { return recorder_; }

    // Writes the season just played, with any an earlier failure kept back, in one transaction;
    // with the fingerprint of the league file about to be saved, when the save has made it.
    void commitSeason(const League& league, Platform& platform,
                      std::optional<FileFingerprint> leagueFile = std::nullopt);

    // For the windows: the history up to the league's saved year; nothing when there is none.
    std::optional<HistoryReader> reader();
    // The same history's games.
    std::optional<GameHistoryReader> gameReader();
    // The history file's full path, as the player's messages name it.
    const std::string& shownPath() const { return shownPath_; }

private:
    void begin(League& league, Platform& platform, bool knewEarlierYears);

    // Across seasons the history missed: the players it knew in the same slots at the end of
    // the last year it kept, and what they gained since.
    struct Resumed {
        std::optional<Counter> knownUntil;
        PerPlayer<PlayerId> ids{};
        std::vector<PlayerGap> gaps;
    };
    Resumed resumeAcrossGap(const League& league, HistoryWriter& writer);
    // The message's first sentences: the seasons the history misses before `year`.
    std::string missedText(Counter year) const;
    void tell(Platform& platform, const std::string& text, MessageIcon icon);
    // A history that cannot be written is still shown: opened for reading, and the player told
    // once that new seasons will not be recorded, and why. False when it cannot be read either.
    bool showWithoutWriting(Platform& platform, const SqliteError& whyNot);
    // The players' ids from the read-only history's roster of the league's year, when it
    // belongs to the league file.
    bool takeIdsFromReadOnly(League& league);
    enum class AsideReason { AnotherLeague, OlderLeagueFile };
    // Copies the history into a new file beside it and tells the player where; another
    // league's is then emptied here. Throws HistoryProblem, having changed nothing, when it
    // cannot.
    void setAside(HistoryWriter& writer, Platform& platform, AsideReason reason);
    // A new name in the folder that says what the file holds and when it was set aside.
    std::string asideName();

    std::optional<std::string> path_;
    std::string shownPath_;
    std::optional<SqliteDatabase> db_;
    std::optional<HistoryWriter> writer_;
    std::optional<ReadOnlyHistory> readOnly_;  // a history shown without being written
    bool writable_ = false;
    bool toldWriteFailure_ = false;
    bool setAsideTold_ = false;
    Counter savedYear_ = 0;
    SeasonRecorder recorder_;
    std::optional<HistoryBeginning> beginning_;
    std::vector<SeasonRecord> pending_;
    Resumed resumed_;  // played and saved, but not yet written
};

// The ids from a roster the history kept, when it belongs to the league file as it stands;
// false otherwise.
bool takeIdsFromRoster(League& league, const std::optional<RosterIds>& roster);

}  // namespace zelvano
