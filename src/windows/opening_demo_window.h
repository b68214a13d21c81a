#pragma once
// The opening demo's window: the small black stage the player sees at every start, on which the
// mascot's frames are shown while the maker's logo is drawn stroke by stroke. The timing and the
// order of the steps are the logic's (showOpeningDemo); the window only draws what it is told.
//
//   auto view = std::make_unique<OpeningDemoWindow>(keys);   // the logic's OpeningDemoEvents
//   view->show();
//   view->showLine(1);

#include <QWidget>
#include <array>

#include "platform/views.h"

class QLabel;

namespace zelvano {

class OpeningDemoWindow final : public QWidget, public OpeningDemoView {
public:
    explicit OpeningDemoWindow(OpeningDemoEvents& events);

    // OpeningDemoView
    void hideLogo() override;
    void setStageTop(int twips) override;
    void showFrame(int frame) override;
    void showLine(int index) override;
    void setBackground(int red, int green, int blue) override;
    void showEditionLabels() override;
    void show() override;
    void closeByProgram() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    OpeningDemoEvents& events_;
    QLabel* stage_ = nullptr;
    QLabel* editionLabel_ = nullptr;
    std::array<QPixmap, 8> frames_;         // the stored frames
    std::array<bool, 19> strokeVisible_{};  // the logo's strokes 1..19
};

}  // namespace zelvano
