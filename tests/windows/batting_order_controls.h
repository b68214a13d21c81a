#pragma once
// The batting-order window's controls, looked up by their object names, for the tests of the
// window alone and of the window under the logic.

#include <QLabel>
#include <QPushButton>

#include "window_fixture.h"
#include "windows/batting_order_window.h"

namespace zelvano::test {

inline QLabel* label(const BattingOrderWindow& window, const char* name) {
    return control<QLabel>(window, name);
}
inline QLabel* label(const BattingOrderWindow& window, const char* name, int index) {
    return control<QLabel>(window, name, index);
}
inline QPushButton* playerButton(const BattingOrderWindow& window, int index) {
    return control<QPushButton>(window, "playerButton", index);
}
inline QPushButton* sortButton(const BattingOrderWindow& window) {
    return control<QPushButton>(window, "sortButton");
}
inline QPushButton* wholeOrderButtonOf(const BattingOrderWindow& window) {
    return control<QPushButton>(window, "wholeOrderButton");
}

}  // namespace zelvano::test
