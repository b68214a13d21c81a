#pragma once
// "Zelvano -情報ウィンドウ": the non-modal window in which the player browses the rosters, the
// rankings, the hall of fame and the major-league news, changes the owner's settings and reads
// the about page, one tab each. Given the player's settings, the owner's page also offers the
// game's language (language_choice.h), which the window keeps in them itself. It shows the texts
// and lines the logic gives it and reports what the user does; values the logic sets are never
// reported back.
//
// The logic holds it through InformationWindowHandle (information_window_handle.h), which may let
// go of it at any moment, even from inside one of the window's own handlers: release() cuts the
// window off from its events and hides it, and the window is deleted once none of its handlers
// is running any more.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "platform/views.h"
#include "windows/history_window.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QStackedWidget;
class QTabBar;

namespace zelvano {

class ElidedLabel;
class SettingsStore;

class InformationWindow final : public QWidget, public InformationView {
public:
    explicit InformationWindow(InformationEvents& events, SettingsStore* settings = nullptr);
    ~InformationWindow() override;

    // No more reports; hidden at once and deleted later, when no handler of it is running.
    void release();
    bool released() const { return released_; }

    // InformationView
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
    // The history window, a window of its own that closes with this one
    // (information_window_history.cpp).
    void showHistory(std::shared_ptr<const HistorySource> source, PlayerId career) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One builder per tab (information_window_tabs.cpp); each places its controls on its page.
    void buildTabControl();
    void buildRosterTab(QWidget& page);
    void buildRankingTab(QWidget& page);
    void buildHallOfFameTab(QWidget& page);
    void buildMajorLeagueTab(QWidget& page);
    void buildOwnerTab(QWidget& page);
    void buildAboutTab(QWidget& page);
    void buildHistoryButtons(QWidget& rosterPage, QWidget& rankingPage);
    void showPage(int tab);

    // Passes one user action to the logic, unless the window was released.
    void report(const std::function<void(InformationEvents&)>& call);
    void reportRosterLine();
    void placeMarksLegend(const QString& line);

    InformationEvents* events_;  // null once released
    SettingsStore* settings_;    // null: no choice of the language
    int reporting_ = 0;          // handlers of this window now running, nested
    bool released_ = false;
    bool deleteScheduled_ = false;
    QPointer<QWidget> opener_;  // the window active when this one was shown

    QWidget* tabControl_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    std::array<QWidget*, 6> pages_{};

    ElidedLabel* rosterTitleLabel_ = nullptr;
    QLabel* rosterMarksLabel_ = nullptr;
    QListWidget* rosterList_ = nullptr;
    std::array<QPushButton*, 3> teamButtons_{};

    ElidedLabel* rankingTitleLabel_ = nullptr;
    QListWidget* rankingList_ = nullptr;
    std::array<QPushButton*, 5> rankingButtons_{};

    // "この選手の歩み" on the rosters (0) and the rankings (1); "リーグの歴史" on the rankings.
    std::array<QPushButton*, 2> careerButtons_{};
    QPushButton* historyButton_ = nullptr;
    QPointer<HistoryWindow> history_;

    QListWidget* hallOfFameList_ = nullptr;
    ElidedLabel* hallOfFameCountLabel_ = nullptr;

    QLabel* majorLeagueLabel_ = nullptr;

    QScrollBar* speedSlider_ = nullptr;
    QCheckBox* autoAdvanceCheck_ = nullptr;
    QCheckBox* renameCheck_ = nullptr;
    std::array<QLineEdit*, 3> teamNameEdits_{};

    QPlainTextEdit* aboutText_ = nullptr;
};

}  // namespace zelvano
