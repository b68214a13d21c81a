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

void HeadlessOrderView::setPlayerRow(int index, const std::string& button, const std::string& name,
                                     const std::string& average) {
    buttons.at(index) = button;
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
