#pragma once
// The game's pictures: SVG drawings built into the program (assets/pictures), rendered at the
// screen's device-pixel ratio so that they stay sharp on a high-resolution screen.
//
//   label->setPixmap(renderPicture("demo-frame-5", {60, 100}, devicePixelRatioF()));
//   button->setIcon(pictureIcon("game-icon"));

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace zelvano {

// Where the picture of that name is built into the program, for a QSvgRenderer.
QString picturePath(const QString& name);

// The picture of that name drawn into size logical pixels; an empty pixmap when there is none.
QPixmap renderPicture(const QString& name, QSize size, qreal devicePixelRatio);

// The picture at the sizes window managers and buttons ask for, up to 256 pixels.
QIcon pictureIcon(const QString& name);

// The picture on the scoreboard's button that opens the information window.
QIcon gameIcon();

}  // namespace zelvano
