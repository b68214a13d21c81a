#pragma once
// What the logic holds of the information window: a handle that passes every call on to the
// ZWInform window and lets go of it safely. The logic may destroy the handle at any moment, even
// from inside one of the window's own handlers (a close in the middle of a ranking); the window
// then stops reporting, disappears at once and is deleted when its handlers have returned.
//
//   std::unique_ptr<InformationView> view = std::make_unique<InformationWindowView>(events);
//   view->showNormal();
//   view.reset();   // safe here, and inside any InformationViewEvents call

#include <QPointer>

#include "platform/views.h"
#include "windows/zwinform.h"

namespace zelvano {

class InformationWindowView final : public InformationView {
public:
    explicit InformationWindowView(InformationViewEvents& events);
    ~InformationWindowView() override;
    InformationWindowView(const InformationWindowView&) = delete;
    InformationWindowView& operator=(const InformationWindowView&) = delete;

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

    // The window, while it exists; for the tests.
    ZWInform* window() const { return window_.data(); }

private:
    QPointer<ZWInform> window_;
};

}  // namespace zelvano
