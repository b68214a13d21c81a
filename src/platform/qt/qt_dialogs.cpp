#include "platform/qt/qt_dialogs.h"

#include <QInputDialog>
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

QString titleOf(const std::string& title) {
    // A message given no topic of its own carries the application's title.
    return toQString(title.empty() ? std::string(kApplicationTitle) : title);
}

}  // namespace

Answer showMessageBox(const MessageRequest& request) {
    QMessageBox box;
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(request.text));
    box.setWindowTitle(titleOf(request.title));
    box.setIcon(toQtIcon(request.icon));
    if (request.buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(request.defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    // Esc and the close box answer No, the cautious answer to every question the game asks.
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

std::string showInputBox(const std::string& prompt, const std::string& title) {
    QInputDialog dialog;
    dialog.setWindowTitle(titleOf(title));
    // The dialog's label guesses the text format; escaping keeps a prompt from being read as
    // markup.
    QString label = toQString(prompt);
    if (Qt::mightBeRichText(label)) label = Qt::convertFromPlainText(label);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    if (dialog.exec() != QDialog::Accepted) return {};
    return toStdString(dialog.textValue());
}

}  // namespace zelvano
