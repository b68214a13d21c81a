#include "windows/scoreboard_window.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

#include "game/scoreboard_text.h"
#include "windows/baseball_icon.h"
#include "windows/board_scaler.h"
#include "windows/centre_window.h"
#include "windows/elided_label.h"
#include "windows/fitted_caption.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/pictures.h"
#include "windows/qt_text.h"
#include "windows/twips.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

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

ScoreboardWindow::ScoreboardWindow(ScoreboardEvents& events) : events_(events) {
    // The design size is the normal size; the player may maximise the scoreboard (or drag it
    // larger), and the board then grows with the window.
    const QSize designSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    board_ = new QWidget(this);  // owned by the window
    board_->setObjectName(QStringLiteral("board"));
    board_->setFixedSize(designSize);
    setMinimumSize(designSize);
    resize(designSize);
    setWindowTitle(QString());
    setWindowIcon(baseballIcon());
    setAccessibleName(uiText("スコアボード"));
    buildScoreboard();
    buildStandings();
    describeState();
    scaler_ = std::make_unique<BoardScaler>(*board_);

    // The timer only reports its ticks; whether a tick advances is the logic's decision.
    advanceTimer_ = new QTimer(this);  // owned by the window
    advanceTimer_->setObjectName(QStringLiteral("advanceTimer"));
    connect(advanceTimer_, &QTimer::timeout, this, [this] { events_.advanceTimerTicked(); });
    centreWindow(*this);
}

ScoreboardWindow::~ScoreboardWindow() = default;

// Labels the game fills show their design-time captions ("Label5", ...) until it does, as the
// scoreboard always has.
void ScoreboardWindow::buildScoreboard() {
    inningLabel_ = makeNameLabel(board_, twipsRect(120, 120, 1335, 375),
                                 {windowFont(FontFace::Mincho, 15.75), kPink});
    inningLabel_->setObjectName(QStringLiteral("inningLabel"));
    inningLabel_->setAccessibleDescription(uiTextIn("what a label shows", "イニング"));
    scoreLabel_ =
        makeNameLabel(board_, twipsRect(1560, 120, 2655, 375),
                      {windowFont(FontFace::Gothic, 15.75), kLightGrey}, QStringLiteral("Label5"));
    scoreLabel_->setObjectName(QStringLiteral("scoreLabel"));
    scoreLabel_->setAccessibleDescription(uiTextIn("what a label shows", "得点"));

    nextButton_ = makeFittedButton(board_, uiText("次へ"), twipsRect(7920, 120, 855, 375));
    nextButton_->setObjectName(QStringLiteral("nextButton"));
    nextButton_->setVisible(false);
    nextButton_->setAccessibleDescription(uiText("次の試合に進みます"));
    connect(nextButton_, &QPushButton::clicked, this, [this] { events_.nextPressed(); });

    const std::array<QColor, 2> sideColour{kLightGreen, kLightCyan};
    const std::array<QString, 2> sideTeam{uiText("表のチーム"), uiText("裏のチーム")};
    const std::array<QString, 2> sideBatter{uiText("表の{1}番打者"), uiText("裏の{1}番打者")};
    for (int side = 0; side < 2; ++side) {
        teamNameLabels_[side] = makeNameLabel(
            board_, twipsRect(kNameLeft[side], 600, 4215, 255),
            {windowFont(FontFace::Gothic, 13.5, true), sideColour[side]}, QStringLiteral("Label1"));
        teamNameLabels_[side]->setObjectName(QStringLiteral("teamNameLabel%1").arg(side));
        teamNameLabels_[side]->setAccessibleDescription(sideTeam[side]);
        for (int slot = 0; slot < 9; ++slot) {
            const int index = side * 9 + slot;
            const int top = kFirstSlotTop + kSlotStep * slot;
            ElidedLabel* name = makeNameLabel(board_, twipsRect(kNameLeft[side], top, 3255, 255),
                                              {windowFont(FontFace::Mincho, 12.75), std::nullopt},
                                              QStringLiteral("Label2"));
            name->setObjectName(QStringLiteral("batterNameLabel%1").arg(index));
            name->setAccessibleDescription(uiFillIn(sideBatter[side], {QString::number(slot + 1)}));
            // The name labels paint their own background so that the current batter can be
            // marked; in the design state it is the window's own colour.
            setBackground(*name, board_->palette().color(QPalette::Window));
            batterNameLabels_[index] = name;
            ElidedLabel* average = makeNameLabel(
                board_, twipsRect(kAverageLeft[side], top, 735, 255),
                {windowFont(FontFace::Mincho, 12.0), std::nullopt}, QStringLiteral("Label3"));
            average->setObjectName(QStringLiteral("batterAverageLabel%1").arg(index));
            average->setAccessibleDescription(uiTextIn("what a label shows", "打率"));
            batterAverageLabels_[index] = average;
        }
        teamAverageLabels_[side] = makeNameLabel(
            board_, twipsRect(kTeamAverageLeft[side], 4200, 1335, 255),
            {windowFont(FontFace::Gothic, 11.25), sideColour[side]}, QStringLiteral("Label6"));
        teamAverageLabels_[side]->setObjectName(QStringLiteral("teamAverageLabel%1").arg(side));
    }

    auto* divider = new QFrame(board_);  // owned by the board
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(twipsRect(120, 4500, 8655, 60));
}

void ScoreboardWindow::buildStandings() {
    standingsFrame_ = new QGroupBox(board_);
    standingsFrame_->setObjectName(QStringLiteral("standingsFrame"));
    standingsFrame_->setGeometry(twipsRect(1440, 4680, 5535, 1095));
    standingsFrame_->setFont(defaultWindowFont());
    setFittedCaption(*standingsFrame_, uiText(" 勝敗表 "));
    for (int team = 0; team < 3; ++team) {
        const int top = 240 + 240 * team;
        standingsNameLabels_[team] = makeNameLabel(
            standingsFrame_, twipsRect(120, top, 2175, 255),
            {windowFont(FontFace::Gothic, 11.25), kLightGreen}, QStringLiteral("Label10"));
        standingsNameLabels_[team]->setObjectName(QStringLiteral("standingsNameLabel%1").arg(team));
        standingsMarksLabels_[team] =
            makeNameLabel(standingsFrame_, twipsRect(2400, top, 2895, 255),
                          {windowFont(FontFace::Gothic, 11.25), kPink}, QStringLiteral("Label11"));
        standingsMarksLabels_[team]->setObjectName(
            QStringLiteral("standingsMarksLabel%1").arg(team));
        standingsMarksLabels_[team]->setAccessibleDescription(
            uiText("今シーズンの勝敗、☆は勝ち、★は負け"));
    }

    playersListButton_ = new QToolButton(board_);
    playersListButton_->setObjectName(QStringLiteral("playersListButton"));
    playersListButton_->setGeometry(twipsRect(7200, 5040, 615, 600));
    playersListButton_->setIcon(gameIcon());
    playersListButton_->setIconSize(QSize(32, 32));
    playersListButton_->setToolTip(uiText("選手一覧"));
    playersListButton_->setAccessibleName(uiText("選手一覧"));
    playersListButton_->setAccessibleDescription(uiText("情報ウィンドウを開きます"));
    // Reachable from the keyboard: Tab to it, Space presses it. A click leaves the keyboard
    // where it was, so Enter still presses "次へ" after the information window is closed.
    playersListButton_->setFocusPolicy(Qt::TabFocus);
    connect(playersListButton_, &QToolButton::clicked, this,
            [this] { events_.playersListPressed(); });
}

void ScoreboardWindow::resizeEvent(QResizeEvent* event) {
    ClosableWindow::resizeEvent(event);
    if (scaler_) scaler_->fitInto(size());
}

void ScoreboardWindow::setWindowState(WindowState state) {
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

WindowState ScoreboardWindow::windowState() const {
    const Qt::WindowStates state = QWidget::windowState();
    if (state.testFlag(Qt::WindowMinimized)) return WindowState::Minimized;
    if (state.testFlag(Qt::WindowMaximized)) return WindowState::Maximized;
    return WindowState::Normal;
}

void ScoreboardWindow::setCaption(const std::string& text) { setWindowTitle(toQString(text)); }

void ScoreboardWindow::setInning(int inning, int half) {
    const QString text = toQString(inningText(inning, half));
    inningLabel_->setFullText(text);
    setWindowTitle(text);
    describeState();
}

void ScoreboardWindow::setScoreLine(const std::string& text) {
    scoreLabel_->setFullText(toQString(text));
    describeState();
}

void ScoreboardWindow::setTeamName(int side, const std::string& text) {
    teamNameLabels_.at(side - 1)->setFullText(toQString(text));
    describeState();
}

void ScoreboardWindow::setBatterName(int index, const std::string& text) {
    batterNameLabels_.at(index)->setFullText(toQString(text));
}

void ScoreboardWindow::setBatterFigures(int index, Counter hits, Counter atBats) {
    batterAverageLabels_.at(index)->setFullText(uiAverage(displayedAverage(hits, atBats)));
}

void ScoreboardWindow::setCurrentBatter(int index) {
    // Only the two labels that change are repainted.
    if (currentBatter_ >= 0) setBackground(*batterNameLabels_.at(currentBatter_), kWhite);
    if (index >= 0) setBackground(*batterNameLabels_.at(index), kRed);
    currentBatter_ = index;
    describeState();
}

void ScoreboardWindow::setTeamAverage(int side, const std::string& text) {
    teamAverageLabels_.at(side - 1)->setFullText(toQString(text));
}

void ScoreboardWindow::setStandings(int team, const std::string& name, const std::string& marks) {
    standingsNameLabels_.at(team - 1)->setFullText(toQString(name));
    standingsMarksLabels_.at(team - 1)->setFullText(toQString(marks));
}

void ScoreboardWindow::show() { QWidget::show(); }

void ScoreboardWindow::startAdvanceTimer(int milliseconds) { advanceTimer_->start(milliseconds); }

void ScoreboardWindow::showNextButton() {
    // The button comes after the game: a screen reader that lands on it hears the final score.
    nextButton_->setAccessibleDescription(
        uiFillIn(uiText("試合終了　{1}。次の試合に進みます"), {spokenScore()}));
    nextButton_->setVisible(true);
    nextButton_->setFocus(Qt::OtherFocusReason);
}

void ScoreboardWindow::closeByProgram() {
    advanceTimer_->stop();
    closeFromProgram();
}

QString ScoreboardWindow::spokenScore() const {
    // The score line names each team by its first one or two characters ("チー 1 - 3 チー"),
    // which may sound alike; spoken, each side's runs follow its whole name. The runs are the
    // last "n - m" of the line, as an abbreviation of two characters cannot hold one.
    static const QRegularExpression runsPattern(QStringLiteral(" (\\d+) - (\\d+) "));
    QRegularExpressionMatch runs;
    for (auto match = runsPattern.globalMatch(scoreLabel_->fullText()); match.hasNext();) {
        runs = match.next();
    }
    const QString& top = teamNameLabels_[0]->fullText();
    const QString& bottom = teamNameLabels_[1]->fullText();
    if (!runs.hasMatch()) {
        return uiFillIn(uiText("表 {1} 対 裏 {2}　{3}"), {top, bottom, scoreLabel_->fullText()});
    }
    return uiFillIn(uiText("表 {1} {2}、裏 {3} {4}"),
                    {top, runs.captured(1), bottom, runs.captured(2)});
}

void ScoreboardWindow::describeState() {
    // What the eye takes in at a glance, for a screen reader in one line: the inning, the two
    // teams with their runs, and the batter at the plate. The title says the inning too.
    QStringList state;
    if (!inningLabel_->fullText().isEmpty()) state << inningLabel_->fullText();
    state << spokenScore();
    if (currentBatter_ >= 0) {
        state << uiFillIn(uiText("打席 {1}"), {batterNameLabels_.at(currentBatter_)->fullText()});
    }
    // Translators: what separates the parts of a description a screen reader speaks.
    setAccessibleDescription(state.join(uiTextIn("between spoken parts", "　")));
}

bool ScoreboardWindow::refuseUserClose() { return events_.refuseUserClose(); }

}  // namespace zelvano
