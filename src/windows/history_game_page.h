#pragma once
// One game of the history, laid out as the scoreboard showed it: the line score in the
// scoreboard's fonts and colours, the side batting first on the left and the side batting second
// on the right with their nine batters, and what the game's end needs said. A batter's row opens
// his career (Enter or double-click); 「戻る」, Esc or Backspace go back.
//
//   auto* page = new HistoryGamePage(parent, [this] { back(); },
//                                    [this](PlayerId id) { showCareer(id); });
//   page->showPage(source.game(7, 3));

#include <QWidget>
#include <array>
#include <functional>

#include "platform/history_view.h"

class QLabel;
class QPushButton;
class QTableView;

namespace zelvano {

class LineScoreModel;

class HistoryGamePage final : public QWidget {
public:
    HistoryGamePage(QWidget* parent, std::function<void()> back,
                    std::function<void(PlayerId)> openCareer);

    void showPage(GamePage page);
    // Where the keyboard starts on the page: the first batting line, or 「戻る」 without one.
    void takeFocus();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTableView* makeLineScore();
    void fitLineScore();
    void fitLineScoreHeight();

    std::function<void()> back_;
    std::function<void(PlayerId)> openCareer_;
    std::array<std::vector<PlayerId>, 2> batterIds_;
    QPushButton* backButton_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* result_ = nullptr;
    QTableView* lineScore_ = nullptr;
    LineScoreModel* lineScoreModel_ = nullptr;
    std::array<QLabel*, 2> battingTitles_{};
    std::array<QTableView*, 2> battingTables_{};
    QLabel* notes_ = nullptr;
    int rowHeight_ = 0;
    int contentWidth_ = 0;  // of the line score's columns
};

}  // namespace zelvano
