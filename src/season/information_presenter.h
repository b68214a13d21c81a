#pragma once
// The logic of the information window: the rosters with their marks and personal data, the five
// rankings, the hall-of-fame roster, the major-league loan, the owner's settings with the
// scouting list, and the about page. It opens the window (an InformationView) and fills each tab
// from the league when the tab or one of its buttons is used.
//
//   InformationPresenter information(league, platform);
//   information.openPlayersList();   // the scoreboard's button "選手一覧"
//   information.close();             // the season end closes it

#include <memory>
#include <utility>
#include <vector>

#include "league/league.h"
#include "platform/platform.h"
#include "season/history/league_history.h"

namespace zelvano {

class InformationPresenter final : public InformationEvents {
public:
    // With a history, the window leads to it and to a player's career.
    InformationPresenter(League& league, Platform& platform, LeagueHistory* history = nullptr)
        : league_(league), platform_(platform), history_(history) {}

    // Opens the window (anew when it is closed) on team 1's roster; returns at once.
    void openPlayersList();
    // A close by the program: nothing is asked.
    void close() { view_.reset(); }
    bool isOpen() const { return view_ != nullptr; }

    void tabSelected(int tab) override;
    void teamPressed(int index) override;
    void rosterLineActivated(int line) override;
    void rankingPressed(int index) override;
    void speedChanged(int value) override;
    void autoAdvanceClicked(bool checked) override;
    void renameUnlockClicked(bool checked) override;
    void teamNameEdited(int index, const std::string& text) override;
    void scoutPressed() override;
    void historyPressed() override;
    void careerPressed(int tab, int line) override;
    void closedByUser() override { view_.reset(); }

private:
    void fillPlayersList(int team);
    void fillHallOfFameRoster();
    void fillOwnerSettings();
    void showHistory(PlayerId career);
    void tellNoCareer(const std::string& text);

    League& league_;
    Platform& platform_;
    LeagueHistory* history_;
    std::unique_ptr<InformationView> view_;
    // The player of each line of the ranking shown.
    std::vector<std::pair<int, int>> rankingPlayers_;
    // Tells a window from the one opened after it, so that a ranking begun in a window that
    // was closed meanwhile never writes into the new one.
    unsigned opened_ = 0;
};

}  // namespace zelvano
