#pragma once
// Form4, the registration wizard: one team name and one player name at a time, with "進む" and
// "戻る". What is stored, checked and shown next is the logic's; the window forwards the two
// buttons and keeps one habit of its own: Enter in the player name moves to "進む", so that a
// second Enter presses it.
//
//   auto view = std::make_unique<Form4>(events);   // events: the logic's WizardViewEvents
//   view->setPlayerText("Ｂ０１");
//   view->focusPlayerText(true);

#include "platform/views.h"
#include "windows/closable_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvano {

class Form4 final : public ClosableForm, public WizardView {
public:
    explicit Form4(WizardViewEvents& events);

    // WizardView
    void setTeamLabel(const std::string& text) override;
    void setPlayerLabel(const std::string& text) override;
    void setTeamText(const std::string& text) override;
    std::string teamText() const override;
    void setPlayerText(const std::string& text) override;
    std::string playerText() const override;
    void focusTeamText() override;
    void focusPlayerText(bool selectAll) override;
    void show() override;
    void closeByProgram() override;

    // The controls, by their names, for the tests.
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLineEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

protected:
    bool userCloseRefused() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WizardViewEvents& events_;
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command1_ = nullptr;
};

}  // namespace zelvano
