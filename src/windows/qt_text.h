#pragma once
// The logic speaks UTF-8 std::string; Qt speaks QString.

#include <QString>
#include <string>

namespace zelvano {

inline QString toQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string toStdString(const QString& text) { return text.toStdString(); }

}  // namespace zelvano
