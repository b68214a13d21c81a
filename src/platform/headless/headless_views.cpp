#include "platform/headless/headless_views.h"

#include "platform/headless/headless_platform.h"

namespace zelvano {

HeadlessGameView::HeadlessGameView(HeadlessPlatform& owner, GameViewEvents& events)
    : owner_(owner), events_(events) {
    owner_.gameView_ = this;
}

HeadlessGameView::~HeadlessGameView() {
    if (owner_.gameView_ == this) owner_.gameView_ = nullptr;
}

bool HeadlessGameView::watched() const { return owner_.gamesWatched; }

bool HeadlessGameView::pressNext() {
    if (!nextVisible || closed) return false;
    events_.Command1_Click();
    return true;
}

void HeadlessGameView::tickTimer() {
    if (timerPeriodMs > 0 && !closed) events_.Timer1_Timer();
}

bool HeadlessGameView::closeByUser() {
    if (closed) return false;
    const bool stays = events_.Form_QueryUnload();
    if (!stays) closed = true;
    return stays;
}

HeadlessOrderView::HeadlessOrderView(HeadlessPlatform& owner, OrderViewEvents& events)
    : owner_(owner), events_(events) {
    buttonEnabled.fill(true);
    nameEnabled.fill(true);
    averageEnabled.fill(true);
    owner_.orderView_ = this;
}

HeadlessOrderView::~HeadlessOrderView() {
    if (owner_.orderView_ == this) owner_.orderView_ = nullptr;
}

void HeadlessOrderView::setPlayerRow(int index, const std::string& name, int average) {
    names.at(index) = name;
    averages.at(index) = average;
}

void HeadlessOrderView::disablePlayer(int index, bool averageToo) {
    buttonEnabled.at(index) = false;
    nameEnabled.at(index) = false;
    if (averageToo) averageEnabled.at(index) = false;
    if (focusedPlayer == index) focusedPlayer = -1;
}

void HeadlessOrderView::showWholeOrderButton(const std::string& text) {
    wholeOrderCaption = text;
    wholeOrderVisible = true;
    wholeOrderEnabled = true;
}

void HeadlessOrderView::focusPlayer(int index) {
    if (index >= 0 && index < 30 && buttonEnabled[static_cast<std::size_t>(index)]) {
        focusedPlayer = index;
    }
}

bool HeadlessOrderView::pressPlayer(int index) {
    if (closed || !buttonEnabled.at(index)) return false;
    focusedPlayer = index;  // a click gives the button the focus
    events_.Command1_Click(index);
    return true;
}

bool HeadlessOrderView::doubleClickName(int index) {
    if (closed || !nameEnabled.at(index)) return false;
    events_.Label3_DblClick(index);
    return true;
}

bool HeadlessOrderView::pressSort() {
    if (closed || !sortVisible || !sortEnabled) return false;
    events_.Command2_Click();
    return true;
}

bool HeadlessOrderView::pressWholeOrder() {
    if (closed || !wholeOrderVisible || !wholeOrderEnabled) return false;
    events_.Command3_Click();
    return true;
}

bool HeadlessOrderView::closeByUser() {
    if (closed) return false;
    const bool stays = events_.Form_QueryUnload();
    if (!stays) closed = true;
    return stays;
}

HeadlessReportView::HeadlessReportView(HeadlessPlatform& owner) : owner_(owner) {
    owner_.reportView_ = this;
}

HeadlessReportView::~HeadlessReportView() {
    if (owner_.reportView_ == this) owner_.reportView_ = nullptr;
}

bool HeadlessReportView::pressOk() {
    if (!visible) return false;
    visible = false;
    return true;
}

HeadlessInformationView::HeadlessInformationView(HeadlessPlatform& owner,
                                                 InformationViewEvents& events)
    : owner_(owner), events_(events) {
    owner_.informationView_ = this;
}

HeadlessInformationView::~HeadlessInformationView() {
    if (owner_.informationView_ == this) owner_.informationView_ = nullptr;
}

bool HeadlessInformationView::selectTab(int tab) {
    if (tab < 0 || tab > 5) return false;
    currentTab = tab;
    events_.SSTab1_Click(tab);
    return true;
}

bool HeadlessInformationView::pressTeam(int index) {
    if (currentTab != 0 || index < 0 || index > 2) return false;
    events_.ZWwhoCommand1_Click(index);
    return true;
}

bool HeadlessInformationView::doubleClickLine(int line) {
    if (currentTab != 0 || line >= static_cast<int>(rosterLines.size())) return false;
    events_.ZWWhoList1_DblClick(line);
    return true;
}

bool HeadlessInformationView::pressRanking(int index) {
    if (currentTab != 1 || rankingBusy || index < 0 || index > 4) return false;
    events_.rsCommand1_Click(index);
    return true;
}

bool HeadlessInformationView::moveSlider(int value) {
    if (currentTab != 4 || value < 0 || value > 9 || value == speed) return false;
    speed = value;
    events_.HScroll1_Change(value);
    return true;
}

bool HeadlessInformationView::clickAutoAdvance() {
    if (currentTab != 4) return false;
    autoAdvance = !autoAdvance;
    events_.zwsetCheck1_Click(autoAdvance);
    return true;
}

bool HeadlessInformationView::clickRename() {
    if (currentTab != 4) return false;
    renameUnlocked = !renameUnlocked;
    events_.zwsetCheck2_Click(renameUnlocked);
    return true;
}

bool HeadlessInformationView::typeTeamName(int index, const std::string& text) {
    if (currentTab != 4 || !teamNamesEnabled) return false;
    teamNameTexts.at(index) = text;
    events_.zwsetText1_Change(index, text);
    return true;
}

bool HeadlessInformationView::pressScout() {
    if (currentTab != 4) return false;
    events_.loCommand1_Click();
    return true;
}

bool HeadlessInformationView::pressHistory() {
    if (currentTab != 1) return false;
    events_.historyCommand_Click();
    return true;
}

bool HeadlessInformationView::pressCareer(int line) {
    if (currentTab != 0 && currentTab != 1) return false;
    events_.careerCommand_Click(currentTab, line);
    return true;
}

void HeadlessInformationView::closeByUser() { events_.Form_Unload(); }

HeadlessWizardView::HeadlessWizardView(HeadlessPlatform& owner, WizardViewEvents& events)
    : owner_(owner), events_(events) {
    owner_.wizardView_ = this;
}

HeadlessWizardView::~HeadlessWizardView() {
    if (owner_.wizardView_ == this) owner_.wizardView_ = nullptr;
}

bool HeadlessWizardView::closeByUser() {
    if (closed) return false;
    const bool stays = events_.Form_QueryUnload();
    if (!stays) closed = true;
    return stays;
}

}  // namespace zelvano

namespace zelvano {

HeadlessDemoView::HeadlessDemoView(HeadlessPlatform& owner, DemoViewEvents& events)
    : owner_(owner), events_(events) {
    owner_.demoView_ = this;
}

HeadlessDemoView::~HeadlessDemoView() {
    if (owner_.demoView_ == this) owner_.demoView_ = nullptr;
}

void HeadlessDemoView::setBackground(int red, int green, int blue) {
    record("background " + std::to_string(red) + ' ' + std::to_string(green) + ' ' +
           std::to_string(blue));
}

void HeadlessDemoView::record(const std::string& step) {
    owner_.demoSteps.push_back(std::to_string(owner_.sleptMs) + ' ' + step);
}

}  // namespace zelvano
