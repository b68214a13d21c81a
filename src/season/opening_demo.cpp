#include "season/opening_demo.h"

namespace zelvano {

namespace {

// The stage's two heights: the sparkles sit low, the taller mascot frames start at the top.
constexpr int kSparkleTop = 650;
constexpr int kMascotTop = 0;

class Animation {
public:
    Animation(Platform& platform, OpeningDemoView& view) : platform_(platform), view_(view) {}

    void run() {
        view_.show();
        pauses(10, 100);
        frame(1);
        pause(100);
        lines(1, 2);
        frame(0);
        pause(100);
        frame(1);
        pause(100);
        pause(100);
        lines(3, 6);
        pauses(3, 100);
        frame(2);
        pause(100);
        frame(3);
        pause(100);
        frame(4);
        pause(100);
        frame(1);
        pause(50);
        lines(7, 9);
        view_.setStageTop(kMascotTop);
        frame(5);
        // The flash fades from white to a dark grey in eight steps.
        for (int g = 15; g >= 1; g -= 2) {
            view_.setBackground(17 * g, 17 * g, 17 * g);
            pause(40);
        }
        lines(10, 13);
        view_.setBackground(0, 0, 0);
        pause(500);
        lines(14, 17);
        frame(6);
        pause(250);
        lines(18, 19);
        pause(250);
        frame(7);
        view_.showEditionLabels();
        pauses(25, 100);
    }

private:
    // The yields let the window paint and the key handler run while the demo waits.
    void pause(int milliseconds) {
        platform_.yieldOnce();
        platform_.sleepMs(milliseconds);
        platform_.yieldOnce();
    }
    void pauses(int count, int milliseconds) {
        for (int i = 0; i < count; ++i) pause(milliseconds);
    }
    void frame(int k) { view_.showFrame(k); }
    void lines(int first, int last) {
        for (int i = first; i <= last; ++i) view_.showLine(i);
    }

    Platform& platform_;
    OpeningDemoView& view_;
};

}  // namespace

void OpeningDemoKeys::keyPressed(int /*keyCode*/, int modifiers) {
    if (modifiers == 0) return;
    platform_.playSound(kSilence);
    silenced = true;
}

void showOpeningDemo(Platform& platform) {
    OpeningDemoKeys keys(platform);
    const auto view = platform.createOpeningDemoView(keys);
    platform.yieldOnce();
    view->hideLogo();
    view->setStageTop(kSparkleTop);
    view->showFrame(0);
    if (!keys.silenced) platform.playSound(kOpeningSound);
    Animation(platform, *view).run();
    view->closeByProgram();
}

}  // namespace zelvano
