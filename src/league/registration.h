#pragma once
// A new league: every player starts with 3 hits in 10 at-bats, the rivals get default names, and
// the user enters the three team names and all ninety player names one at a time in the wizard.
//
//   registerNewLeague(league, platform);   // returns once the new league is saved

#include <string>

#include "league/league.h"
#include "platform/platform.h"

namespace zelvano {

void registerNewLeague(League& league, Platform& platform);

// Ｂ０１…Ｂ３０ for team 2, Ｃ０１…Ｃ３０ for team 3.
std::string defaultPlayerName(int team, int player);

// Starting figures of every slot and the rivals' default names; team 1's names stay empty.
void setUpNewLeague(League& league);

// The logic of the registration wizard: what its buttons and its close box do, and the entry it
// shows (team 1..3, player 1..30).
class RegistrationWizardPresenter final : public RegistrationWizardEvents {
public:
    RegistrationWizardPresenter(League& league, Platform& platform)
        : league_(league), platform_(platform) {}
    void attach(RegistrationWizardView& view) { view_ = &view; }

    void start();
    void forwardPressed() override;
    void backPressed() override;
    bool refuseUserClose() override;

private:
    void showEntry();
    void warn(const std::string& text);

    League& league_;
    Platform& platform_;
    RegistrationWizardView* view_ = nullptr;
    int team_ = 1;
    int player_ = 1;
};

}  // namespace zelvano
