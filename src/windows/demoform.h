#pragma once
// Demoform, the opening demo's window: a black stage on which the mascot's frames are shown while
// the maker's logo is drawn stroke by stroke. The timing and the order of the steps are the
// logic's (ShowOpeningDemo); the window only draws what it is told.
//
//   auto view = std::make_unique<Demoform>(keys);   // keys: the logic's DemoViewEvents
//   view->show();
//   view->showLine(1);

#include <QWidget>
#include <array>

#include "platform/views.h"

class QLabel;

namespace zelvano {

class Demoform final : public QWidget, public DemoView {
public:
    explicit Demoform(DemoViewEvents& events);

    // DemoView
    void hideLogo() override;
    void setStageTop(int twips) override;
    void showFrame(int frame) override;
    void showLine(int index) override;
    void setBackground(int red, int green, int blue) override;
    void showEditionLabels() override;
    void show() override;
    void closeByProgram() override;

    // The controls, by their names, for the tests.
    QLabel* Image1() const { return image1_; }
    QLabel* Label1() const { return label1_; }
    bool lineVisible(int index) const { return lineVisible_.at(index - 1); }
    int shownFrame() const { return shownFrame_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    DemoViewEvents& events_;
    QLabel* image1_ = nullptr;
    QLabel* label1_ = nullptr;
    std::array<QPixmap, 8> image2_;  // the stored frames
    std::array<bool, 19> lineVisible_{};
    int shownFrame_ = -1;
};

}  // namespace zelvano
