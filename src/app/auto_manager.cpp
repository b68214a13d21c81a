#include "app/auto_manager.h"

#include <string>

#include "league/registration.h"
#include "text/translation.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

std::string fullWidthDigits(int value) {
    std::string out;
    for (char digit : std::to_string(value)) {
        text::appendUtf8(out, U'０' + static_cast<char32_t>(digit - '0'));
    }
    return out;
}

// The number a label ends with, as in "選手名12", whatever words the language puts before it;
// 0 when it ends with none.
int numberAtEnd(const std::string& label) {
    std::size_t start = label.size();
    while (start > 0 && label[start - 1] >= '0' && label[start - 1] <= '9') --start;
    if (start == label.size() || label.size() - start > 4) return 0;
    return std::stoi(label.substr(start));
}

}  // namespace

Answer AutoManager::answer(const MessageRequest& request) {
    if (request.buttons == MessageButtons::Ok) return Answer::Ok;
    const std::string nextYear = text::fillIn(text::translated("{1}年目に進みますか？"),
                                              {std::to_string(league_.CurrentYear + 1)});
    if (request.title == "Zelvano 2004" && request.text == nextYear) {
        ++seasonsPlayed_;
        return seasonsPlayed_ < seasonsWanted_ ? Answer::Yes : Answer::No;
    }
    // Never a forced quit, and never an endless retry of a save that keeps failing.
    return Answer::No;
}

std::string AutoManager::input(const std::string& /*prompt*/, const std::string& /*title*/,
                               const std::string& /*initialText*/) {
    if (inputYear_ != league_.CurrentYear) {
        inputYear_ = league_.CurrentYear;
        inputsThisYear_ = 0;
    }
    ++inputsThisYear_;
    // The names are the league's: the same in any language, so that a seed plays the same league.
    return text::dataText("新人") + std::to_string(league_.CurrentYear) + "-" +
           std::to_string(inputsThisYear_);
}

bool AutoManager::actOnWizard(HeadlessRegistrationWizardView& wizard) {
    const int team = numberAtEnd(wizard.teamLabel);
    const int player = numberAtEnd(wizard.playerLabel);
    if (team < 1 || team > kTeams || player < 1 || player > kPlayers) return false;
    wizard.typeTeam(text::dataText("チーム") + fullWidthDigits(team));
    if (team == 1) wizard.typePlayer(defaultPlayerName(1, player));
    const std::string before = wizard.teamLabel + wizard.playerLabel;
    wizard.pressForward();
    // An entry the wizard refused would be refused again: give up instead of looping.
    return wizard.closed || wizard.teamLabel + wizard.playerLabel != before;
}

bool AutoManager::actOnOrder(HeadlessBattingOrderView& order) {
    // Without its shortcuts the window asks for a rookie's slot: he takes the first own slot
    // with the lowest displayed average.
    if (!order.sortVisible) {
        int weakest = 1;
        for (int player = 2; player <= kPlayers; ++player) {
            if (displayedAverage(league_, 1, player) < displayedAverage(league_, 1, weakest)) {
                weakest = player;
            }
        }
        return order.pressPlayer(weakest - 1);
    }
    if (order.pressSort()) return order.pressWholeOrder();
    return false;
}

bool AutoManager::act(HeadlessPlatform& platform) {
    if (auto* wizard = platform.registrationWizardView(); wizard != nullptr && !wizard->closed) {
        return actOnWizard(*wizard);
    }
    if (auto* report = platform.resultsReportView(); report != nullptr && report->visible) {
        return report->pressOk();
    }
    if (auto* order = platform.battingOrderView(); order != nullptr && !order->closed) {
        return actOnOrder(*order);
    }
    if (auto* game = platform.scoreboardView(); game != nullptr) return game->pressNext();
    return false;
}

}  // namespace zelvano
