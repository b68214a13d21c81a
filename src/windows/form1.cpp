#include "windows/form1.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "game/scoreboard_text.h"
#include "windows/baseball_icon.h"
#include "windows/board_scaler.h"
#include "windows/centre_form.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/pictures.h"
#include "windows/qt_text.h"
#include "windows/twips.h"

namespace zelvano {

namespace {

const QColor kPink(255, 192, 255);
const QColor kLightGrey(224, 224, 224);
const QColor kLightGreen(192, 255, 192);
const QColor kLightCyan(192, 255, 255);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

// The client area of the scoreboard, in twips.
constexpr int kWidth = 8910;
constexpr int kHeight = 5835;

// The two columns of the scoreboard: side 1 on the left, side 2 on the right.
constexpr std::array<int, 2> kNameLeft{120, 4560};
constexpr std::array<int, 2> kAverageLeft{3600, 8040};
constexpr std::array<int, 2> kTeamAverageLeft{3000, 7440};
constexpr int kFirstSlotTop = 960;
constexpr int kSlotStep = 360;

}  // namespace

Form1::Form1(GameViewEvents& events) : events_(events) {
    // The design size is the normal size; the player may maximise the scoreboard (or drag it
    // larger), and the board then grows with the window.
    const QSize designSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    board_ = new QWidget(this);  // owned by the window
    board_->setFixedSize(designSize);
    setMinimumSize(designSize);
    resize(designSize);
    setWindowTitle(QString());
    setWindowIcon(baseballIcon());
    buildScoreboard();
    buildStandings();
    scaler_ = std::make_unique<BoardScaler>(*board_);

    // The timer only reports its ticks; whether a tick advances is the logic's decision.
    connect(&timer1_, &QTimer::timeout, this, [this] { events_.Timer1_Timer(); });
    CentreForm(*this);
}

Form1::~Form1() = default;

void Form1::buildScoreboard() {
    label4_ = makeLabel(board_, twipsRect(120, 120, 1335, 375),
                        {windowFont(FontFace::Mincho, 15.75), kPink});
    label5_ =
        makeLabel(board_, twipsRect(1560, 120, 2655, 375),
                  {windowFont(FontFace::Gothic, 15.75), kLightGrey}, QStringLiteral("Label5"));

    command1_ = makeButton(board_, QStringLiteral("次へ"), twipsRect(7920, 120, 855, 375));
    command1_->setVisible(false);
    connect(command1_, &QPushButton::clicked, this, [this] { events_.Command1_Click(); });

    const std::array<QColor, 2> sideColour{kLightGreen, kLightCyan};
    for (int side = 0; side < 2; ++side) {
        label1_[side] = makeLabel(board_, twipsRect(kNameLeft[side], 600, 4215, 255),
                                  {windowFont(FontFace::Gothic, 13.5, true), sideColour[side]},
                                  QStringLiteral("Label1"));
        for (int slot = 0; slot < 9; ++slot) {
            const int index = side * 9 + slot;
            const int top = kFirstSlotTop + kSlotStep * slot;
            label2_[index] = makeLabel(board_, twipsRect(kNameLeft[side], top, 3255, 255),
                                       {windowFont(FontFace::Mincho, 12.75), std::nullopt},
                                       QStringLiteral("Label2"));
            // The name labels paint their own background so that the current batter can be
            // marked; in the design state it is the window's own colour.
            setBackground(*label2_[index], board_->palette().color(QPalette::Window));
            label3_[index] = makeLabel(board_, twipsRect(kAverageLeft[side], top, 735, 255),
                                       {windowFont(FontFace::Mincho, 12.0), std::nullopt},
                                       QStringLiteral("Label3"));
        }
        label6_[side] = makeLabel(board_, twipsRect(kTeamAverageLeft[side], 4200, 1335, 255),
                                  {windowFont(FontFace::Gothic, 11.25), sideColour[side]},
                                  QStringLiteral("Label6"));
    }

    line1_ = new QFrame(board_);
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Sunken);
    line1_->setGeometry(twipsRect(120, 4500, 8655, 60));
}

void Form1::buildStandings() {
    frame1_ = new QGroupBox(QStringLiteral(" 勝敗表 "), board_);
    frame1_->setGeometry(twipsRect(1440, 4680, 5535, 1095));
    frame1_->setFont(defaultWindowFont());
    for (int team = 0; team < 3; ++team) {
        const int top = 240 + 240 * team;
        label10_[team] = makeLabel(frame1_, twipsRect(120, top, 2175, 255),
                                   {windowFont(FontFace::Gothic, 11.25), kLightGreen},
                                   QStringLiteral("Label10"));
        label11_[team] =
            makeLabel(frame1_, twipsRect(2400, top, 2895, 255),
                      {windowFont(FontFace::Gothic, 11.25), kPink}, QStringLiteral("Label11"));
    }

    picIcons_ = new QToolButton(board_);
    picIcons_->setGeometry(twipsRect(7200, 5040, 615, 600));
    picIcons_->setIcon(gameIcon());
    picIcons_->setIconSize(QSize(32, 32));
    picIcons_->setToolTip(QStringLiteral("選手一覧"));
    picIcons_->setAccessibleName(QStringLiteral("選手一覧"));
    // Reachable from the keyboard too: Tab to it, Space presses it.
    picIcons_->setFocusPolicy(Qt::StrongFocus);
    connect(picIcons_, &QToolButton::clicked, this, [this] { events_.PicIcons_Click(); });
}

void Form1::resizeEvent(QResizeEvent* event) {
    ClosableForm::resizeEvent(event);
    if (scaler_) scaler_->fitInto(size());
}

void Form1::setWindowState(WindowState state) {
    switch (state) {
        case WindowState::Minimized:
            QWidget::setWindowState(Qt::WindowMinimized);
            break;
        case WindowState::Maximized:
            QWidget::setWindowState(Qt::WindowMaximized);
            break;
        case WindowState::Normal:
            QWidget::setWindowState(Qt::WindowNoState);
            break;
    }
}

WindowState Form1::windowState() const {
    const Qt::WindowStates state = QWidget::windowState();
    if (state.testFlag(Qt::WindowMinimized)) return WindowState::Minimized;
    if (state.testFlag(Qt::WindowMaximized)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Form1::setCaption(const std::string& text) { setWindowTitle(toQString(text)); }

void Form1::setInning(int inning, int half) {
    const QString text = toQString(inningText(inning, half));
    label4_->setText(text);
    setWindowTitle(text);
}

void Form1::setScoreLine(const std::string& text) { label5_->setText(toQString(text)); }

void Form1::setTeamName(int side, const std::string& text) {
    label1_.at(side - 1)->setText(toQString(text));
}

void Form1::setBatterName(int index, const std::string& text) {
    label2_.at(index)->setText(toQString(text));
}

void Form1::setBatterFigures(int index, Counter hits, Counter atBats) {
    label3_.at(index)->setText(QString::number(displayedAverage(hits, atBats)));
}

void Form1::setCurrentBatter(int index) {
    // Only the two labels that change are repainted.
    if (currentBatter_ >= 0) setBackground(*label2_.at(currentBatter_), kWhite);
    if (index >= 0) setBackground(*label2_.at(index), kRed);
    currentBatter_ = index;
}

void Form1::setTeamAverage(int side, const std::string& text) {
    label6_.at(side - 1)->setText(toQString(text));
}

void Form1::setStandings(int team, const std::string& name, const std::string& marks) {
    label10_.at(team - 1)->setText(toQString(name));
    label11_.at(team - 1)->setText(toQString(marks));
}

void Form1::show() { QWidget::show(); }

void Form1::startAdvanceTimer(int milliseconds) { timer1_.start(milliseconds); }

void Form1::showNextButton() {
    command1_->setVisible(true);
    command1_->setFocus(Qt::OtherFocusReason);
}

void Form1::closeByProgram() {
    timer1_.stop();
    closeFromProgram();
}

bool Form1::userCloseRefused() { return events_.Form_QueryUnload(); }

}  // namespace zelvano
