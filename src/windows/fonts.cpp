#include "windows/fonts.h"

#include <cmath>

namespace zelvano {

QFont windowFont(FontFace face, double points, bool bold) {
    QFont font(face == FontFace::Mincho ? QStringLiteral("IPAMincho")
                                        : QStringLiteral("IPAGothic"));
    font.setStyleHint(face == FontFace::Mincho ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QFont columnFont(FontFace face, double points) {
    QFont font = windowFont(face, points);
    font.setPixelSize(2 * static_cast<int>(std::lround(points * 96.0 / 72.0 / 2.0)));
    font.setFixedPitch(true);
    return font;
}

QFont defaultWindowFont() { return windowFont(FontFace::Gothic, 9.0); }

}  // namespace zelvano
