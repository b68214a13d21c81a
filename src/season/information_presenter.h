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

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

class InformationPresenter final : public InformationEvents {
public:
    InformationPresenter(League& league, Platform& platform)
        : league_(league), platform_(platform) {}

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
    void closedByUser() override { view_.reset(); }

private:
    void fillPlayersList(int team);
    void fillHallOfFameRoster();
    void fillOwnerSettings();

    League& league_;
    Platform& platform_;
    std::unique_ptr<InformationView> view_;
    // Tells a window from the one opened after it, so that a ranking begun in a window that
    // was closed meanwhile never writes into the new one.
    unsigned opened_ = 0;
};

}  // namespace zelvano
