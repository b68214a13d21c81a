#pragma once
// The windows' texts in the language the game speaks: the logic's translation, as a QString.
// Not QObject::tr: the whole game shares one catalogue format, the one the logic uses.
//
//   uiText("次へ")                                          // "Next" in English
//   uiFillIn(uiText("{1}年目"), {QString::number(year)})     // "Year 7"

#include <QString>
#include <initializer_list>

#include "text/number_format.h"
#include "text/translation.h"

namespace zelvano {

inline QString uiText(const char* text) { return QString::fromUtf8(text::translated(text)); }
inline QString uiTextIn(const char* context, const char* text) {
    return QString::fromUtf8(text::translatedIn(context, text));
}

// Replaces "{1}" … "{9}" by the values, as text::fillIn does; the translation may reorder them.
inline QString uiFillIn(const QString& pattern, std::initializer_list<QString> values) {
    QString filled;
    filled.reserve(pattern.size() + 16);
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == u'{' && at + 2 < pattern.size() && pattern[at + 2] == u'}' &&
            pattern[at + 1] >= u'1' && pattern[at + 1] <= u'9') {
            const auto index = static_cast<std::size_t>(pattern[at + 1].unicode() - u'1');
            if (index < values.size()) {
                filled += *(values.begin() + index);
                at += 2;
                continue;
            }
        }
        filled += pattern[at];
    }
    return filled;
}

// An average the logic gives in thousandths (287): as it has always been shown in Japanese,
// ".287" in the other languages.
inline QString uiAverage(int thousandths) {
    if (text::japaneseText()) return QString::number(thousandths);
    return QString::fromStdString(text::baseballAverage(thousandths / 1000.0));
}

}  // namespace zelvano
