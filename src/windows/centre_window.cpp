#include "windows/centre_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace zelvano {

namespace {

// The frame the window manager put around the last window whose frame became known. A window
// that has not been shown yet has no frame of its own; the frame of the windows before it is the
// best guess, since a window manager frames all of a program's windows alike.
QMargins lastSeenFrame;

// The window's own frame, or nothing while it is not known (not shown yet, or no frame at all).
QMargins frameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void placeInTheMiddle(QWidget& window, const QMargins& frame) {
    QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    const QSize outer = window.size().grownBy(frame);
    // move() places the frame's corner, also before the first show.
    window.move(area.x() + centredOffset(area.width(), outer.width()),
                area.y() + centredOffset(area.height(), outer.height()));
}

constexpr const char* kWatcherName = "zelvano-frame-watcher";

// Centres the window once more as soon as its real frame is known. When the guess was right the
// window does not move at all.
class FrameWatcher final : public QObject {
public:
    explicit FrameWatcher(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QLatin1String(kWatcherName));
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == &window_ && window_.isVisible() &&
            (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)) {
            const QMargins frame = frameOf(window_);
            if (!frame.isNull()) {
                lastSeenFrame = frame;
                window_.removeEventFilter(this);
                // A maximised or minimised window keeps its place for when it is restored.
                if (window_.windowState() == Qt::WindowNoState) placeInTheMiddle(window_, frame);
                deleteLater();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
};

}  // namespace

int centredOffset(double screenExtent, double windowExtent) {
    // nearbyint follows the default rounding mode, which rounds ties to even.
    const int difference = static_cast<int>(std::nearbyint(screenExtent - windowExtent));
    return difference / 2;  // integer division drops the fraction towards zero
}

void centreWindow(QWidget& window) {
    const QMargins own = frameOf(window);
    if (!own.isNull()) {
        placeInTheMiddle(window, own);
        return;
    }
    placeInTheMiddle(window, lastSeenFrame);
    if (window.findChild<FrameWatcher*>(QLatin1String(kWatcherName), Qt::FindDirectChildrenOnly) ==
        nullptr) {
        new FrameWatcher(window);  // owned by the window; gone once the frame is known
    }
}

}  // namespace zelvano
