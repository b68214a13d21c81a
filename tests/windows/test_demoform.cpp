// Demoform, the opening demo's window: its design, where the frames stand, and the modifier mask
// its key handler reports. The timed steps themselves are the logic's and tested there.

#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <utility>
#include <vector>

#include "windows/demoform.h"
#include "windows/look.h"

using zelvano::Demoform;

namespace {

struct RecordingKeys final : zelvano::DemoViewEvents {
    void Form_KeyDown(int /*keyCode*/, int shift) override { masks.push_back(shift); }
    std::vector<int> masks;
};

}  // namespace

class DemoformTest : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        RecordingKeys keys;
        Demoform form(keys);
        QCOMPARE(form.windowTitle(), QStringLiteral("Orvane Opening Demo"));
        QCOMPARE(form.size(), QSize(280, 104));  // 4200 × 1560 twips
        QCOMPARE(zelvano::background(form), QColor(Qt::black));
        QCOMPARE(form.Label1()->text(), QStringLiteral("2004"));
        QCOMPARE(form.Label1()->geometry(), QRect(216, 72, 57, 20));  // 3240,1080,855,300
        QCOMPARE(form.Label1()->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }

    // The sparkles stand low on the stage; the taller mascot frames from its top.
    void framesOnTheStage() {
        RecordingKeys keys;
        Demoform form(keys);
        form.setStageTop(650);
        form.showFrame(0);
        QCOMPARE(form.Image1()->geometry(), QRect(8, 43, 60, 50));
        form.setStageTop(0);
        form.showFrame(5);
        QCOMPARE(form.Image1()->geometry(), QRect(8, 0, 60, 100));
        QVERIFY(!form.Image1()->pixmap().isNull());
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
        Demoform form(keys);
        // One event per key, as the window system delivers it, with the modifiers held.
        for (const auto& [key, modifiers] : keysPressed) {
            QKeyEvent event(QEvent::KeyPress, key, modifiers);
            QCoreApplication::sendEvent(&form, &event);
        }
        QCOMPARE(keys.masks, (std::vector<int>{0, 1, 2, 4, 4, 2, 3}));
    }
};

QTEST_MAIN(DemoformTest)
#include "test_demoform.moc"
