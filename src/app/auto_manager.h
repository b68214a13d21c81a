#pragma once
// zelvano-sim's manager of team 1: it sorts and takes the best order before every own game,
// presses "次へ" after every game, closes the results report with "ＯＫ", names every rookie
// 新人<year>-<n> and puts him in the first own slot with the lowest displayed average, says yes
// to the next year until the seasons asked for are played, presses OK on every message, and
// registers the league it is asked to create.

#include "league/league.h"
#include "platform/headless/headless_platform.h"

namespace zelvano {

class AutoManager final : public HeadlessUser {
public:
    // seasonsWanted: how many years to play before answering No to the year question.
    AutoManager(const League& league, int seasonsWanted)
        : league_(league), seasonsWanted_(seasonsWanted) {}

    Answer answer(const MessageRequest& request) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& initialText) override;
    bool act(HeadlessPlatform& platform) override;

private:
    bool actOnWizard(HeadlessWizardView& wizard);
    bool actOnOrder(HeadlessOrderView& order);

    const League& league_;
    int seasonsWanted_;
    int seasonsPlayed_ = 0;
    int inputYear_ = -1;
    int inputsThisYear_ = 0;
};

}  // namespace zelvano
