#pragma once
// Lets a window laid out at a fixed design size grow: the board that holds its controls is scaled
// as a whole (places, sizes, fonts and icons) to fit the window, and stands in its middle.
//
//   BoardScaler scaler(*board);        // after every control is placed at its design size
//   scaler.fitInto(window.size());     // from the window's resizeEvent

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <vector>

namespace zelvano {

class BoardScaler {
public:
    // Takes the board's present layout as the design at scale 1.
    explicit BoardScaler(QWidget& board);

    // Scales the board to the largest size that fits room with its proportions, never below the
    // design size, and centres it in room.
    void fitInto(const QSize& room);

private:
    struct Control {
        QPointer<QWidget> widget;
        QRect geometry;
        int pixelSize;  // -1 when the font is sized in points
        double pointSize;
        QSize iconSize;  // empty for controls without an icon
    };

    void apply(double scale);

    QWidget& board_;
    QSize designSize_;
    std::vector<Control> controls_;
    double scale_ = 1.0;
};

}  // namespace zelvano
