#pragma once
// Where the information window's controls stand. Positions are given in twips relative to the
// tab control; a tab's page begins 720 twips below its top, under the tab bar.

#include <QRect>

#include "windows/twips.h"

namespace zelvano {

inline constexpr int kContentTop = 720;

inline int pageOffset() { return twipsToPixels(kContentTop); }

// A control's place on its page, from its twips relative to the tab control.
inline QRect pageRect(int left, int top, int width, int height) {
    return twipsRect(left, top, width, height).translated(0, -pageOffset());
}

}  // namespace zelvano
