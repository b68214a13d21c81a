#pragma once
// The game's own picture: a baseball, drawn at run time so that no image file has to be found.

#include <QIcon>
#include <QPixmap>

namespace zelvano {

QPixmap drawBaseball(int size);

// The ball at the sizes a window manager and a tool button ask for.
QIcon baseballIcon();

}  // namespace zelvano
