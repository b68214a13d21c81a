#pragma once
// "Zelvano -リーグの歴史": the league's history in six tabs, opened from the information window.
// 歴代優勝 (the champions year by year), シーズン (one season's page), トレード・移籍 (the
// transaction log, by team), 選手の歩み (a player's career season by season, with a chart of his
// averages), 通算記録 (the all-time records) and チーム打率の推移 (a chart of the three team
// averages). It lays out the pages its source works out and keeps no rule of its own.
//
// A page is asked of the source when it is first shown, not when the window opens: a history of
// ten thousand seasons opened on one player's career reads that career and nothing else.
//
//   auto* window = new HistoryWindow(source, parent);   // a window of its own, owned by parent
//   window->showCareer(id);                              // deleted when it closes

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "platform/history_view.h"

class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QTableView;
class QTabWidget;

namespace zelvano {

class HistoryTableModel;

class HistoryWindow final : public QWidget {
public:
    HistoryWindow(std::shared_ptr<const HistorySource> source, QWidget* parent);

    // Takes a newer source (the league has played on); each page is filled again when shown.
    void setSource(std::shared_ptr<const HistorySource> source);
    // Turns to a player's career; 0 leaves the page as it is.
    void showCareer(PlayerId id);
    void showSeason(Counter year);

    enum Tab { Champions, Season, Moves, Career, Records, TeamChart };

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildChampionsTab();
    QWidget* buildSeasonTab();
    QWidget* buildMovesTab();
    QWidget* buildCareerTab();
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
    void fillRecords();
    void showRecordsSection(int section);
    void fillTeamChart();
    const std::vector<Counter>& years();

    std::shared_ptr<const HistorySource> source_;
    std::array<bool, 6> filled_{};
    std::vector<Counter> years_;
    bool yearsRead_ = false;
    std::vector<RecordsSection> records_;

    QTabWidget* tabs_ = nullptr;
    QLabel* knownSince_ = nullptr;
    QTableView* champions_ = nullptr;
    QComboBox* seasonYear_ = nullptr;
    QLabel* seasonTitle_ = nullptr;
    QTableView* standings_ = nullptr;
    QTableView* games_ = nullptr;
    QTableView* report_ = nullptr;
    QTableView* seasonMoves_ = nullptr;
    QComboBox* moveTeam_ = nullptr;
    QTableView* moves_ = nullptr;
    QLabel* careerTitle_ = nullptr;
    QTableView* career_ = nullptr;
    QChartView* careerChart_ = nullptr;
    QListWidget* recordsSections_ = nullptr;
    QTableView* recordsTable_ = nullptr;
    QChartView* teamChart_ = nullptr;
    PlayerId careerId_ = 0;
};

}  // namespace zelvano
