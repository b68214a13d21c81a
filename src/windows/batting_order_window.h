#pragma once
// "打者選考": the window in which the player sets the own team's batting order before a game, one
// slot at a time by clicking a player's number or double-clicking his name, or all at once with
// "前回と同順" / "ベスト打順"; it also asks for the slot a rookie takes. It reports clicks and
// double-clicks; which player may be picked, and what a pick means, is the logic's business.
//
//   auto view = std::make_unique<BattingOrderWindow>(events);   // the logic's BattingOrderEvents
//   view->setPlayerRow(0, "山田", 287);
//   view->show();

#include <array>

#include "platform/views.h"
#include "windows/closable_window.h"

class QLabel;
class QPushButton;

namespace zelvano {

class DoubleClickLabel;
class ElidedLabel;

class BattingOrderWindow final : public ClosableWindow, public BattingOrderView {
public:
    explicit BattingOrderWindow(BattingOrderEvents& events);

    // BattingOrderView
    void setMatchLine(const std::string& text) override;
    void setRosterTitle(const std::string& text) override;
    void setPlayerRow(int index, const std::string& name, int average) override;
    void disablePlayer(int index, bool averageToo) override;
    void setPrompt(const std::string& text) override;
    void showWholeOrderButton(const std::string& caption) override;
    void disableShortcuts() override;
    void hideShortcuts() override;
    void setCaption(const std::string& text) override;
    void focusPlayer(int index) override;
    void show() override;
    void closeByProgram() override;

protected:
    bool refuseUserClose() override;

private:
    void placeRow(int index);
    void describePlayerButtons();

    BattingOrderEvents& events_;
    ElidedLabel* matchLabel_ = nullptr;
    ElidedLabel* rosterTitleLabel_ = nullptr;
    std::array<QPushButton*, 30> playerButtons_{};
    std::array<DoubleClickLabel*, 30> playerNameLabels_{};
    std::array<ElidedLabel*, 30> playerAverageLabels_{};
    ElidedLabel* promptLabel_ = nullptr;
    QPushButton* wholeOrderButton_ = nullptr;
    QPushButton* sortButton_ = nullptr;
};

}  // namespace zelvano
