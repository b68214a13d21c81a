#pragma once
// Form1, the scoreboard on which every game is shown. It is made anew for each game; the game
// writes into its labels, and after the game the "次へ" button and the auto-advance timer let the
// season go on.
//
//   auto view = std::make_unique<Form1>(events);   // events: the logic's GameViewEvents
//   view->setTeamName(1, "タイガース");
//   view->show();

#include <QTimer>
#include <array>
#include <memory>

#include "platform/views.h"
#include "windows/closable_form.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class QFrame;

namespace zelvano {

class BoardScaler;

class Form1 final : public ClosableForm, public GameView {
public:
    explicit Form1(GameViewEvents& events);
    ~Form1() override;

    // GameView
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

    // The controls, by their names, for the tests.
    QLabel* Label1(int index) const { return label1_.at(index); }
    QLabel* Label2(int index) const { return label2_.at(index); }
    QLabel* Label3(int index) const { return label3_.at(index); }
    QLabel* Label4() const { return label4_; }
    QLabel* Label5() const { return label5_; }
    QLabel* Label6(int index) const { return label6_.at(index); }
    QLabel* Label10(int index) const { return label10_.at(index); }
    QLabel* Label11(int index) const { return label11_.at(index); }
    QPushButton* Command1() const { return command1_; }
    QGroupBox* Frame1() const { return frame1_; }
    QToolButton* PicIcons() const { return picIcons_; }
    const QTimer& Timer1() const { return timer1_; }

protected:
    bool userCloseRefused() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildScoreboard();
    void buildStandings();

    GameViewEvents& events_;
    QWidget* board_ = nullptr;  // the controls at their design places
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QPushButton* command1_ = nullptr;
    std::array<QLabel*, 2> label1_{};
    std::array<QLabel*, 18> label2_{};
    std::array<QLabel*, 18> label3_{};
    std::array<QLabel*, 2> label6_{};
    QGroupBox* frame1_ = nullptr;
    std::array<QLabel*, 3> label10_{};
    std::array<QLabel*, 3> label11_{};
    QToolButton* picIcons_ = nullptr;
    QFrame* line1_ = nullptr;
    QTimer timer1_;
    int currentBatter_ = -1;  // the red name label, -1 for none
    std::unique_ptr<BoardScaler> scaler_;
};

}  // namespace zelvano
