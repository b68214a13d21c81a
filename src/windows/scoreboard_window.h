#pragma once
// The scoreboard: the player watches each game here, plate appearance by plate appearance, with
// the inning, the score, both lineups with their averages (the batter at the plate in red) and
// the season's win-loss frame; after the game "次へ" goes on to the next. It is made anew for
// each game; the game writes into it, and the "次へ" button and the auto-advance timer let the
// season go on.
//
//   auto view = std::make_unique<ScoreboardWindow>(events);   // the logic's ScoreboardEvents
//   view->setTeamName(1, "タイガース");
//   view->show();

#include <array>
#include <memory>

#include "platform/views.h"
#include "windows/closable_window.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace zelvano {

class BoardScaler;
class ElidedLabel;

class ScoreboardWindow final : public ClosableWindow, public ScoreboardView {
public:
    explicit ScoreboardWindow(ScoreboardEvents& events);
    ~ScoreboardWindow() override;

    // ScoreboardView
    void setWindowState(WindowState state) override;
    WindowState windowState() const override;
    void setCaption(const std::string& text) override;
    void setInning(int inning, int half) override;
    void setScoreLine(const std::string& text) override;
    void setTeamName(int side, const std::string& text) override;
    void setBatterName(int index, const std::string& text) override;
    void setBatterFigures(int index, Counter hits, Counter atBats) override;
    void setCurrentBatter(int index) override;
    void setTeamAverage(int side, const std::string& text) override;
    void setStandings(int team, const std::string& name, const std::string& marks) override;
    void show() override;
    void startAdvanceTimer(int milliseconds) override;
    void showNextButton() override;
    void closeByProgram() override;

protected:
    bool refuseUserClose() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildScoreboard();
    void buildStandings();
    QString spokenScore() const;
    void describeState();

    ScoreboardEvents& events_;
    QWidget* board_ = nullptr;  // the controls at their design places
    ElidedLabel* inningLabel_ = nullptr;
    ElidedLabel* scoreLabel_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    std::array<ElidedLabel*, 2> teamNameLabels_{};        // [side - 1]
    std::array<ElidedLabel*, 18> batterNameLabels_{};     // [(side - 1) × 9 + slot - 1]
    std::array<ElidedLabel*, 18> batterAverageLabels_{};  // likewise
    std::array<ElidedLabel*, 2> teamAverageLabels_{};     // [side - 1]
    QGroupBox* standingsFrame_ = nullptr;
    std::array<ElidedLabel*, 3> standingsNameLabels_{};   // [team - 1]
    std::array<ElidedLabel*, 3> standingsMarksLabels_{};  // [team - 1]
    QToolButton* playersListButton_ = nullptr;
    QTimer* advanceTimer_ = nullptr;
    int currentBatter_ = -1;  // the red name label, -1 for none
    std::unique_ptr<BoardScaler> scaler_;
};

}  // namespace zelvano
