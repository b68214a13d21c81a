#include "windows/closable_form.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace zelvano {

ClosableForm::ClosableForm(QWidget* parent) : QWidget(parent) {}

void ClosableForm::closeFromProgram() {
    closingByProgram_ = true;
    close();
}

void ClosableForm::closeEvent(QCloseEvent* event) {
    if (closingByProgram_ || !userCloseRefused()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void ClosableForm::keyPressEvent(QKeyEvent* event) {
    // Esc reaches the window only when the focused control did not want it; it is a user's
    // close like the close box.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelvano
