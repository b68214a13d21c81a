#pragma once
// The pictures of the information window's six tabs, drawn at run time at whatever size and
// pixel density they are shown. Every tab's picture is looked up here, so they can be swapped
// in one place.

#include <QWidget>

class QPainter;
class QRectF;

namespace zelvano {

// Paints the picture of tab 0..5 into the square.
void paintTabIcon(QPainter& painter, const QRectF& square, int tab);

// A control showing one tab's picture; it paints in vector form, so it stays sharp on high-DPI
// screens.
class TabIconPicture final : public QWidget {
public:
    TabIconPicture(int tab, QWidget* parent);
    int tab() const { return tab_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int tab_;
};

}  // namespace zelvano
