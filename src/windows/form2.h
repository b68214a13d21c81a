#pragma once
// Form2, "打者選考": the window in which the user sets the own team's batting order, one slot at a
// time, or all at once with "前回と同順" / "ベスト打順". It reports clicks and double-clicks; which
// player may be picked, and what a pick means, is the logic's business.
//
//   auto view = std::make_unique<Form2>(events);   // events: the logic's OrderViewEvents
//   view->setPlayerRow(0, "山田", 287);
//   view->show();

#include <array>

#include "platform/views.h"
#include "windows/closable_form.h"

class QLabel;
class QPushButton;

namespace zelvano {

class DoubleClickLabel;

class Form2 final : public ClosableForm, public OrderView {
public:
    explicit Form2(OrderViewEvents& events);

    // OrderView
    void setMatchLine(const std::string& text) override;
    void setRosterTitle(const std::string& text) override;
    void setPlayerRow(int index, const std::string& name, int average) override;
    void disablePlayer(int index, bool averageToo) override;
    void setPrompt(const std::string& text) override;
    void showWholeOrderButton(const std::string& caption) override;
    void disableShortcuts() override;
    void hideShortcuts() override;
    void setCaption(const std::string& text) override;
    void focusPlayer(int index) override;
    void show() override;
    void closeByProgram() override;

    // The controls, by their names, for the tests.
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QPushButton* Command1(int index) const { return command1_.at(index); }
    QLabel* Label3(int index) const;
    QLabel* Label4(int index) const { return label4_.at(index); }
    QLabel* Label5() const { return label5_; }
    QPushButton* Command2() const { return command2_; }
    QPushButton* Command3() const { return command3_; }

protected:
    bool userCloseRefused() override;

private:
    void placeRow(int index);

    OrderViewEvents& events_;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<QPushButton*, 30> command1_{};
    std::array<DoubleClickLabel*, 30> label3_{};
    std::array<QLabel*, 30> label4_{};
    QLabel* label5_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command2_ = nullptr;
};

}  // namespace zelvano
