#pragma once
// "Zelvano -リーグの歴史": the league's history in six tabs, opened from the information window.
// 歴代優勝 (the champions year by year), シーズン (one season's page), トレード・移籍 (the
// transaction log, by team), 選手の歩み (a player's career season by season, with a chart of his
// averages and his games of a season), 通算記録 (the all-time records) and チーム打率の推移 (a
// chart of the three team averages). A game of a season's page or of a player's season opens in
// place of the tabs, and 「戻る」 brings them back as they were. It lays out the pages its source
// works out and keeps no rule of its own.
//
// A page is asked of the source when it is first shown, not when the window opens: a history of
// ten thousand seasons opened on one player's career reads that career and nothing else.
//
//   auto* window = new HistoryWindow(source, parent);   // a window of its own, owned by parent
//   window->showCareer(id);                              // deleted when it closes

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "platform/history_view.h"

class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTableView;
class QTabWidget;

namespace zelvano {

class HistoryGamePage;
class HistoryTableModel;

class HistoryWindow final : public QWidget {
public:
    HistoryWindow(std::shared_ptr<const HistorySource> source, QWidget* parent);

    // Takes a newer source (the league has played on); each page is filled again when shown.
    void setSource(std::shared_ptr<const HistorySource> source);
    // Turns to a player's career; 0 leaves the page as it is.
    void showCareer(PlayerId id);
    void showSeason(Counter year);
    // A game's page in place of the tabs, until the player goes back.
    void showGame(Counter year, int number);

    enum Tab { Champions, Season, Moves, Career, Records, TeamChart };

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildChampionsTab();
    QWidget* buildSeasonTab();
    QWidget* buildMovesTab();
    QWidget* buildCareerTab();
    QWidget* buildGameLog(QWidget* parent);
    QWidget* buildRecordsTab();
    QWidget* buildTeamChartTab();
    void buildTabKeys();
    void fillTab(int tab);
    void fillChampions();
    void fillSeasonYears();
    void fillSeason();
    void fillMoveTeams();
    void fillMoves();
    void fillCareer();
    void fillGameLog();
    void openSeasonGame();
    void showTabs();
    void fillRecords();
    void showRecordsSection(int section);
    void fillTeamChart();
    const std::vector<Counter>& years();

    std::shared_ptr<const HistorySource> source_;
    std::array<bool, 6> filled_{};
    std::vector<Counter> years_;
    bool yearsRead_ = false;
    std::vector<RecordsSection> records_;
    std::vector<int> seasonGames_;  // the game of each row of the games table
    std::vector<int> logGames_;     // likewise of the game log
    QPointer<QWidget> beforeGame_;  // where the keyboard was when a game opened

    QStackedWidget* pages_ = nullptr;  // the tabs, or a game
    HistoryGamePage* gamePage_ = nullptr;

    QTabWidget* tabs_ = nullptr;
    QLabel* knownSince_ = nullptr;
    QTableView* champions_ = nullptr;
    QComboBox* seasonYear_ = nullptr;
    QLabel* seasonTitle_ = nullptr;
    QTableView* standings_ = nullptr;
    QTableView* games_ = nullptr;
    QPushButton* gameButton_ = nullptr;
    QTableView* milestones_ = nullptr;
    QTableView* report_ = nullptr;
    QTableView* seasonMoves_ = nullptr;
    QComboBox* moveTeam_ = nullptr;
    QTableView* moves_ = nullptr;
    QLabel* careerTitle_ = nullptr;
    QTableView* career_ = nullptr;
    QChartView* careerChart_ = nullptr;
    QComboBox* logYear_ = nullptr;
    QLabel* logTitle_ = nullptr;
    QTableView* gameLog_ = nullptr;
    QListWidget* recordsSections_ = nullptr;
    QTableView* recordsTable_ = nullptr;
    QChartView* teamChart_ = nullptr;
    PlayerId careerId_ = 0;
};

}  // namespace zelvano
