#pragma once
// Deals with a modal dialog that the code under test is about to open: once it is up, handle()
// is given it (to read it and to press one of its buttons).

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zelvano::test {

inline void whenModalOpens(std::function<void(QWidget*)> handle) {
    auto* timer = new QTimer(QApplication::instance());  // owned by the application until done
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, handle = std::move(handle)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        handle(modal);
    });
    timer->start();
}

}  // namespace zelvano::test
