#pragma once
// The keys of a tabbed dialog, from wherever the focus is in a window: Ctrl+Tab and Ctrl+PgDn
// turn to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the one before, round the ends. A year
// box or a table would otherwise keep some of them for itself.
//
//   addTabSwitchKeys(this, [this](int by) { turnTab(by); });

#include <QWidget>
#include <functional>

namespace zelvano {

// `turnBy` gets +1 or -1; the shortcuts are children of `window`.
void addTabSwitchKeys(QWidget* window, const std::function<void(int by)>& turnBy);

// The tab `by` steps from `current` among `count`, round the ends.
inline int tabAfter(int current, int by, int count) { return (current + by + count) % count; }

}  // namespace zelvano
