#pragma once
// Event sinks that only count what the windows report, so that a window can be tested without
// the logic behind it.

#include <QTest>
#include <vector>

#include "platform/views.h"

namespace zelvano::test {

struct RecordingScoreboardEvents final : ScoreboardEvents {
    void nextPressed() override { ++nextClicks; }
    void advanceTimerTicked() override { ++timerTicks; }
    void playersListPressed() override { ++iconClicks; }
    bool refuseUserClose() override {
        ++closeQuestions;
        return keepOpen;
    }

    int nextClicks = 0;
    int timerTicks = 0;
    int iconClicks = 0;
    int closeQuestions = 0;
    bool keepOpen = true;  // the answer to a user's close: keep the window
};

struct RecordingBattingOrderEvents final : BattingOrderEvents {
    void playerPressed(int index) override { clicks.push_back(index); }
    void playerNameDoubleClicked(int index) override { doubleClicks.push_back(index); }
    void sortPressed() override { ++sorts; }
    void wholeOrderPressed() override { ++wholeOrders; }
    bool refuseUserClose() override {
        ++closeQuestions;
        return keepOpen;
    }

    std::vector<int> clicks;
    std::vector<int> doubleClicks;
    int sorts = 0;
    int wholeOrders = 0;
    int closeQuestions = 0;
    bool keepOpen = true;
};

struct RecordingRegistrationWizardEvents final : RegistrationWizardEvents {
    void forwardPressed() override { ++forwards; }
    void backPressed() override { ++backs; }
    bool refuseUserClose() override {
        ++closeQuestions;
        return keepOpen;
    }

    int forwards = 0;
    int backs = 0;
    int closeQuestions = 0;
    bool keepOpen = true;
};

// The close rule every window shares: a user's close asks the logic and stays refused while it
// says so; the program's own close never asks.
template <typename Window, typename Events>
void verifyCloseRule() {
    Events events;
    Window form(events);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.close());
    QCOMPARE(events.closeQuestions, 1);
    QVERIFY(form.isVisible());
    form.closeByProgram();
    QCOMPARE(events.closeQuestions, 1);
    QVERIFY(!form.isVisible());
}

}  // namespace zelvano::test
