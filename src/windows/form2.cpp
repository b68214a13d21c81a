#include "windows/form2.h"

#include <QLabel>
#include <QPushButton>

#include "windows/baseball_icon.h"
#include "windows/centre_form.h"
#include "windows/double_click_label.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/twips.h"

namespace zelvano {

namespace {

const QColor kLightYellow(255, 255, 224);
const QColor kWhite(255, 255, 255);

// The client area holds two columns of fifteen players and the prompt line below them.
constexpr int kWidth = 9135;
constexpr int kHeight = 6015;

constexpr int kButtonWidth = 375;
constexpr int kButtonHeight = 270;
constexpr int kNameWidth = 3135;
constexpr int kAverageWidth = 615;
constexpr int kRowHeight = 255;

struct RowPlace {
    int top;
    int buttonLeft;
    int nameLeft;
    int averageLeft;
};

// Players 1..15 fill the left column, 16..30 the right one, each from row 1 down.
RowPlace rowPlace(int index) {
    const int player = index + 1;
    const bool leftColumn = player <= 15;
    const int row = leftColumn ? player : player - 15;
    const int top = 650 + 300 * row;
    return leftColumn ? RowPlace{top, 120, 500, 3500} : RowPlace{top, 4700, 5080, 8080};
}

}  // namespace

Form2::Form2(OrderViewEvents& events) : events_(events) {
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setWindowTitle(QStringLiteral("打者選考"));
    setWindowIcon(baseballIcon());
    setBackground(*this, kLightYellow);

    const LabelLook gothic{windowFont(FontFace::Gothic, 9.75), std::nullopt};
    label1_ = makeLabel(this, twipsRect(120, 120, 8775, 255), gothic);
    label2_ = makeLabel(this, twipsRect(120, 480, 8895, 255), gothic);

    // Created in player order, so that Tab walks the players 1 to 30 and then the shortcuts.
    for (int index = 0; index < 30; ++index) {
        command1_[index] = makeButton(this, QStringLiteral("Command1"), QRect());
        connect(command1_[index], &QPushButton::clicked, this,
                [this, index] { events_.Command1_Click(index); });

        label3_[index] =
            new DoubleClickLabel(this, [this, index] { events_.Label3_DblClick(index); });
        label3_[index]->setFont(windowFont(FontFace::Mincho, 12.0));
        label3_[index]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackground(*label3_[index], kWhite);

        label4_[index] =
            makeLabel(this, QRect(), {windowFont(FontFace::Mincho, 12.0), std::nullopt});
        placeRow(index);
    }

    label5_ = makeLabel(this, twipsRect(120, 5520, 4095, 375),
                        {windowFont(FontFace::Mincho, 13.5), std::nullopt});

    command3_ = makeButton(this, QStringLiteral("前回と同順"), twipsRect(5280, 5520, 1335, 270));
    command3_->setVisible(false);
    connect(command3_, &QPushButton::clicked, this, [this] { events_.Command3_Click(); });

    command2_ =
        makeButton(this, QStringLiteral("打順の打率順ソート"), twipsRect(6840, 5520, 1815, 270));
    connect(command2_, &QPushButton::clicked, this, [this] { events_.Command2_Click(); });

    CentreForm(*this);
}

QLabel* Form2::Label3(int index) const { return label3_.at(index); }

void Form2::placeRow(int index) {
    const RowPlace place = rowPlace(index);
    command1_[index]->setGeometry(
        twipsRect(place.buttonLeft, place.top, kButtonWidth, kButtonHeight));
    label3_[index]->setGeometry(twipsRect(place.nameLeft, place.top, kNameWidth, kRowHeight));
    label4_[index]->setGeometry(twipsRect(place.averageLeft, place.top, kAverageWidth, kRowHeight));
}

void Form2::setMatchLine(const std::string& text) { label1_->setText(toQString(text)); }

void Form2::setRosterTitle(const std::string& text) { label2_->setText(toQString(text)); }

void Form2::setPlayerRow(int index, const std::string& name, int average) {
    placeRow(index);
    command1_.at(index)->setText(QString::number(index + 1));
    label3_.at(index)->setText(QStringLiteral("  ") + toQString(name));
    label4_.at(index)->setText(QString::number(average));
}

void Form2::disablePlayer(int index, bool averageToo) {
    command1_.at(index)->setEnabled(false);
    label3_.at(index)->setEnabled(false);
    if (averageToo) label4_.at(index)->setEnabled(false);
}

void Form2::setPrompt(const std::string& text) { label5_->setText(toQString(text)); }

void Form2::showWholeOrderButton(const std::string& caption) {
    command3_->setText(toQString(caption));
    command3_->setEnabled(true);
    command3_->setVisible(true);
}

void Form2::disableShortcuts() {
    command2_->setEnabled(false);
    command3_->setEnabled(false);
}

void Form2::hideShortcuts() {
    command2_->setVisible(false);
    command3_->setVisible(false);
}

void Form2::setCaption(const std::string& text) { setWindowTitle(toQString(text)); }

void Form2::focusPlayer(int index) {
    QPushButton* button = command1_.at(index);
    // A player already picked keeps his greyed button; the suggestion then simply does not
    // happen.
    if (button->isEnabled()) button->setFocus(Qt::OtherFocusReason);
}

void Form2::show() { QWidget::show(); }

void Form2::closeByProgram() { closeFromProgram(); }

bool Form2::userCloseRefused() { return events_.Form_QueryUnload(); }

}  // namespace zelvano
