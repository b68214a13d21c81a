// The opening demo's window: its design, where the frames stand, and the modifier mask
// its key handler reports. The timed steps themselves are the logic's and tested there.

#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <utility>
#include <vector>

#include "window_fixture.h"
#include "windows/look.h"
#include "windows/opening_demo_window.h"

using zelvano::OpeningDemoWindow;
using zelvano::test::control;

namespace {

struct RecordingKeys final : zelvano::OpeningDemoEvents {
    void keyPressed(int /*keyCode*/, int modifiers) override { masks.push_back(modifiers); }
    std::vector<int> masks;
};

}  // namespace

class OpeningDemoWindowTest : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        RecordingKeys keys;
        OpeningDemoWindow form(keys);
        QCOMPARE(form.windowTitle(), QStringLiteral("Orvane Opening Demo"));
        QCOMPARE(form.size(), QSize(280, 104));  // 4200 × 1560 twips
        QCOMPARE(zelvano::background(form), QColor(Qt::black));
        QCOMPARE(control<QLabel>(form, "editionLabel")->text(), QStringLiteral("2004"));
        QCOMPARE(control<QLabel>(form, "editionLabel")->geometry(),
                 QRect(216, 72, 57, 20));  // 3240,1080,855,300
        QCOMPARE(control<QLabel>(form, "editionLabel")->palette().color(QPalette::WindowText),
                 QColor(0, 255, 0));
    }

    // The sparkles stand low on the stage; the taller mascot frames from its top.
    void framesOnTheStage() {
        RecordingKeys keys;
        OpeningDemoWindow form(keys);
        form.setStageTop(650);
        form.showFrame(0);
        QCOMPARE(control<QLabel>(form, "stage")->geometry(), QRect(8, 43, 60, 50));
        form.setStageTop(0);
        form.showFrame(5);
        QCOMPARE(control<QLabel>(form, "stage")->geometry(), QRect(8, 0, 60, 100));
        QVERIFY(!control<QLabel>(form, "stage")->pixmap().isNull());
    }

    // Shift, Ctrl and Alt count whether held with a key or pressed alone; a plain key is 0.
    void modifierMask() {
        const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keysPressed{
            {Qt::Key_A, Qt::NoModifier},
            {Qt::Key_Shift, Qt::NoModifier},
            {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_Alt, Qt::NoModifier},
            {Qt::Key_X, Qt::AltModifier},
            {Qt::Key_Control, Qt::NoModifier},
            {Qt::Key_B, Qt::ShiftModifier | Qt::ControlModifier},
        };
        RecordingKeys keys;
        OpeningDemoWindow form(keys);
        // One event per key, as the window system delivers it, with the modifiers held.
        for (const auto& [key, modifiers] : keysPressed) {
            QKeyEvent event(QEvent::KeyPress, key, modifiers);
            QCoreApplication::sendEvent(&form, &event);
        }
        QCOMPARE(keys.masks, (std::vector<int>{0, 1, 2, 4, 4, 2, 3}));
    }
};

QTEST_MAIN(OpeningDemoWindowTest)
#include "test_opening_demo_window.moc"
