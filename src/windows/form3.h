#pragma once
// Form3, "年間結果報告": the season's results report. It shows the champion, the title count,
// the own team's run of titles, the three team averages and the list of outstanding hitters that
// the season end gives it. "ＯＫ" and the close box both close it; the season end goes on then.
//
//   auto view = std::make_unique<Form3>();
//   view->setChampionLine("優勝：タイガース");
//   view->show();   // the season end waits while view->isVisible()

#include <QWidget>
#include <array>

#include "platform/views.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace zelvano {

class Form3 final : public QWidget, public ReportView {
public:
    Form3();

    // ReportView
    void setChampionLine(const std::string& text) override;
    void setTitleCount(const std::string& text) override;
    void setTitleRun(const std::string& text) override;
    void setTeamAverage(int team, const std::string& name, const std::string& average) override;
    void addMvpLine(const std::string& text) override;
    void show() override;
    bool isVisible() const override;

    // The controls, by their names, for the tests.
    QLabel* Label1(int index) const { return label1_.at(index); }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label4(int index) const { return label4_.at(index); }
    QLabel* Label5(int index) const { return label5_.at(index); }
    QLabel* Label6() const { return label6_; }
    QLabel* Label7() const { return label7_; }
    QListWidget* List1() const { return list1_; }
    QPushButton* Command1() const { return command1_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QLabel*, 2> label1_{};
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    std::array<QLabel*, 3> label4_{};
    std::array<QLabel*, 3> label5_{};
    QLabel* label6_ = nullptr;
    QLabel* label7_ = nullptr;
    QListWidget* list1_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace zelvano
