#include "headless/headless_views.h"

#include "headless/headless_platform.h"

namespace zelvano {

HeadlessScoreboardView::HeadlessScoreboardView(HeadlessPlatform& owner, ScoreboardEvents& events)
    : owner_(owner), events_(events) {
    owner_.scoreboardView_ = this;
}

HeadlessScoreboardView::~HeadlessScoreboardView() {
    if (owner_.scoreboardView_ == this) owner_.scoreboardView_ = nullptr;
}

bool HeadlessScoreboardView::pressNext() {
    if (!nextVisible || closed) return false;
    events_.nextPressed();
    return true;
}

void HeadlessScoreboardView::tickTimer() {
    if (timerPeriodMs > 0 && !closed) events_.advanceTimerTicked();
}

bool HeadlessScoreboardView::closeByUser() {
    if (closed) return false;
    const bool stays = events_.refuseUserClose();
    if (!stays) closed = true;
    return stays;
}

HeadlessBattingOrderView::HeadlessBattingOrderView(HeadlessPlatform& owner,
                                                   BattingOrderEvents& events)
    : owner_(owner), events_(events) {
    buttonEnabled.fill(true);
    nameEnabled.fill(true);
    averageEnabled.fill(true);
    owner_.battingOrderView_ = this;
}

HeadlessBattingOrderView::~HeadlessBattingOrderView() {
    if (owner_.battingOrderView_ == this) owner_.battingOrderView_ = nullptr;
}

void HeadlessBattingOrderView::setPlayerRow(int index, const std::string& name, int average) {
    names.at(index) = name;
    averages.at(index) = average;
}

void HeadlessBattingOrderView::disablePlayer(int index, bool averageToo) {
    buttonEnabled.at(index) = false;
    nameEnabled.at(index) = false;
    if (averageToo) averageEnabled.at(index) = false;
    if (focusedPlayer == index) focusedPlayer = -1;
}

void HeadlessBattingOrderView::showWholeOrderButton(const std::string& text) {
    wholeOrderCaption = text;
    wholeOrderVisible = true;
    wholeOrderEnabled = true;
}

void HeadlessBattingOrderView::focusPlayer(int index) {
    if (index >= 0 && index < 30 && buttonEnabled[static_cast<std::size_t>(index)]) {
        focusedPlayer = index;
    }
}

bool HeadlessBattingOrderView::pressPlayer(int index) {
    if (closed || !buttonEnabled.at(index)) return false;
    focusedPlayer = index;  // a click gives the button the focus
    events_.playerPressed(index);
    return true;
}

bool HeadlessBattingOrderView::doubleClickName(int index) {
    if (closed || !nameEnabled.at(index)) return false;
    events_.playerNameDoubleClicked(index);
    return true;
}

bool HeadlessBattingOrderView::pressSort() {
    if (closed || !sortVisible || !sortEnabled) return false;
    events_.sortPressed();
    return true;
}

bool HeadlessBattingOrderView::pressWholeOrder() {
    if (closed || !wholeOrderVisible || !wholeOrderEnabled) return false;
    events_.wholeOrderPressed();
    return true;
}

bool HeadlessBattingOrderView::closeByUser() {
    if (closed) return false;
    const bool stays = events_.refuseUserClose();
    if (!stays) closed = true;
    return stays;
}

HeadlessResultsReportView::HeadlessResultsReportView(HeadlessPlatform& owner) : owner_(owner) {
    owner_.resultsReportView_ = this;
}

HeadlessResultsReportView::~HeadlessResultsReportView() {
    if (owner_.resultsReportView_ == this) owner_.resultsReportView_ = nullptr;
}

bool HeadlessResultsReportView::pressOk() {
    if (!visible) return false;
    visible = false;
    return true;
}

HeadlessInformationView::HeadlessInformationView(HeadlessPlatform& owner, InformationEvents& events)
    : owner_(owner), events_(events) {
    owner_.informationView_ = this;
}

HeadlessInformationView::~HeadlessInformationView() {
    if (owner_.informationView_ == this) owner_.informationView_ = nullptr;
}

bool HeadlessInformationView::selectTab(int tab) {
    if (tab < 0 || tab > 5) return false;
    currentTab = tab;
    events_.tabSelected(tab);
    return true;
}

bool HeadlessInformationView::pressTeam(int index) {
    if (currentTab != 0 || index < 0 || index > 2) return false;
    events_.teamPressed(index);
    return true;
}

bool HeadlessInformationView::doubleClickLine(int line) {
    if (currentTab != 0 || line >= static_cast<int>(rosterLines.size())) return false;
    events_.rosterLineActivated(line);
    return true;
}

bool HeadlessInformationView::pressRanking(int index) {
    if (currentTab != 1 || rankingBusy || index < 0 || index > 4) return false;
    events_.rankingPressed(index);
    return true;
}

bool HeadlessInformationView::moveSlider(int value) {
    if (currentTab != 4 || value < 0 || value > 9 || value == speed) return false;
    speed = value;
    events_.speedChanged(value);
    return true;
}

bool HeadlessInformationView::clickAutoAdvance() {
    if (currentTab != 4) return false;
    autoAdvance = !autoAdvance;
    events_.autoAdvanceClicked(autoAdvance);
    return true;
}

bool HeadlessInformationView::clickRename() {
    if (currentTab != 4) return false;
    renameUnlocked = !renameUnlocked;
    events_.renameUnlockClicked(renameUnlocked);
    return true;
}

bool HeadlessInformationView::typeTeamName(int index, const std::string& text) {
    if (currentTab != 4 || !teamNamesEnabled) return false;
    teamNameTexts.at(index) = text;
    events_.teamNameEdited(index, text);
    return true;
}

bool HeadlessInformationView::pressScout() {
    if (currentTab != 4) return false;
    events_.scoutPressed();
    return true;
}

bool HeadlessInformationView::pressHistory() {
    if (currentTab != 1) return false;
    events_.historyPressed();
    return true;
}

bool HeadlessInformationView::pressCareer(int line) {
    if (currentTab != 0 && currentTab != 1) return false;
    events_.careerPressed(currentTab, line);
    return true;
}

void HeadlessInformationView::closeByUser() { events_.closedByUser(); }

HeadlessRegistrationWizardView::HeadlessRegistrationWizardView(HeadlessPlatform& owner,
                                                               RegistrationWizardEvents& events)
    : owner_(owner), events_(events) {
    owner_.registrationWizardView_ = this;
}

HeadlessRegistrationWizardView::~HeadlessRegistrationWizardView() {
    if (owner_.registrationWizardView_ == this) owner_.registrationWizardView_ = nullptr;
}

bool HeadlessRegistrationWizardView::closeByUser() {
    if (closed) return false;
    const bool stays = events_.refuseUserClose();
    if (!stays) closed = true;
    return stays;
}

}  // namespace zelvano

namespace zelvano {

HeadlessOpeningDemoView::HeadlessOpeningDemoView(HeadlessPlatform& owner, OpeningDemoEvents& events)
    : owner_(owner), events_(events) {
    owner_.openingDemoView_ = this;
}

HeadlessOpeningDemoView::~HeadlessOpeningDemoView() {
    if (owner_.openingDemoView_ == this) owner_.openingDemoView_ = nullptr;
}

void HeadlessOpeningDemoView::setBackground(int red, int green, int blue) {
    record("background " + std::to_string(red) + ' ' + std::to_string(green) + ' ' +
           std::to_string(blue));
}

void HeadlessOpeningDemoView::record(const std::string& step) {
    owner_.demoSteps.push_back(std::to_string(owner_.sleptMs) + ' ' + step);
}

}  // namespace zelvano
