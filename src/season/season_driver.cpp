#include "season/season_driver.h"

#include <optional>
#include <string>

#include "game/lineups.h"
#include "game/own_lineup.h"
#include "game/play_game.h"
#include "game/scoreboard_text.h"
#include "league/league_store.h"
#include "season/hall_of_fame.h"
#include "season/history/season_files_repair.h"
#include "season/opening_demo.h"
#include "season/schedule.h"
#include "season/scoreboard_presenter.h"
#include "season/season_end.h"
#include "text/translation.h"

namespace zelvano {

namespace {

constexpr int kAutoAdvancePeriodMs = 15000;

void askForNextYear(League& league, Platform& platform) {
    const Answer answer = platform.message({text::fillIn(text::translated("{1}年目に進みますか？"),
                                                         {std::to_string(league.CurrentYear + 1)}),
                                            "Zelvano 2004", MessageIcon::Question,
                                            MessageButtons::YesNo, Answer::Yes});
    if (answer == Answer::No) league.KeepPlaying = false;
}

}  // namespace

SeasonPlayer::SeasonPlayer(League& league, Platform& platform, SeasonObserver* observer,
                           LeagueHistory* history)
    : league_(league),
      platform_(platform),
      observer_(observer),
      information_(league, platform, history),
      events_(league, platform, information_) {}

void SeasonPlayer::playSeason() {
    countUp(league_.CurrentYear);
    drawLoanNews(league_, platform_.random());
    startSchedule(league_);
    for (int team = 1; team <= kTeams; ++team) league_.SeasonMarks[team].clear();
    if (observer_ != nullptr) observer_->seasonStarted(league_);
    int gameNumber = 0;
    while (!scheduleOver(league_)) {
        for (int game = 1; game <= kGamesPerPairing; ++game) {
            league_.PairingGame = game;
            playOneGame(++gameNumber);
        }
        stepPairing(league_);
    }
    processSeasonEnd(league_, platform_, observer_, &information_);
}

void SeasonPlayer::playOneGame(int gameNumber) {
    drawLineups(league_, platform_.random());
    if (league_.PairingTeam1 == 1 || league_.PairingTeam2 == 1) chooseOwnLineup(league_, platform_);
    auto window = playGame(league_, platform_, events_);
    appendSeasonMarks(league_);
    if (platform_.showsGames()) showStandings(league_, *window);
    if (observer_ != nullptr) observer_->gamePlayed(league_, gameNumber);
    window->startAdvanceTimer(kAutoAdvancePeriodMs);
    window->showNextButton();
    league_.NextRequested = false;
    platform_.waitUntil([this] { return league_.NextRequested; });
    // A window maximised or minimised while it waited keeps that state for the next game.
    league_.GameWindowState = window->windowState();
    window->closeByProgram();
}

int runLeague(League& league, Platform& platform, SeasonObserver* observer,
              LeagueHistory* history) {
    try {
        league.KeepPlaying = true;
        showOpeningDemo(platform);
        loadLeague(league, platform);
        if (history != nullptr) history->takeLeague(league, platform);
        {
            // A journal found unusable at start: the saved season's other files from the history.
            const std::optional<HistoryReader> reader =
                history != nullptr ? history->reader() : std::nullopt;
            completeSeasonFilesFromHistory(league, platform, reader ? &*reader : nullptr);
        }
        ObserverPair observers(history != nullptr ? &history->recorder() : nullptr, observer);
        SeasonPlayer seasons(league, platform, &observers, history);
        while (league.KeepPlaying) {
            seasons.playSeason();
            // The history first: should the league file's save then fail, the next start drops
            // the season from the history again. It keeps the fingerprint of the file saved.
            const LeagueFileToSave file = leagueFileToSave(league);
            if (history != nullptr) history->commitSeason(league, platform, file.fingerprint);
            saveLeague(league, platform, file);
            askForNextYear(league, platform);
        }
        showHallOfFameList(platform);
        platform.message({text::translated("お疲れ様でした。また遊んでくださいね！"),
                          text::translated("Zelvano／終了"), MessageIcon::Information,
                          MessageButtons::Ok, Answer::Ok});
        return 0;
    } catch (const ProgramEnded& ended) {
        return ended.status;
    }
}

}  // namespace zelvano
