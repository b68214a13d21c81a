#include "desktop/qt_dialogs.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>
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

// How wide a dialog must be for the window manager to write its whole title: the title in the
// desktop's bold title face (the game's own narrow face is not the window manager's), beside the
// window's icon and three title-bar buttons, about a line high and square each, with their
// margins. Qt leaves room for the title in the dialog's face only, and a short question then
// cuts its own title ("Zelva… 2004").
int widthForTitle(const QString& title) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}

void fill(QMessageBox& box, const MessageRequest& request) {
    box.setTextFormat(Qt::PlainText);
    box.setText(toQString(request.text));
    box.setWindowTitle(titleOf(request.title));
    box.setIcon(toQtIcon(request.icon));
    // A screen reader reads the title as the box's name and the text as its description.
    box.setAccessibleDescription(box.text());
    // A message box sizes itself to its layout, so the room for the title is an empty row of it.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(widthForTitle(box.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
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
    // The dialog sizes itself to its layout; its prompt is the one control that may be widened.
    if (auto* promptLabel = dialog.findChild<QLabel*>()) {
        const QStyle& style = *dialog.style();
        promptLabel->setMinimumWidth(widthForTitle(dialog.windowTitle()) -
                                     style.pixelMetric(QStyle::PM_LayoutLeftMargin) -
                                     style.pixelMetric(QStyle::PM_LayoutRightMargin));
    }
    dialog.setTextValue(toQString(initialText));
    if (dialog.exec() != QDialog::Accepted) return {};
    return toStdString(dialog.textValue());
}

}  // namespace zelvano
