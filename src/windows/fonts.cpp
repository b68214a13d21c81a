#include "windows/fonts.h"

#include <algorithm>
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

QFont fixedPitchFont(FontFace face, double points) {
    QFont font = windowFont(face, points);
    const long pairs = std::lround(points * 96.0 / 72.0 / 2.0);
    font.setPixelSize(2 * static_cast<int>(std::max(1L, pairs)));
    font.setFixedPitch(true);
    // Should the IPA face be missing, a fixed-pitch one stands in rather than a proportional one.
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont defaultWindowFont() { return windowFont(FontFace::Gothic, 9.0); }

}  // namespace zelvano
