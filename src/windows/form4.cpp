#include "windows/form4.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "windows/baseball_icon.h"
#include "windows/centre_form.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/twips.h"

namespace zelvano {

namespace {

constexpr int kWidth = 6780;
constexpr int kHeight = 1875;

QLineEdit* makeTextBox(QWidget* parent, const QRect& geometry) {
    auto* box = new QLineEdit(parent);  // owned by its window
    box->setGeometry(geometry);
    box->setFont(windowFont(FontFace::Gothic, 12.0));
    return box;
}

}  // namespace

Form4::Form4(WizardViewEvents& events) : events_(events) {
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setWindowTitle(QStringLiteral("Zelvano 2002　選手登録ウィザード"));
    setWindowIcon(baseballIcon());

    const LabelLook look{windowFont(FontFace::Gothic, 12.0), std::nullopt};
    label1_ = makeLabel(this, twipsRect(120, 120, 1095, 375), look);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text1_ = makeTextBox(this, twipsRect(1320, 120, 5295, 375));
    label2_ = makeLabel(this, twipsRect(120, 720, 1095, 375), look);
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text2_ = makeTextBox(this, twipsRect(1320, 720, 5295, 375));
    command2_ =
        makeButton(this, QStringLiteral("＜＜　戻る　(&B)"), twipsRect(1320, 1320, 1815, 375));
    command1_ =
        makeButton(this, QStringLiteral("進む　(&F)  ＞＞"), twipsRect(4800, 1320, 1815, 375));

    // The player name comes first: most entries change only it.
    setTabOrder(text2_, command1_);
    setTabOrder(command1_, command2_);
    setTabOrder(command2_, text1_);
    text2_->setFocus(Qt::OtherFocusReason);
    text2_->installEventFilter(this);

    connect(command1_, &QPushButton::clicked, this, [this] { events_.Command1_Click(); });
    connect(command2_, &QPushButton::clicked, this, [this] { events_.Command2_Click(); });

    CentreForm(*this);
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text2_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter in the player name is not a character: it moves on to "進む", and a second
            // Enter presses it.
            command1_->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return ClosableForm::eventFilter(watched, event);
}

void Form4::setTeamLabel(const std::string& text) { label1_->setText(toQString(text)); }

void Form4::setPlayerLabel(const std::string& text) { label2_->setText(toQString(text)); }

void Form4::setTeamText(const std::string& text) { text1_->setText(toQString(text)); }

std::string Form4::teamText() const { return toStdString(text1_->text()); }

void Form4::setPlayerText(const std::string& text) { text2_->setText(toQString(text)); }

std::string Form4::playerText() const { return toStdString(text2_->text()); }

void Form4::focusTeamText() { text1_->setFocus(Qt::OtherFocusReason); }

void Form4::focusPlayerText(bool selectAll) {
    text2_->setFocus(Qt::OtherFocusReason);
    if (selectAll) text2_->selectAll();
}

void Form4::show() { QWidget::show(); }

void Form4::closeByProgram() { closeFromProgram(); }

bool Form4::userCloseRefused() { return events_.Form_QueryUnload(); }

}  // namespace zelvano
