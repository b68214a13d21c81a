#pragma once
// "Zelvano -リーグの歴史": the league's history in six tabs, opened from the information window.
// 歴代優勝 (the champions year by year), シーズン (one season's page), トレード・移籍 (the
// transaction log, by team), 選手の歩み (a player's career season by season, with a chart of his
// averages), 通算記録 (the all-time records) and チーム打率の推移 (a chart of the three team
// averages). It lays out the pages its source works out and keeps no rule of its own.
//
//   auto* window = new HistoryWindow(source, parent);   // a window of its own, owned by parent
//   window->showCareer(id);

#include <QWidget>
#include <memory>

#include "platform/history_view.h"

class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;
class QTabWidget;
class QTreeWidget;

namespace zelvano {

class HistoryWindow final : public QWidget {
public:
    HistoryWindow(std::shared_ptr<const HistorySource> source, QWidget* parent);

    // Takes a newer source (the league has played on) and fills every page again.
    void setSource(std::shared_ptr<const HistorySource> source);
    // Turns to a player's career; 0 leaves the page as it is.
    void showCareer(PlayerId id);
    void showSeason(Counter year);

    enum Tab { Champions, Season, Moves, Career, Records, TeamChart };

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildChampionsTab();
    QWidget* buildSeasonTab();
    QWidget* buildMovesTab();
    QWidget* buildCareerTab();
    QWidget* buildRecordsTab();
    QWidget* buildTeamChartTab();
    void fillAll();
    void fillMoves();
    void fillSeason();

    std::shared_ptr<const HistorySource> source_;
    QTabWidget* tabs_ = nullptr;
    QLabel* knownSince_ = nullptr;
    QTableWidget* champions_ = nullptr;
    QComboBox* seasonYear_ = nullptr;
    QLabel* seasonTitle_ = nullptr;
    QTableWidget* standings_ = nullptr;
    QTableWidget* games_ = nullptr;
    QListWidget* report_ = nullptr;
    QTableWidget* seasonMoves_ = nullptr;
    QComboBox* moveTeam_ = nullptr;
    QTableWidget* moves_ = nullptr;
    QLabel* careerTitle_ = nullptr;
    QTableWidget* career_ = nullptr;
    QChartView* careerChart_ = nullptr;
    QTreeWidget* records_ = nullptr;
    QChartView* teamChart_ = nullptr;
    PlayerId careerId_ = 0;
};

}  // namespace zelvano
