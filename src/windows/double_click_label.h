#pragma once
// A name label that reports a double-click, as the batting-order window's names do. A disabled
// label reports nothing.

#include <functional>

#include "windows/elided_label.h"

namespace zelvano {

class DoubleClickLabel final : public ElidedLabel {
public:
    explicit DoubleClickLabel(QWidget* parent, std::function<void()> onDoubleClick);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::function<void()> onDoubleClick_;
};

}  // namespace zelvano
