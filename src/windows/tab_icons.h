#pragma once
// The pictures of the information window's six tabs (assets/pictures/tab-0.svg … tab-5.svg).
// Every tab's picture is looked up here, so they can be swapped in one place.

#include <QWidget>

class QSvgRenderer;

namespace zelvano {

// A control showing one tab's picture; it draws the SVG itself at whatever size and pixel
// density it is shown, so it stays sharp on high-DPI screens.
class TabIconPicture final : public QWidget {
public:
    TabIconPicture(int tab, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer_;  // owned by this control
};

}  // namespace zelvano
