#include "windows/board_scaler.h"

#include <QAbstractButton>
#include <algorithm>
#include <cmath>

namespace zelvano {

namespace {

int scaled(int value, double scale) { return static_cast<int>(std::lround(value * scale)); }

// Edges are scaled rather than sizes, so that controls that touch keep touching.
QRect scaledRect(const QRect& rect, double scale) {
    const int left = scaled(rect.x(), scale);
    const int top = scaled(rect.y(), scale);
    return {left, top, scaled(rect.x() + rect.width(), scale) - left,
            scaled(rect.y() + rect.height(), scale) - top};
}

}  // namespace

BoardScaler::BoardScaler(QWidget& board) : board_(board), designSize_(board.size()) {
    for (QWidget* widget : board.findChildren<QWidget*>()) {
        const QFont font = widget->font();
        auto* button = qobject_cast<QAbstractButton*>(widget);
        controls_.push_back(
            {widget, widget->geometry(), font.pixelSize(), font.pointSizeF(),
             button != nullptr && !button->icon().isNull() ? button->iconSize() : QSize()});
    }
}

void BoardScaler::fitInto(const QSize& room) {
    const double scale =
        std::max(1.0, std::min(static_cast<double>(room.width()) / designSize_.width(),
                               static_cast<double>(room.height()) / designSize_.height()));
    if (scale != scale_) apply(scale);
    const QSize free = room - board_.size();
    board_.move(std::max(0, free.width() / 2), std::max(0, free.height() / 2));
}

void BoardScaler::apply(double scale) {
    scale_ = scale;
    board_.setFixedSize(scaled(designSize_.width(), scale), scaled(designSize_.height(), scale));
    for (const Control& control : controls_) {
        if (control.widget.isNull()) continue;
        control.widget->setGeometry(scaledRect(control.geometry, scale));
        QFont font = control.widget->font();
        if (control.pixelSize > 0) {
            font.setPixelSize(std::max(1, scaled(control.pixelSize, scale)));
        } else {
            font.setPointSizeF(control.pointSize * scale);
        }
        control.widget->setFont(font);
        if (control.iconSize.isValid()) {
            auto* button = qobject_cast<QAbstractButton*>(control.widget.data());
            button->setIconSize(control.iconSize * scale);
        }
    }
}

}  // namespace zelvano
