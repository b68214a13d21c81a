#include "windows/results_report_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "windows/baseball_icon.h"
#include "windows/centre_window.h"
#include "windows/elided_label.h"
#include "windows/fonts.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/twips.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

// The client area of the report, in twips: the list and its button at the bottom right.
constexpr int kWidth = 7815;
constexpr int kHeight = 5895;

constexpr std::array<int, 3> kTeamTops{2040, 2400, 2760};

}  // namespace

ResultsReportWindow::ResultsReportWindow() {
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setWindowTitle(uiText("年間結果報告"));
    setWindowIcon(baseballIcon());
    // The season end owns the window: a close only hides it, which ends the season end's wait.
    setAttribute(Qt::WA_DeleteOnClose, false);

    // Labels the season end fills show their design-time captions ("Label2", ...) until it does.
    const LabelLook heading{windowFont(FontFace::Gothic, 12.0, true), std::nullopt};
    const LabelLook text{windowFont(FontFace::Gothic, 10.5), std::nullopt};
    makeNameLabel(this, twipsRect(120, 120, 5175, 375), heading,
                  uiText("一年間の全試合が終了しました"))
        ->setObjectName(QStringLiteral("seasonOverLabel"));
    championLabel_ = makeNameLabel(this, twipsRect(120, 600, 7575, 495),
                                   {windowFont(FontFace::Gothic, 18.0, true), std::nullopt},
                                   QStringLiteral("Label2"));
    championLabel_->setObjectName(QStringLiteral("championLabel"));
    titleRunLabel_ =
        makeNameLabel(this, twipsRect(120, 1080, 4575, 375), heading, QStringLiteral("Label7"));
    titleRunLabel_->setObjectName(QStringLiteral("titleRunLabel"));
    titleCountLabel_ =
        makeNameLabel(this, twipsRect(4680, 1080, 3015, 375), heading, QStringLiteral("Label6"));
    titleCountLabel_->setObjectName(QStringLiteral("titleCountLabel"));
    makeNameLabel(this, twipsRect(120, 1680, 3255, 255), text, uiText("各チームの平均打率"))
        ->setObjectName(QStringLiteral("teamAveragesHeading"));
    for (int team = 0; team < 3; ++team) {
        teamNameLabels_[team] = makeNameLabel(this, twipsRect(480, kTeamTops[team], 2655, 255),
                                              text, QStringLiteral("Label4"));
        teamNameLabels_[team]->setObjectName(QStringLiteral("teamNameLabel%1").arg(team));
        teamAverageLabels_[team] = makeNameLabel(this, twipsRect(3360, kTeamTops[team], 2535, 255),
                                                 text, QStringLiteral("Label5"));
        teamAverageLabels_[team]->setObjectName(QStringLiteral("teamAverageLabel%1").arg(team));
    }
    makeNameLabel(this, twipsRect(120, 3240, 3255, 255), text, uiText("今年度のＭＶＰ選手一覧"))
        ->setObjectName(QStringLiteral("mvpHeading"));

    mvpList_ = new QListWidget(this);  // owned by the window
    mvpList_->setObjectName(QStringLiteral("mvpList"));
    mvpList_->setAccessibleName(uiText("今年度のＭＶＰ選手一覧"));
    mvpList_->setAccessibleDescription(uiText("チーム、選手名と打率"));
    mvpList_->setGeometry(twipsRect(120, 3600, 7575, 1710));
    // Team, name and average stand in columns made of full-width spaces.
    mvpList_->setFont(columnFont(FontFace::Mincho, 10.5));
    mvpList_->setSelectionMode(QAbstractItemView::SingleSelection);

    okButton_ = makeFittedButton(this, uiText("ＯＫ"), twipsRect(6600, 5400, 975, 375));
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setAccessibleDescription(uiText("報告を閉じます"));
    connect(okButton_, &QPushButton::clicked, this, [this] { close(); });

    centreWindow(*this);
}

void ResultsReportWindow::setChampionLine(const std::string& text) {
    championLabel_->setFullText(toQString(text));
}

void ResultsReportWindow::setTitleCount(const std::string& text) {
    titleCountLabel_->setFullText(toQString(text));
}

void ResultsReportWindow::setTitleRun(const std::string& text) {
    titleRunLabel_->setFullText(toQString(text));
}

void ResultsReportWindow::setTeamAverage(int team, const std::string& name,
                                         const std::string& average) {
    teamNameLabels_.at(team - 1)->setFullText(toQString(name));
    teamAverageLabels_.at(team - 1)->setFullText(toQString(average));
}

void ResultsReportWindow::addMvpLine(const std::string& text) {
    mvpList_->addItem(toQString(text));
}

void ResultsReportWindow::show() {
    QWidget::show();
    okButton_->setFocus(Qt::OtherFocusReason);
}

bool ResultsReportWindow::isVisible() const { return QWidget::isVisible(); }

void ResultsReportWindow::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control leaves alone: Enter is "ＯＫ" wherever the focus is (the list
    // passes it on), and Esc closes the report like its close box.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                okButton_->click();
                return;
            case Qt::Key_Escape:
                close();
                return;
            default:
                break;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelvano
