#include "app/auto_manager.h"

#include <string>

#include "league/registration.h"
#include "text/utf8.h"

namespace zelvano {

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string fullWidthDigits(int value) {
    std::string out;
    for (char digit : std::to_string(value)) {
        text::appendUtf8(out, U'０' + static_cast<char32_t>(digit - '0'));
    }
    return out;
}

// The number after a label's prefix, as in "選手名12".
int numberAfter(const std::string& label, const std::string& prefix) {
    if (label.rfind(prefix, 0) != 0) return 0;
    try {
        return std::stoi(label.substr(prefix.size()));
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

Answer AutoManager::answer(const MessageRequest& request) {
    if (request.buttons == MessageButtons::Ok) return Answer::Ok;
    if (request.title == "Zelvano 2004" && endsWith(request.text, "年目に進みますか？")) {
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
    return "新人" + std::to_string(league_.CurrentYear) + "-" + std::to_string(inputsThisYear_);
}

bool AutoManager::actOnWizard(HeadlessWizardView& wizard) {
    const int team = numberAfter(wizard.teamLabel, "チーム名");
    const int player = numberAfter(wizard.playerLabel, "選手名");
    if (team < 1 || team > kTeams || player < 1 || player > kPlayers) return false;
    wizard.typeTeam("チーム" + fullWidthDigits(team));
    if (team == 1) wizard.typePlayer(defaultPlayerName(1, player));
    const std::string before = wizard.teamLabel + wizard.playerLabel;
    wizard.pressForward();
    // An entry the wizard refused would be refused again: give up instead of looping.
    return wizard.closed || wizard.teamLabel + wizard.playerLabel != before;
}

bool AutoManager::actOnOrder(HeadlessOrderView& order) {
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
    if (auto* wizard = platform.wizardView(); wizard != nullptr && !wizard->closed) {
        return actOnWizard(*wizard);
    }
    if (auto* report = platform.reportView(); report != nullptr && report->visible) {
        return report->pressOk();
    }
    if (auto* order = platform.orderView(); order != nullptr && !order->closed) {
        return actOnOrder(*order);
    }
    if (auto* game = platform.gameView(); game != nullptr) return game->pressNext();
    return false;
}

}  // namespace zelvano
