#include "windows/batting_order_window.h"

#include <QLabel>
#include <QPushButton>

#include "windows/baseball_icon.h"
#include "windows/centre_window.h"
#include "windows/double_click_label.h"
#include "windows/fitted_caption.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/twips.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

const QColor kLightYellow(255, 255, 224);
const QColor kWhite(255, 255, 255);

// The client area holds two columns of fifteen players and the prompt line below them.
constexpr int kWidth = 9135;
constexpr int kHeight = 6015;

constexpr int kButtonWidth = 375;
constexpr int kButtonHeight = 270;
constexpr int kAverageWidth = 615;
constexpr int kRowHeight = 255;
// A name ends this far before its average, so that the longest name, cut with "…", never
// touches the first digit.
constexpr int kNameToAverageGap = 60;

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

BattingOrderWindow::BattingOrderWindow(BattingOrderEvents& events) : events_(events) {
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setWindowTitle(uiText("打者選考"));
    setWindowIcon(baseballIcon());
    setBackground(*this, kLightYellow);

    const LabelLook gothic{windowFont(FontFace::Gothic, 9.75), std::nullopt};
    matchLabel_ = makeNameLabel(this, twipsRect(120, 120, 8775, 255), gothic);
    matchLabel_->setObjectName(QStringLiteral("matchLabel"));
    rosterTitleLabel_ = makeNameLabel(this, twipsRect(120, 480, 8895, 255), gothic);
    rosterTitleLabel_->setObjectName(QStringLiteral("rosterTitleLabel"));

    // Created in player order, so that Tab walks the players 1 to 30 and then the shortcuts. A
    // button shows its design-time caption "Command1" until its row is filled.
    for (int index = 0; index < 30; ++index) {
        QPushButton* button = makeButton(this, QStringLiteral("Command1"), QRect());
        button->setObjectName(QStringLiteral("playerButton%1").arg(index));
        connect(button, &QPushButton::clicked, this,
                [this, index] { events_.playerPressed(index); });
        playerButtons_[index] = button;

        auto* name =
            new DoubleClickLabel(this, [this, index] { events_.playerNameDoubleClicked(index); });
        name->setObjectName(QStringLiteral("playerNameLabel%1").arg(index));
        name->setFont(windowFont(FontFace::Mincho, 12.0));
        name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackground(*name, kWhite);
        playerNameLabels_[index] = name;

        ElidedLabel* average =
            makeNameLabel(this, QRect(), {windowFont(FontFace::Mincho, 12.0), std::nullopt});
        average->setObjectName(QStringLiteral("playerAverageLabel%1").arg(index));
        average->setAccessibleDescription(uiTextIn("what a label shows", "打率"));
        playerAverageLabels_[index] = average;
        placeRow(index);
    }

    promptLabel_ = makeNameLabel(this, twipsRect(120, 5520, 4095, 375),
                                 {windowFont(FontFace::Mincho, 13.5), std::nullopt});
    promptLabel_->setObjectName(QStringLiteral("promptLabel"));

    wholeOrderButton_ =
        makeFittedButton(this, uiText("前回と同順"), twipsRect(5280, 5520, 1335, 270));
    wholeOrderButton_->setObjectName(QStringLiteral("wholeOrderButton"));
    wholeOrderButton_->setVisible(false);
    wholeOrderButton_->setAccessibleDescription(uiText("残りの打順をまとめて決めます"));
    connect(wholeOrderButton_, &QPushButton::clicked, this,
            [this] { events_.wholeOrderPressed(); });

    sortButton_ =
        makeFittedButton(this, uiText("打順の打率順ソート"), twipsRect(6840, 5520, 1815, 270));
    sortButton_->setObjectName(QStringLiteral("sortButton"));
    sortButton_->setAccessibleDescription(uiText("打率の高い９人を打順に並べて提案します"));
    connect(sortButton_, &QPushButton::clicked, this, [this] { events_.sortPressed(); });

    centreWindow(*this);
}

void BattingOrderWindow::placeRow(int index) {
    const RowPlace place = rowPlace(index);
    playerButtons_[index]->setGeometry(
        twipsRect(place.buttonLeft, place.top, kButtonWidth, kButtonHeight));
    playerNameLabels_[index]->setGeometry(
        twipsRect(place.nameLeft, place.top, place.averageLeft - kNameToAverageGap - place.nameLeft,
                  kRowHeight));
    playerAverageLabels_[index]->setGeometry(
        twipsRect(place.averageLeft, place.top, kAverageWidth, kRowHeight));
}

void BattingOrderWindow::setMatchLine(const std::string& text) {
    matchLabel_->setFullText(toQString(text));
    setAccessibleDescription(matchLabel_->fullText());
    describePlayerButtons();
}

void BattingOrderWindow::setRosterTitle(const std::string& text) {
    rosterTitleLabel_->setFullText(toQString(text));
}

void BattingOrderWindow::setPlayerRow(int index, const std::string& name, int average) {
    placeRow(index);
    QPushButton* button = playerButtons_.at(index);
    button->setText(QString::number(index + 1));
    // The button shows only the number; a screen reader says whose number it is.
    button->setAccessibleName(
        uiFillIn(uiText("{1} {2} 打率{3}"),
                 {QString::number(index + 1), toQString(name), uiAverage(average)}));
    playerNameLabels_.at(index)->setFullText(QStringLiteral("  ") + toQString(name));
    playerAverageLabels_.at(index)->setFullText(uiAverage(average));
}

void BattingOrderWindow::disablePlayer(int index, bool averageToo) {
    playerButtons_.at(index)->setEnabled(false);
    playerNameLabels_.at(index)->setEnabled(false);
    if (averageToo) playerAverageLabels_.at(index)->setEnabled(false);
}

void BattingOrderWindow::setPrompt(const std::string& text) {
    promptLabel_->setFullText(toQString(text));
    describePlayerButtons();
}

void BattingOrderWindow::describePlayerButtons() {
    // What a press of a player's button does now: the prompt for the next batter, or, when there
    // is none (the rookie's slot), the line that asks for the pick.
    const QString description =
        promptLabel_->fullText().isEmpty() ? matchLabel_->fullText() : promptLabel_->fullText();
    for (QPushButton* button : playerButtons_) button->setAccessibleDescription(description);
}

void BattingOrderWindow::showWholeOrderButton(const std::string& caption) {
    setFittedCaption(*wholeOrderButton_, toQString(caption));
    wholeOrderButton_->setEnabled(true);
    wholeOrderButton_->setVisible(true);
}

void BattingOrderWindow::disableShortcuts() {
    sortButton_->setEnabled(false);
    wholeOrderButton_->setEnabled(false);
}

void BattingOrderWindow::hideShortcuts() {
    sortButton_->setVisible(false);
    wholeOrderButton_->setVisible(false);
}

void BattingOrderWindow::setCaption(const std::string& text) { setWindowTitle(toQString(text)); }

void BattingOrderWindow::focusPlayer(int index) {
    QPushButton* button = playerButtons_.at(index);
    // A player already picked keeps his greyed button; the suggestion then simply does not
    // happen.
    if (button->isEnabled()) button->setFocus(Qt::OtherFocusReason);
}

void BattingOrderWindow::show() { QWidget::show(); }

void BattingOrderWindow::closeByProgram() { closeFromProgram(); }

bool BattingOrderWindow::refuseUserClose() { return events_.refuseUserClose(); }

}  // namespace zelvano
