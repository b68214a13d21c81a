#pragma once
// Deals with a modal dialog that the code under test is about to open: once it is up, handle()
// is given it (to read it and to press one of its buttons).

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace zelvano::test {

inline void whenModalOpens(std::function<void(QWidget*)> handle) {
    auto timer = std::make_shared<QTimer>();
    timer->setInterval(5);
    QObject::connect(timer.get(), &QTimer::timeout, [timer, handle = std::move(handle)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        timer->stop();
        handle(modal);
        // The timer owns this closure; it is released once the event loop is back.
        QTimer::singleShot(0, [timer] {});
    });
    timer->start();
}

}  // namespace zelvano::test
