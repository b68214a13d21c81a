#pragma once
// "選手登録ウィザード": the window in which the player names a new league's three teams and ninety
// players, one team name and one player name at a time, with "進む" and "戻る". What is stored,
// checked and shown next is the logic's; the window forwards the two buttons and keeps one habit
// of its own: Enter in the player name moves to "進む", so that a second Enter presses it.
//
//   auto view = std::make_unique<RegistrationWizardWindow>(events);   // the logic's events
//   view->setPlayerText("Ｂ０１");
//   view->focusPlayerText(true);

#include "platform/views.h"
#include "windows/closable_window.h"

class QLineEdit;
class QPushButton;

namespace zelvano {

class ElidedLabel;

class RegistrationWizardWindow final : public ClosableWindow, public RegistrationWizardView {
public:
    explicit RegistrationWizardWindow(RegistrationWizardEvents& events);

    // RegistrationWizardView
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

protected:
    bool refuseUserClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeEntries();

    RegistrationWizardEvents& events_;
    ElidedLabel* teamLabel_ = nullptr;
    QLineEdit* teamNameEdit_ = nullptr;
    ElidedLabel* playerLabel_ = nullptr;
    QLineEdit* playerNameEdit_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* forwardButton_ = nullptr;
};

}  // namespace zelvano
