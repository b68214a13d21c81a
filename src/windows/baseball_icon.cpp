#include "windows/baseball_icon.h"

#include "windows/pictures.h"

namespace zelvano {

QIcon baseballIcon() { return pictureIcon(QStringLiteral("zelvano")); }

}  // namespace zelvano
