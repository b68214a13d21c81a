// The way from the information window to the league's history: "この選手の歩み" beside the
// rosters and the rankings, "リーグの歴史" beside the rankings, and the history window itself.

#include <QListWidget>
#include <QPushButton>

#include "windows/information_window.h"
#include "windows/information_window_layout.h"
#include "windows/look.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

// The line the player picked, -1 when none is.
int selectedLine(const QListWidget& list) {
    return list.selectedItems().isEmpty() ? -1 : list.currentRow();
}

}  // namespace

void InformationWindow::buildHistoryButtons(QWidget& rosterPage, QWidget& rankingPage) {
    careerButtons_[0] =
        makeFittedButton(&rosterPage, uiText("この選手の歩み"), pageRect(7080, 720, 1575, 330));
    careerButtons_[1] =
        makeFittedButton(&rankingPage, uiText("この選手の歩み"), pageRect(5940, 780, 1380, 360));
    historyButton_ =
        makeFittedButton(&rankingPage, uiText("リーグの歴史"), pageRect(7380, 780, 1275, 360));
    careerButtons_[0]->setObjectName(QStringLiteral("rosterCareerButton"));
    careerButtons_[1]->setObjectName(QStringLiteral("rankingCareerButton"));
    historyButton_->setObjectName(QStringLiteral("historyButton"));
    for (QPushButton* career : careerButtons_) {
        career->setAccessibleDescription(
            uiText("選んだ選手の年ごとの成績を、リーグの歴史の窓に表示します"));
    }
    historyButton_->setAccessibleDescription(
        uiText("歴代優勝チーム、各シーズン、トレード記録、歴代記録を表示します"));
    // Each button acts on the line chosen in the list above it, so Tab reaches it right after
    // that list.
    setTabOrder(rosterList_, careerButtons_[0]);
    setTabOrder(careerButtons_[0], teamButtons_[0]);
    setTabOrder(rankingList_, careerButtons_[1]);
    setTabOrder(careerButtons_[1], historyButton_);
    setTabOrder(historyButton_, rankingButtons_[0]);
    const std::array<QListWidget*, 2> lists{rosterList_, rankingList_};
    for (int tab = 0; tab < 2; ++tab) {
        connect(careerButtons_[tab], &QPushButton::clicked, this, [this, tab, lists] {
            const int line = selectedLine(*lists[tab]);
            report([tab, line](InformationEvents& events) { events.careerPressed(tab, line); });
        });
    }
    connect(historyButton_, &QPushButton::clicked, this,
            [this] { report([](InformationEvents& events) { events.historyPressed(); }); });
}

void InformationWindow::showHistory(std::shared_ptr<const HistorySource> source, PlayerId career) {
    if (history_) {
        history_->setSource(std::move(source));
    } else {
        history_ = new HistoryWindow(std::move(source), this);  // closes with this window
    }
    history_->showCareer(career);
    history_->show();
    history_->raise();
    history_->activateWindow();
}

}  // namespace zelvano
