#pragma once
// "年間結果報告": the report the player reads at the end of every season, naming the champion, its
// title count, the own team's run of titles, the three team averages and the outstanding hitters.
// The season end fills it; "ＯＫ" and the close box both close it, and the season end goes on.
//
//   auto view = std::make_unique<ResultsReportWindow>();
//   view->setChampionLine("優勝：タイガース");
//   view->show();   // the season end waits while view->isVisible()

#include <QWidget>
#include <array>

#include "platform/views.h"

class QListWidget;
class QPushButton;

namespace zelvano {

class ElidedLabel;

class ResultsReportWindow final : public QWidget, public ResultsReportView {
public:
    ResultsReportWindow();

    // ResultsReportView
    void setChampionLine(const std::string& text) override;
    void setTitleCount(const std::string& text) override;
    void setTitleRun(const std::string& text) override;
    void setTeamAverage(int team, const std::string& name, const std::string& average) override;
    void addMvpLine(const std::string& text) override;
    void show() override;
    bool isVisible() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    ElidedLabel* championLabel_ = nullptr;
    ElidedLabel* titleCountLabel_ = nullptr;
    ElidedLabel* titleRunLabel_ = nullptr;
    std::array<ElidedLabel*, 3> teamNameLabels_{};     // [team - 1]
    std::array<ElidedLabel*, 3> teamAverageLabels_{};  // [team - 1]
    QListWidget* mvpList_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace zelvano
