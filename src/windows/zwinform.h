#pragma once
// ZWInform, "Zelvano -情報ウィンドウ": the non-modal window with the rosters, the rankings, the
// hall of fame, the major-league news, the owner's settings and the about page, one tab each. It
// shows the texts and lines the logic gives it and reports what the user does; values the logic
// sets are never reported back.
//
// The logic holds it through InformationWindowView (information_window_view.h), which may let go
// of it at any moment, even from inside one of the window's own handlers: release() cuts the
// window off from its events and hides it, and the window is deleted once none of its handlers
// is running any more.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "platform/views.h"
#include "windows/history_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QStackedWidget;
class QTabBar;

namespace zelvano {

class TabIconPicture;

class ZWInform final : public QWidget, public InformationView {
public:
    explicit ZWInform(InformationViewEvents& events);
    ~ZWInform() override;

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
    // The history window, a window of its own that closes with this one (zwinform_history.cpp).
    void showHistory(std::shared_ptr<const HistorySource> source, PlayerId career) override;

    int currentTab() const;

    // The controls, by their names, for the tests.
    QWidget* SSTab1() const { return sstab1_; }
    QTabBar* SSTab1Bar() const { return tabBar_; }
    QWidget* SSTab1Page(int tab) const { return pages_.at(static_cast<std::size_t>(tab)); }
    TabIconPicture* TabIcon(int tab) const { return icons_.at(static_cast<std::size_t>(tab)); }
    QLabel* ZWwhoLabel1(int index) const { return zwwhoLabel1_.at(index); }
    QLabel* ZWwhoLabel2() const { return zwwhoLabel2_; }
    QListWidget* ZWWhoList1() const { return zwwhoList1_; }
    QPushButton* ZWwhoCommand1(int index) const { return zwwhoCommand1_.at(index); }
    QLabel* rsLabel1() const { return rsLabel1_; }
    QListWidget* rsList1() const { return rsList1_; }
    QPushButton* rsCommand1(int index) const { return rsCommand1_.at(index); }
    QListWidget* meiList1() const { return meiList1_; }
    QLabel* Label9() const { return label9_; }
    QLabel* Label10() const { return label10_; }
    QLabel* KankokuLabel() const { return kankokuLabel_; }
    QLabel* Label7() const { return label7_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label6() const { return label6_; }
    QScrollBar* HScroll1() const { return hScroll1_; }
    QCheckBox* zwsetCheck1() const { return zwsetCheck1_; }
    QCheckBox* zwsetCheck2() const { return zwsetCheck2_; }
    QLineEdit* zwsetText1(int index) const { return zwsetText1_.at(index); }
    QLabel* Label8(int index) const { return label8_.at(index); }
    QPushButton* loCommand1() const { return loCommand1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label4() const { return label4_; }
    QLabel* Label5() const { return label5_; }
    QPlainTextEdit* aboutText1() const { return aboutText1_; }
    // "この選手の歩み" on the rosters (0) and the rankings (1); "リーグの歴史" on the rankings.
    QPushButton* careerCommand(int tab) const { return careerCommand_.at(tab); }
    QPushButton* historyCommand() const { return historyCommand_; }
    HistoryWindow* historyWindow() const { return history_.data(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One builder per tab (zwinform_tabs.cpp); each places its controls on its page.
    void buildTabControl();
    void buildRosterTab(QWidget& page);
    void buildRankingTab(QWidget& page);
    void buildHallOfFameTab(QWidget& page);
    void buildMajorLeagueTab(QWidget& page);
    void buildOwnerTab(QWidget& page);
    void buildAboutTab(QWidget& page);
    void buildHistoryButtons(QWidget& rosterPage, QWidget& rankingPage);

    // Passes one user action to the logic, unless the window was released.
    void report(const std::function<void(InformationViewEvents&)>& call);
    void reportRosterLine();

    InformationViewEvents* events_;  // null once released
    int reporting_ = 0;              // handlers of this window now running, nested
    bool released_ = false;
    bool deleteScheduled_ = false;

    QWidget* sstab1_ = nullptr;
    QTabBar* tabBar_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    std::array<QWidget*, 6> pages_{};
    std::array<TabIconPicture*, 6> icons_{};

    std::array<QLabel*, 2> zwwhoLabel1_{};
    QLabel* zwwhoLabel2_ = nullptr;
    QListWidget* zwwhoList1_ = nullptr;
    std::array<QPushButton*, 3> zwwhoCommand1_{};

    QLabel* rsLabel1_ = nullptr;
    QListWidget* rsList1_ = nullptr;
    std::array<QPushButton*, 5> rsCommand1_{};

    QListWidget* meiList1_ = nullptr;
    QLabel* label9_ = nullptr;

    QLabel* label10_ = nullptr;
    QLabel* kankokuLabel_ = nullptr;

    QLabel* label7_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label6_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QCheckBox* zwsetCheck1_ = nullptr;
    QCheckBox* zwsetCheck2_ = nullptr;
    std::array<QLineEdit*, 3> zwsetText1_{};
    std::array<QLabel*, 3> label8_{};
    QPushButton* loCommand1_ = nullptr;

    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QPlainTextEdit* aboutText1_ = nullptr;

    std::array<QPushButton*, 2> careerCommand_{};
    QPushButton* historyCommand_ = nullptr;
    QPointer<HistoryWindow> history_;
};

}  // namespace zelvano
