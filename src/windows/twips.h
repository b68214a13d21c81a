#pragma once
// The windows are laid out in twips, 1/1440 inch, as the game has always measured them: 15 twips
// make one pixel at 96 dots per inch. Qt scales logical pixels on high-DPI screens itself.

#include <QRect>

namespace zelvano {

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel; the layouts use only non-negative twips.
constexpr int twipsToPixels(int twips) {
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

// Rounds the edges rather than the sizes, so that controls that touch in twips touch on screen.
inline QRect twipsRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return {x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y};
}

}  // namespace zelvano
