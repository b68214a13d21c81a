#pragma once
// What the logic holds of the information window: a handle that passes every call on to the
// InformationWindow and lets go of it safely. The logic may destroy the handle at any moment,
// even from inside one of the window's own handlers (a close in the middle of a ranking); the
// window then stops reporting, disappears at once and is deleted when its handlers have returned.
//
//   std::unique_ptr<InformationView> view = std::make_unique<InformationWindowHandle>(events);
//   view->showNormal();
//   view.reset();   // safe here, and inside any InformationEvents call

#include <QPointer>

#include "platform/views.h"
#include "windows/information_window.h"

namespace zelvano {

class InformationWindowHandle final : public InformationView {
public:
    // With the player's settings, the window offers the choice of the game's language.
    explicit InformationWindowHandle(InformationEvents& events, SettingsStore* settings = nullptr);
    ~InformationWindowHandle() override;
    InformationWindowHandle(const InformationWindowHandle&) = delete;
    InformationWindowHandle& operator=(const InformationWindowHandle&) = delete;

    void setCurrentTab(int tab) override;
    void setTeamButtons(const std::array<std::string, 3>& names) override;
    void setRosterTitle(const std::string& text) override;
    void setRosterLines(const std::vector<std::string>& lines) override;
    void setRankingTitle(const std::string& text) override;
    void clearRanking() override;
    void addRankingLine(const std::string& text) override;
    void setRankingBusy(bool busy) override;
    void setHallOfFameLines(const std::vector<std::string>& lines) override;
    void setHallOfFameCount(const std::string& text) override;
    void setMajorLeagueText(const std::string& text) override;
    void setSpeed(int value) override;
    void setAutoAdvance(bool checked) override;
    void setRenameUnlocked(bool checked) override;
    void setTeamNameText(int index, const std::string& text) override;
    void setTeamNamesEnabled(bool enabled) override;
    void setAboutText(const std::string& text) override;
    void showNormal() override;
    void showHistory(std::shared_ptr<const HistorySource> source, PlayerId career) override;

private:
    QPointer<InformationWindow> window_;
};

}  // namespace zelvano
