#pragma once
// The information window: the rosters with their marks and personal data, the five rankings,
// the hall-of-fame roster, the major-league loan, the owner's settings with the scouting list,
// and the about page. Every view is filled from the league when its tab or button is used.
//
//   InformationWindow information(league, platform);
//   information.OpenPlayersList();   // the game window's icon button
//   information.close();             // the season end closes it

#include <memory>
#include <utility>
#include <vector>

#include "league/league.h"
#include "platform/platform.h"
#include "season/history/league_history.h"

namespace zelvano {

class InformationWindow final : public InformationViewEvents {
public:
    // With a history, the window leads to it and to a player's career.
    InformationWindow(League& league, Platform& platform, LeagueHistory* history = nullptr)
        : league_(league), platform_(platform), history_(history) {}

    // Opens the window (anew when it is closed) on team 1's roster; returns at once.
    void OpenPlayersList();
    // A close by the program: nothing is asked.
    void close() { view_.reset(); }
    bool isOpen() const { return view_ != nullptr; }

    void SSTab1_Click(int tab) override;
    void ZWwhoCommand1_Click(int index) override;
    void ZWWhoList1_DblClick(int line) override;
    void rsCommand1_Click(int index) override;
    void HScroll1_Change(int value) override;
    void zwsetCheck1_Click(bool checked) override;
    void zwsetCheck2_Click(bool checked) override;
    void zwsetText1_Change(int index, const std::string& text) override;
    void loCommand1_Click() override;
    void historyCommand_Click() override;
    void careerCommand_Click(int tab, int line) override;
    void Form_Unload() override { view_.reset(); }

private:
    void FillPlayersList(int team);
    void MeikyuukaiMeibo();
    void LeagOwnSet();
    void showHistory(PlayerId career);

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
