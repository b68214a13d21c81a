#include "platform/qt/qt_dialogs.h"

#include <QCloseEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>

#include "windows/qt_text.h"

namespace zelvano {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// A Yes/No question has no way out but its two buttons: Esc does nothing and the title bar
// offers no close box (a window manager's close, Alt+F4 for one, is refused too). Guessing an
// answer for the player could end the program at the year question.
class QuestionBox final : public QMessageBox {
public:
    QuestionBox() {
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                       Qt::WindowTitleHint);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    // A button's answer closes the box without a close event; every close event is a request
    // from outside.
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

QString titleOf(const std::string& title) {
    // A message given no topic of its own carries the application's title.
    return toQString(title.empty() ? std::string(kApplicationTitle) : title);
}

void fill(QMessageBox& box, const MessageRequest& request) {
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(request.text));
    box.setWindowTitle(titleOf(request.title));
    box.setIcon(toQtIcon(request.icon));
}

}  // namespace

Answer showMessageBox(const MessageRequest& request) {
    if (request.buttons == MessageButtons::Ok) {
        // A notice: Esc and the close box mean OK, as its only button does.
        QMessageBox box;
        fill(box, request);
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    QuestionBox box;
    fill(box, request);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(request.defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.exec();
    // Only a program that ends while the box is up leaves it without a button.
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

std::string showInputBox(const std::string& prompt, const std::string& title,
                         const std::string& initialText) {
    QInputDialog dialog;
    dialog.setWindowTitle(titleOf(title));
    // The dialog's label guesses the text format; escaping keeps a prompt from being read as
    // markup.
    QString label = toQString(prompt);
    if (Qt::mightBeRichText(label)) label = Qt::convertFromPlainText(label);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(toQString(initialText));
    if (dialog.exec() != QDialog::Accepted) return {};
    return toStdString(dialog.textValue());
}

}  // namespace zelvano
