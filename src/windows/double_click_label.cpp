#include "windows/double_click_label.h"

#include <QMouseEvent>

namespace zelvano {

DoubleClickLabel::DoubleClickLabel(QWidget* parent, std::function<void()> onDoubleClick)
    : ElidedLabel(parent), onDoubleClick_(std::move(onDoubleClick)) {}

void DoubleClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt does not deliver mouse events to a disabled widget; the check keeps a synthesized event
    // from picking a player who is out of the game all the same.
    if (isEnabled() && event->button() == Qt::LeftButton) {
        event->accept();
        onDoubleClick_();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

}  // namespace zelvano
