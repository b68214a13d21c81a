#include "windows/information_window_handle.h"

#include <memory>

namespace zelvano {

// From here on Qt deletes the window, through the deleteLater of InformationWindow::release.
InformationWindowHandle::InformationWindowHandle(InformationEvents& events, SettingsStore* settings)
    : window_(std::make_unique<InformationWindow>(events, settings).release()) {}

InformationWindowHandle::~InformationWindowHandle() {
    if (window_) window_->release();
}

void InformationWindowHandle::setCurrentTab(int tab) {
    if (window_) window_->setCurrentTab(tab);
}

void InformationWindowHandle::setTeamButtons(const std::array<std::string, 3>& names) {
    if (window_) window_->setTeamButtons(names);
}

void InformationWindowHandle::setRosterTitle(const std::string& text) {
    if (window_) window_->setRosterTitle(text);
}

void InformationWindowHandle::setRosterLines(const std::vector<std::string>& lines) {
    if (window_) window_->setRosterLines(lines);
}

void InformationWindowHandle::setRankingTitle(const std::string& text) {
    if (window_) window_->setRankingTitle(text);
}

void InformationWindowHandle::clearRanking() {
    if (window_) window_->clearRanking();
}

void InformationWindowHandle::addRankingLine(const std::string& text) {
    if (window_) window_->addRankingLine(text);
}

void InformationWindowHandle::setRankingBusy(bool busy) {
    if (window_) window_->setRankingBusy(busy);
}

void InformationWindowHandle::setHallOfFameLines(const std::vector<std::string>& lines) {
    if (window_) window_->setHallOfFameLines(lines);
}

void InformationWindowHandle::setHallOfFameCount(const std::string& text) {
    if (window_) window_->setHallOfFameCount(text);
}

void InformationWindowHandle::setMajorLeagueText(const std::string& text) {
    if (window_) window_->setMajorLeagueText(text);
}

void InformationWindowHandle::setSpeed(int value) {
    if (window_) window_->setSpeed(value);
}

void InformationWindowHandle::setAutoAdvance(bool checked) {
    if (window_) window_->setAutoAdvance(checked);
}

void InformationWindowHandle::setRenameUnlocked(bool checked) {
    if (window_) window_->setRenameUnlocked(checked);
}

void InformationWindowHandle::setTeamNameText(int index, const std::string& text) {
    if (window_) window_->setTeamNameText(index, text);
}

void InformationWindowHandle::setTeamNamesEnabled(bool enabled) {
    if (window_) window_->setTeamNamesEnabled(enabled);
}

void InformationWindowHandle::setAboutText(const std::string& text) {
    if (window_) window_->setAboutText(text);
}

void InformationWindowHandle::showNormal() {
    if (window_) window_->showNormal();
}

void InformationWindowHandle::showHistory(std::shared_ptr<const HistorySource> source,
                                          PlayerId career) {
    if (window_) window_->showHistory(std::move(source), career);
}

}  // namespace zelvano
