#pragma once
// A label that reports a double-click, as the batting-order window's names do. A disabled label
// reports nothing.

#include <QLabel>
#include <functional>

namespace zelvano {

class DoubleClickLabel final : public QLabel {
public:
    explicit DoubleClickLabel(QWidget* parent, std::function<void()> onDoubleClick);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::function<void()> onDoubleClick_;
};

}  // namespace zelvano
