#pragma once
// The windows' texts in the language the game speaks: the logic's translation, as a QString.
// Not QObject::tr: the whole game shares one catalogue format, the one the logic uses.

#include <QString>

#include "text/translation.h"

namespace zelvano {

inline QString uiText(const char* text) { return QString::fromUtf8(text::translated(text)); }
inline QString uiTextIn(const char* context, const char* text) {
    return QString::fromUtf8(text::translatedIn(context, text));
}

}  // namespace zelvano
