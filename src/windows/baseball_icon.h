#pragma once
// The game's own picture, the application icon: a ball over the infield (assets/pictures/
// zelvano.svg), used as the icon of every window.

#include <QIcon>

namespace zelvano {

QIcon baseballIcon();

}  // namespace zelvano
