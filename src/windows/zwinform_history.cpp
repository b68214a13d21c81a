// The way from the information window to the league's history: "この選手の歩み" beside the
// rosters and the rankings, "リーグの歴史" beside the rankings, and the history window itself.

#include <QListWidget>
#include <QPushButton>

#include "windows/look.h"
#include "windows/zwinform.h"
#include "windows/zwinform_layout.h"

namespace zelvano {

namespace {

// The line the player picked, -1 when none is.
int selectedLine(const QListWidget& list) {
    return list.selectedItems().isEmpty() ? -1 : list.currentRow();
}

}  // namespace

void ZWInform::buildHistoryButtons(QWidget& rosterPage, QWidget& rankingPage) {
    careerCommand_[0] =
        makeButton(&rosterPage, QStringLiteral("この選手の歩み"), pageRect(7080, 720, 1575, 330));
    careerCommand_[1] =
        makeButton(&rankingPage, QStringLiteral("この選手の歩み"), pageRect(5940, 780, 1380, 360));
    historyCommand_ =
        makeButton(&rankingPage, QStringLiteral("リーグの歴史"), pageRect(7380, 780, 1275, 360));
    careerCommand_[0]->setObjectName(QStringLiteral("rosterCareerCommand"));
    careerCommand_[1]->setObjectName(QStringLiteral("rankingCareerCommand"));
    historyCommand_->setObjectName(QStringLiteral("historyCommand"));
    const std::array<QListWidget*, 2> lists{zwwhoList1_, rsList1_};
    for (int tab = 0; tab < 2; ++tab) {
        connect(careerCommand_[tab], &QPushButton::clicked, this, [this, tab, lists] {
            const int line = selectedLine(*lists[tab]);
            report([tab, line](InformationViewEvents& events) {
                events.careerCommand_Click(tab, line);
            });
        });
    }
    connect(historyCommand_, &QPushButton::clicked, this, [this] {
        report([](InformationViewEvents& events) { events.historyCommand_Click(); });
    });
}

void ZWInform::showHistory(std::shared_ptr<const HistorySource> source, PlayerId career) {
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
