#pragma once
// Plays the user in front of the real windows while the logic waits in its own loop: a timer
// runs the steps one after another, each as soon as it can act (its window is open, its dialog
// is up). A watchdog ends the program if the steps get stuck, so a failing test cannot hang.
//
//   GuiScript script;
//   script.step([&] { auto* form = openWindow<Form2>(); if (!form) return false; ...; return true;
//   }); script.start(platform); ChooseOwnLineup(league, platform);

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

// Checks inside a step: a step runs from the event loop and must go on (or give up) by itself,
// so a failed check is recorded for the running test function instead of returning from it.
#define SCRIPT_VERIFY(condition) \
    QTest::qVerify(static_cast<bool>(condition), #condition, "", __FILE__, __LINE__)
#define SCRIPT_COMPARE(actual, expected) \
    QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__)

namespace zelvano::test {

// The visible top-level window of the given type, or null.
template <typename Window>
Window* openWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<Window*>(widget); window && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// The message box on screen, or null.
inline QMessageBox* openMessageBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box != nullptr && box->isVisible() ? box : nullptr;
}

// Clicks a button once the current step has returned: a click that opens a modal dialog would
// otherwise hold the script inside the dialog's own event loop.
inline void clickLater(QAbstractButton* button) {
    QTimer::singleShot(0, button, [button] { button->click(); });
}

// Closes a window as the user's close box does, once the current step has returned.
inline void closeLater(QWidget* window) {
    QTimer::singleShot(0, window, [window] { window->close(); });
}

// Takes down whatever modal dialog is up, so that a stuck test ends. A question ignores a plain
// close, as it does the user's, so dialogs are rejected instead.
inline void dismissModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    } else if (modal != nullptr) {
        modal->close();
    }
}

inline constexpr const char* kForcedQuitQuestion =
    "強制終了しようとしています。データを保存する前に終了してよろしいのですか？";

// Runs the logic and returns the status it ended the program with, or -1 when it returned.
template <typename Run>
int endStatusOf(Run&& run) {
    try {
        run();
    } catch (const ProgramEnded& ended) {
        return ended.status;
    }
    return -1;
}

class GuiScript {
public:
    static constexpr int kWatchdogStatus = 99;

    // A step returns false while it cannot act yet; it is tried again at the next tick.
    void step(std::function<bool()> action) { steps_.push_back(std::move(action)); }

    // Answers the next message box with the given button, after checking its text if given.
    void answerMessage(QMessageBox::StandardButton button, std::string expectedText = {},
                       std::string* seenTitle = nullptr) {
        step([=, this] {
            QMessageBox* box = openMessageBox();
            if (box == nullptr) return false;
            if (!expectedText.empty() && box->text() != QString::fromStdString(expectedText)) {
                mismatches.push_back(box->text().toStdString());
            }
            if (seenTitle != nullptr) *seenTitle = box->windowTitle().toStdString();
            box->button(button)->click();
            return true;
        });
    }

    void start(Platform& platform, int watchdogMs = 30000) {
        QObject::connect(&ticker_, &QTimer::timeout, [this] { tick(); });
        ticker_.start(2);
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [this, &platform] {
            stuck = true;
            platform.requestEnd(kWatchdogStatus);
            dismissModal();
        });
        watchdog_.start(watchdogMs);
    }

    bool finished() const { return steps_.empty(); }
    std::size_t remaining() const { return steps_.size(); }

    bool stuck = false;
    std::vector<std::string> mismatches;  // texts of message boxes that were not the expected ones

private:
    void tick() {
        if (steps_.empty() || running_) return;
        // A step may open a modal dialog and tick again inside it; it must not run twice.
        running_ = true;
        std::function<bool()> current = steps_.front();
        const bool done = current();
        running_ = false;
        if (done && !steps_.empty()) steps_.pop_front();
    }

    std::deque<std::function<bool()>> steps_;
    QTimer ticker_;
    QTimer watchdog_;
    bool running_ = false;
};

}  // namespace zelvano::test
