#pragma once
// Event sinks that only count what the windows report, so that a window can be tested without
// the logic behind it.

#include <QTest>
#include <vector>

#include "platform/views.h"

namespace zelvano::test {

struct RecordingGameEvents final : GameViewEvents {
    void Command1_Click() override { ++nextClicks; }
    void Timer1_Timer() override { ++timerTicks; }
    void PicIcons_Click() override { ++iconClicks; }
    bool Form_QueryUnload() override {
        ++closeQuestions;
        return keepOpen;
    }

    int nextClicks = 0;
    int timerTicks = 0;
    int iconClicks = 0;
    int closeQuestions = 0;
    bool keepOpen = true;  // the answer to a user's close: keep the window
};

struct RecordingOrderEvents final : OrderViewEvents {
    void Command1_Click(int index) override { clicks.push_back(index); }
    void Label3_DblClick(int index) override { doubleClicks.push_back(index); }
    void Command2_Click() override { ++sorts; }
    void Command3_Click() override { ++wholeOrders; }
    bool Form_QueryUnload() override {
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

struct RecordingWizardEvents final : WizardViewEvents {
    void Command1_Click() override { ++forwards; }
    void Command2_Click() override { ++backs; }
    bool Form_QueryUnload() override {
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
template <typename Form, typename Events>
void verifyCloseRule() {
    Events events;
    Form form(events);
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
