#pragma once
// What the window tests share: a QtPlatform whose settings and league folder live in memory, the
// controls of a window looked up by their object names, and the user in front of the real
// windows, either following a script of steps or answering every dialog of a whole run.
//
//   auto memory = test::memoryParts();
//   QtPlatform platform(std::move(memory.parts));
//   GuiScript script;
//   script.step([&] {
//       auto* window = openWindow<BattingOrderWindow>();
//       if (window == nullptr) return false;   // not up yet: tried again at the next look
//       test::control<QPushButton>(*window, "sortButton")->click();
//       return true;
//   });
//   script.start(platform);
//   chooseOwnLineup(league, platform);

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/qt_platform.h"
#include "headless/memory_settings_store.h"
#include "support/scripted_user.h"
#include "windows/information_window.h"

// Checks inside a step: a step runs from the event loop and must go on (or give up) by itself,
// so a failed check is recorded for the running test function instead of returning from it.
#define SCRIPT_VERIFY(condition) \
    QTest::qVerify(static_cast<bool>(condition), #condition, "", __FILE__, __LINE__)
#define SCRIPT_COMPARE(actual, expected) \
    QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__)

namespace zelvano::test {

// ---- The platform ----------------------------------------------------------------------------

// The parts of a QtPlatform that never touch the user's settings or a folder on disk, and the
// two stores, which stay reachable after the parts are handed to the platform.
struct MemoryParts {
    QtPlatform::Parts parts;
    MemorySettingsStore* settings = nullptr;
    testing::MemoryFileStore* files = nullptr;
};

// With no generator given, one seeded with 1.
inline MemoryParts memoryParts(std::unique_ptr<RandomSource> random = nullptr) {
    MemoryParts memory;
    auto settings = std::make_unique<MemorySettingsStore>();
    auto files = std::make_unique<testing::MemoryFileStore>();
    memory.settings = settings.get();
    memory.files = files.get();
    memory.parts.settings = std::move(settings);
    memory.parts.files = std::move(files);
    memory.parts.random = random ? std::move(random) : std::make_unique<SeededRandom>(1);
    return memory;
}

// ---- Windows and their controls --------------------------------------------------------------

// The control of that object name in the window, on whichever page it stands. A control the
// window does not have is a fault of the test or of the window, and stops the test at once.
template <typename Control = QWidget>
Control* control(const QObject& window, const QString& name) {
    auto* found = window.findChild<Control*>(name);
    if (found == nullptr) qFatal("no control named %s", qPrintable(name));
    return found;
}
template <typename Control = QWidget>
Control* control(const QObject& window, const char* name) {
    return control<Control>(window, QString::fromLatin1(name));
}
// One of a row of controls: "teamButton" and 2 is "teamButton2".
template <typename Control = QWidget>
Control* control(const QObject& window, const char* name, int index) {
    return control<Control>(window, QString::fromLatin1(name) + QString::number(index));
}

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

// The information window the logic holds now, shown or not yet, or null. A window the logic has
// let go of may still wait to be deleted; it does not count.
inline InformationWindow* heldInformationWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = dynamic_cast<InformationWindow*>(widget);
        if (window != nullptr && !window->released()) return window;
    }
    return nullptr;
}

// The modal dialog of the given type on screen, or null.
template <typename Dialog = QWidget>
Dialog* openModal() {
    auto* modal = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    return modal != nullptr && modal->isVisible() ? modal : nullptr;
}

inline QMessageBox* openMessageBox() { return openModal<QMessageBox>(); }

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

// ---- The user ----------------------------------------------------------------------------

// Looks at the screen every millisecond while the logic waits in its own loop, and acts on what
// is there. A look never runs inside another one (an action may open a modal dialog, whose own
// loop goes on looking); a watchdog ends the program if the run gets stuck, so a failing test
// cannot hang.
class ScreenUser {
public:
    static constexpr int kWatchdogStatus = 99;

    ScreenUser() = default;
    virtual ~ScreenUser() = default;
    ScreenUser(const ScreenUser&) = delete;
    ScreenUser& operator=(const ScreenUser&) = delete;

    void start(Platform& platform, int watchdogMs = 30000) {
        QObject::connect(&ticker_, &QTimer::timeout, [this] { tick(); });
        ticker_.start(1);
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [this, &platform] {
            stuck = true;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible()) {
                    qWarning("stuck at: %s %s", window->metaObject()->className(),
                             qPrintable(window->windowTitle()));
                }
            }
            platform.requestEnd(kWatchdogStatus);
            dismissModal();
        });
        watchdog_.start(watchdogMs);
    }

    bool stuck = false;

protected:
    // One look at the screen.
    virtual void look() = 0;

    // Acts once the event loop is back, and looks at nothing else until then.
    void later(std::function<void()> action) {
        waiting_ = true;
        QTimer::singleShot(0, &ticker_, [this, action = std::move(action)] {
            waiting_ = false;
            action();
        });
    }

private:
    void tick() {
        if (looking_ || waiting_) return;
        looking_ = true;
        look();
        looking_ = false;
    }

    QTimer ticker_;
    QTimer watchdog_;
    bool looking_ = false;
    bool waiting_ = false;
};

// Plays the user step by step: each step runs as soon as it can act (its window is open, its
// dialog is up); a step returns false while it cannot act yet and is tried again at the next
// look.
class GuiScript final : public ScreenUser {
public:
    void step(std::function<bool()> action) { steps_.push_back(std::move(action)); }

    // Hands the next modal dialog of that type, once it is up, to handle(), which reads it and
    // presses one of its buttons.
    template <typename Dialog>
    void handleDialog(std::function<void(Dialog&)> handle) {
        step([handle = std::move(handle)] {
            Dialog* dialog = openModal<Dialog>();
            if (dialog == nullptr) return false;
            handle(*dialog);
            return true;
        });
    }

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

    bool finished() const { return steps_.empty(); }

    std::vector<std::string> mismatches;  // texts of message boxes that were not the expected ones

private:
    void look() override {
        if (steps_.empty()) return;
        std::function<bool()> current = steps_.front();
        if (current() && !steps_.empty()) steps_.pop_front();
    }

    std::deque<std::function<bool()>> steps_;
};

// Plays the user of a whole run: answers every dialog the moment it comes up (an input box with
// 新人1, 新人2, …, a notice with OK, a question with No) and leaves the windows to actOnWindows.
class DialogClicker : public ScreenUser {
public:
    struct Dialog {
        std::string title;
        std::string text;
    };
    std::vector<Dialog> dialogs;  // every message and question, in order
    int typedNames = 0;

protected:
    // Called when no dialog is up. later() makes a click that may open one.
    virtual void actOnWindows() = 0;
    // Called with every message and question before it is answered.
    virtual void dialogShown(const Dialog& /*dialog*/) {}

private:
    void look() override {
        if (auto* input = openModal<QInputDialog>()) {
            ++typedNames;
            input->setTextValue(QStringLiteral("新人") + QString::number(typedNames));
            input->accept();
            return;
        }
        if (QMessageBox* box = openMessageBox()) {
            dialogs.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
            dialogShown(dialogs.back());
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (button == nullptr) button = box->button(QMessageBox::No);
            button->click();
            return;
        }
        actOnWindows();
    }
};

}  // namespace zelvano::test
