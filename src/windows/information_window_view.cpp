#include "windows/information_window_view.h"

#include <memory>

namespace zelvano {

// From here on Qt deletes the window, through the deleteLater of ZWInform::release.
InformationWindowView::InformationWindowView(InformationViewEvents& events)
    : window_(std::make_unique<ZWInform>(events).release()) {}

InformationWindowView::~InformationWindowView() {
    if (window_) window_->release();
}

void InformationWindowView::setCurrentTab(int tab) {
    if (window_) window_->setCurrentTab(tab);
}

void InformationWindowView::setTeamButtons(const std::array<std::string, 3>& names) {
    if (window_) window_->setTeamButtons(names);
}

void InformationWindowView::setRosterTitle(const std::string& text) {
    if (window_) window_->setRosterTitle(text);
}

void InformationWindowView::setRosterLines(const std::vector<std::string>& lines) {
    if (window_) window_->setRosterLines(lines);
}

void InformationWindowView::setRankingTitle(const std::string& text) {
    if (window_) window_->setRankingTitle(text);
}

void InformationWindowView::clearRanking() {
    if (window_) window_->clearRanking();
}

void InformationWindowView::addRankingLine(const std::string& text) {
    if (window_) window_->addRankingLine(text);
}

void InformationWindowView::setRankingBusy(bool busy) {
    if (window_) window_->setRankingBusy(busy);
}

void InformationWindowView::setHallOfFameLines(const std::vector<std::string>& lines) {
    if (window_) window_->setHallOfFameLines(lines);
}

void InformationWindowView::setHallOfFameCount(const std::string& text) {
    if (window_) window_->setHallOfFameCount(text);
}

void InformationWindowView::setMajorLeagueText(const std::string& text) {
    if (window_) window_->setMajorLeagueText(text);
}

void InformationWindowView::setSpeed(int value) {
    if (window_) window_->setSpeed(value);
}

void InformationWindowView::setAutoAdvance(bool checked) {
    if (window_) window_->setAutoAdvance(checked);
}

void InformationWindowView::setRenameUnlocked(bool checked) {
    if (window_) window_->setRenameUnlocked(checked);
}

void InformationWindowView::setTeamNameText(int index, const std::string& text) {
    if (window_) window_->setTeamNameText(index, text);
}

void InformationWindowView::setTeamNamesEnabled(bool enabled) {
    if (window_) window_->setTeamNamesEnabled(enabled);
}

void InformationWindowView::setAboutText(const std::string& text) {
    if (window_) window_->setAboutText(text);
}

void InformationWindowView::showNormal() {
    if (window_) window_->showNormal();
}

void InformationWindowView::showHistory(std::shared_ptr<const HistorySource> source,
                                        PlayerId career) {
    if (window_) window_->showHistory(std::move(source), career);
}

}  // namespace zelvano
