#include "windows/centre_form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace zelvano {

int centredOffset(double screenExtent, double windowExtent) {
    // nearbyint follows the default rounding mode, which rounds ties to even.
    const int difference = static_cast<int>(std::nearbyint(screenExtent - windowExtent));
    return difference / 2;  // integer division drops the fraction towards zero
}

void CentreForm(QWidget& window) {
    QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    // Before the first show the frame is not known yet and the frame geometry is the window's own.
    const QSize size = window.frameGeometry().size();
    window.move(area.x() + centredOffset(area.width(), size.width()),
                area.y() + centredOffset(area.height(), size.height()));
}

}  // namespace zelvano
