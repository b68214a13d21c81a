#include "windows/tab_keys.h"

#include <QKeySequence>
#include <QShortcut>

namespace zelvano {

void addTabSwitchKeys(QWidget* window, const std::function<void(int by)>& turnBy) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}) {
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window,
                         [turnBy] { turnBy(1); });
    }
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)}) {
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window,
                         [turnBy] { turnBy(-1); });
    }
}

}  // namespace zelvano
