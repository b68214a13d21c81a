#pragma once
// The windows' texts in the language the game speaks: the logic's translation, as a QString.
// Not QObject::tr: the whole game shares one catalogue format, the one the logic uses.
//
//   uiText("次へ")                                          // "Next" in English
//   uiFillIn(uiText("{1}年目"), {QString::number(year)})     // "Year 7"

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "text/number_format.h"
#include "text/translation.h"

namespace zelvano {

inline QString uiText(const char* text) { return QString::fromUtf8(text::translated(text)); }
inline QString uiTextIn(const char* context, const char* text) {
    return QString::fromUtf8(text::translatedIn(context, text));
}

// Replaces "{1}" … "{9}" by the values, as text::fillIn does; the translation may reorder them.
inline QString uiFillIn(const QString& pattern, std::initializer_list<QString> values) {
    std::vector<std::string> texts;
    for (const QString& value : values) texts.push_back(value.toStdString());
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    return QString::fromStdString(text::fillIn(pattern.toStdString(), views));
}

// An average the logic gives in thousandths (287): as it has always been shown in Japanese,
// ".287" in the other languages.
inline QString uiAverage(int thousandths) {
    if (text::japaneseText()) return QString::number(thousandths);
    return QString::fromStdString(text::baseballAverage(thousandths / 1000.0));
}

}  // namespace zelvano
