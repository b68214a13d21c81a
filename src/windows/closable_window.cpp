#include "windows/closable_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace zelvano {

ClosableWindow::ClosableWindow(QWidget* parent) : QWidget(parent) {}

void ClosableWindow::closeFromProgram() {
    closingByProgram_ = true;
    close();
}

void ClosableWindow::closeEvent(QCloseEvent* event) {
    if (closingByProgram_ || !refuseUserClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void ClosableWindow::keyPressEvent(QKeyEvent* event) {
    // Esc reaches the window only when the focused control did not want it; it is a user's
    // close like the close box.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelvano
