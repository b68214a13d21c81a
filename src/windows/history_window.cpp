#include "windows/history_window.h"

#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "windows/fonts.h"
#include "windows/history_charts.h"
#include "windows/history_controls.h"
#include "windows/history_game_page.h"
#include "windows/history_table_model.h"
#include "windows/qt_text.h"
#include "windows/tab_keys.h"
#include "windows/window_text.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zelvano {

namespace {

// "7年目": a year of the league, as the year boxes list it.
QString yearCaption(Counter year) { return uiFillIn(uiText("{1}年目"), {QString::number(year)}); }

void returnFreedMemory() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

}  // namespace

HistoryWindow::HistoryWindow(std::shared_ptr<const HistorySource> source, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(std::move(source)) {
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(uiText("Zelvano -リーグの歴史"));
    // Closed, it is gone with every page it read: a long history is not kept in memory for a
    // window the player may never open again.
    setAttribute(Qt::WA_DeleteOnClose);
    // Once every page is gone, the memory they took goes back to the system: the C library
    // would otherwise keep it for the game's next allocations.
    connect(this, &QObject::destroyed, [] { QTimer::singleShot(0, [] { returnFreedMemory(); }); });
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("historyTabs"));
    tabs_->setAccessibleName(uiText("リーグの歴史"));
    tabs_->addTab(buildChampionsTab(), uiText("歴代優勝"));
    tabs_->addTab(buildSeasonTab(), uiTextIn("history", "シーズン"));
    tabs_->addTab(buildMovesTab(), uiText("トレード・移籍"));
    tabs_->addTab(buildCareerTab(), uiText("選手の歩み"));
    tabs_->addTab(buildRecordsTab(), uiText("通算記録"));
    tabs_->addTab(buildTeamChartTab(), uiText("チーム打率の推移"));
    tabs_->tabBar()->setObjectName(QStringLiteral("historyTabBar"));
    tabs_->tabBar()->setAccessibleName(uiText("リーグの歴史のページ"));
    tabs_->tabBar()->setAccessibleDescription(
        uiText("Ctrl+Tab で次のページ、Ctrl+Shift+Tab で前のページ"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { fillTab(tab); });
    buildTabKeys();
    gamePage_ = new HistoryGamePage(
        this, [this] { showTabs(); },
        [this](PlayerId id) {
            showCareer(id);
            career_->setFocus(Qt::OtherFocusReason);
        });
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("historyPages"));
    pages_->addWidget(tabs_);
    pages_->addWidget(gamePage_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    resize(760, 560);
}

void HistoryWindow::buildTabKeys() {
    // The keys of a tabbed dialog, from wherever the focus is: a year box or a team box would
    // otherwise keep Ctrl+PgUp for itself, and a table Ctrl+Tab.
    addTabSwitchKeys(this, [this](int by) {
        if (pages_->currentWidget() != tabs_) return;  // a game's page has no tabs
        tabs_->setCurrentIndex(tabAfter(tabs_->currentIndex(), by, tabs_->count()));
    });
}

void HistoryWindow::setSource(std::shared_ptr<const HistorySource> source) {
    source_ = std::move(source);
    filled_ = {};
    yearsRead_ = false;
    if (isVisible()) fillTab(tabs_->currentIndex());
}

void HistoryWindow::showEvent(QShowEvent* event) {
    fillTab(tabs_->currentIndex());
    QWidget::showEvent(event);
}

QWidget* HistoryWindow::buildChampionsTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    knownSince_ = makeHistoryTitle(page, QStringLiteral("knownSince"));
    knownSince_->setFont(windowFont(FontFace::Gothic, 9.0));
    champions_ = makeHistoryTable(page, QStringLiteral("championsTable"), uiText("歴代優勝"),
                                  uiText("記録したシーズンごとの優勝チーム、各チームの勝敗と"
                                         "優勝回数。Enter かダブルクリックでそのシーズンの"
                                         "ページを開きます"));
    layout->addWidget(knownSince_);
    layout->addWidget(champions_);
    // A year's row leads to its page: double-click or Enter.
    connect(champions_, &QTableView::activated, this, [this](const QModelIndex& index) {
        const std::vector<Counter>& known = years();
        if (index.row() >= 0 && index.row() < static_cast<int>(known.size())) {
            showSeason(known[static_cast<std::size_t>(index.row())]);
        }
    });
    return page;
}

QWidget* HistoryWindow::buildSeasonTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    seasonYear_ = new QComboBox(page);
    seasonYear_->setObjectName(QStringLiteral("seasonYear"));
    seasonYear_->setAccessibleName(uiTextIn("history", "シーズン"));
    seasonYear_->setAccessibleDescription(uiText("ページに表示するシーズンを選びます"));
    seasonTitle_ = makeHistoryTitle(page, QStringLiteral("seasonTitle"));
    top->addWidget(seasonYear_);
    top->addWidget(seasonTitle_, 1);
    layout->addLayout(top);
    auto* split = new QSplitter(Qt::Horizontal, page);
    auto* left = new QWidget(split);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    standings_ = makeHistoryTable(left, QStringLiteral("standingsTable"), uiText("順位表"),
                                  uiText("このシーズンの各チームの勝敗と平均打率"));
    standings_->setMaximumHeight(120);
    games_ = makeHistoryTable(left, QStringLiteral("gamesTable"), uiText("試合結果"),
                              uiText("このシーズンの12試合の先攻、後攻、得点と安打。"
                                     "Enter かダブルクリックで試合の詳細を開きます"));
    gameButton_ = makeHistoryButton(left, QStringLiteral("gameDetailsButton"), uiText("試合の詳細"),
                                    uiText("試合結果の表で選んだ試合のスコアと打順を表示します"));
    leftLayout->addWidget(standings_);
    leftLayout->addWidget(games_);
    leftLayout->addWidget(gameButton_, 0, Qt::AlignLeft);
    connect(games_, &QTableView::activated, this, [this] { openSeasonGame(); });
    connect(gameButton_, &QPushButton::clicked, this, [this] { openSeasonGame(); });
    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    report_ = makeHistoryTable(right, QStringLiteral("reportList"), uiText("年間結果報告"),
                               uiText("このシーズンの終わりに表示した年間結果報告"));
    report_->setFont(columnFont(FontFace::Mincho, 9.0));
    report_->horizontalHeader()->setVisible(false);
    report_->setShowGrid(false);
    historyModelOf(*report_).setToolTips(true);
    seasonMoves_ = makeHistoryTable(right, QStringLiteral("seasonMovesTable"),
                                    uiText("このシーズンのトレード・移籍"),
                                    uiText("このシーズンのトレード、大リーグ移籍と復帰、引退、"
                                           "新人入団"));
    historyModelOf(*seasonMoves_).setToolTips(true);
    milestones_ = makeHistoryTable(right, QStringLiteral("milestonesList"), uiText("記録達成"),
                                   uiText("このシーズンに達成された通算安打などの記録"));
    milestones_->setShowGrid(false);
    historyModelOf(*milestones_).setToolTips(true);
    rightLayout->addWidget(report_, 2);
    rightLayout->addWidget(milestones_, 1);
    rightLayout->addWidget(seasonMoves_, 2);
    // The games' eight columns want the wider half.
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
    connect(seasonYear_, &QComboBox::currentIndexChanged, this, [this] { fillSeason(); });
    return page;
}

QWidget* HistoryWindow::buildMovesTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    moveTeam_ = new QComboBox(page);
    moveTeam_->setObjectName(QStringLiteral("moveTeam"));
    moveTeam_->setAccessibleName(uiTextIn("history", "チーム"));
    moveTeam_->setAccessibleDescription(uiText("トレード・移籍の記録を表示するチームを選びます"));
    moves_ = makeHistoryTable(page, QStringLiteral("movesTable"), uiText("トレード・移籍の記録"),
                              uiText("年度ごとのトレード、大リーグ移籍と復帰、引退、新人入団。"
                                     "新しいものほど下にあります"));
    historyModelOf(*moves_).setToolTips(true);
    layout->addWidget(moveTeam_);
    layout->addWidget(moves_, 1);
    connect(moveTeam_, &QComboBox::currentIndexChanged, this, [this] { fillMoves(); });
    return page;
}

QWidget* HistoryWindow::buildCareerTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    careerTitle_ = makeHistoryTitle(page, QStringLiteral("careerTitle"));
    careerTitle_->setText(
        uiText("情報ウィンドウの「現役選手一覧」か「らんだむ資料館」で選手を選び、"
               "「この選手の歩み」を押してください。"));
    auto* split = new QSplitter(Qt::Vertical, page);
    career_ = makeHistoryTable(split, QStringLiteral("careerTable"), uiText("選手の歩み"),
                               uiText("選手の記録の始まりと、シーズンごとの成績と通算成績"));
    auto* below = new QWidget(split);
    auto* belowLayout = new QHBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    careerChart_ = makeAverageChart(below, QStringLiteral("careerChart"));
    careerChart_->setAccessibleName(uiText("シーズンごとの打率のグラフ"));
    careerChart_->setAccessibleDescription(uiText("選手を選ぶと、その打率を表示します"));
    // The game log's seven columns want the wider part, whether a year is picked or not.
    belowLayout->addWidget(careerChart_, 2);
    belowLayout->addWidget(buildGameLog(below), 3);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(careerTitle_);
    layout->addWidget(split, 1);
    return page;
}

QWidget* HistoryWindow::buildGameLog(QWidget* parent) {
    auto* box = new QWidget(parent);  // owned by its parent
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    logYear_ = new QComboBox(box);
    logYear_->setObjectName(QStringLiteral("gameLogYear"));
    logYear_->setPlaceholderText(uiText("年度を選ぶ"));
    logYear_->setAccessibleName(uiText("試合ごとの成績の年度"));
    logYear_->setAccessibleDescription(
        uiText("選んだ年度の、この選手の試合ごとの成績を表示します"));
    logTitle_ = makeHistoryTitle(box, QStringLiteral("gameLogTitle"));
    logTitle_->setFont(windowFont(FontFace::Gothic, 9.0, true));
    // Alt+Y reaches the year from anywhere on the page.
    auto* yearLabel = new QLabel(uiText("年度(&Y)"), box);
    yearLabel->setFont(windowFont(FontFace::Gothic, 9.0));
    yearLabel->setBuddy(logYear_);
    top->addWidget(yearLabel);
    top->addWidget(logYear_);
    top->addWidget(logTitle_, 1);
    gameLog_ = makeHistoryTable(box, QStringLiteral("gameLogTable"), uiText("試合ごとの成績"),
                                uiText("選んだ年度の試合ごとの打順、打数、安打と勝敗。"
                                       "Enter かダブルクリックで試合の詳細を開きます"));
    gameLog_->setVisible(false);  // until a year is picked
    layout->addLayout(top);
    layout->addWidget(gameLog_, 1);
    layout->addStretch();  // the year box stays at the top while no year is picked
    connect(logYear_, &QComboBox::currentIndexChanged, this, [this] { fillGameLog(); });
    connect(gameLog_, &QTableView::activated, this, [this](const QModelIndex& index) {
        const QVariant year = logYear_->currentData();
        if (!year.isValid() || index.row() < 0 ||
            index.row() >= static_cast<int>(logGames_.size())) {
            return;
        }
        const int number = logGames_[static_cast<std::size_t>(index.row())];
        if (number != 0) showGame(year.value<Counter>(), number);
    });
    return box;
}

QWidget* HistoryWindow::buildRecordsTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QHBoxLayout(page);
    // One record a table, each with its own columns: the hall of fame's names no longer widen
    // the averages' columns past the window's edge.
    recordsSections_ = new QListWidget(page);
    recordsSections_->setObjectName(QStringLiteral("recordsSections"));
    recordsSections_->setAccessibleName(uiText("通算記録の項目"));
    recordsSections_->setAccessibleDescription(uiText("選んだ項目の記録を、右の表に表示します"));
    recordsSections_->setFont(windowFont(FontFace::Gothic, 9.0));
    recordsSections_->setMaximumWidth(200);
    recordsTable_ = makeHistoryTable(page, QStringLiteral("recordsTable"), uiText("通算記録"),
                                     uiText("左で選んだ通算記録"));
    layout->addWidget(recordsSections_);
    layout->addWidget(recordsTable_, 1);
    connect(recordsSections_, &QListWidget::currentRowChanged, this,
            [this](int row) { showRecordsSection(row); });
    return page;
}

QWidget* HistoryWindow::buildTeamChartTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    teamChart_ = makeAverageChart(page, QStringLiteral("teamChart"));
    teamChart_->setAccessibleName(uiText("各チームの平均打率のグラフ"));
    layout->addWidget(teamChart_);
    return page;
}

void HistoryWindow::fillTab(int tab) {
    if (tab < 0 || tab >= static_cast<int>(filled_.size()) ||
        filled_[static_cast<std::size_t>(tab)]) {
        return;
    }
    filled_[static_cast<std::size_t>(tab)] = true;
    switch (tab) {
        case Champions:
            fillChampions();
            break;
        case Season:
            fillSeasonYears();
            break;
        case Moves:
            fillMoveTeams();
            break;
        case Career:
            fillCareer();
            break;
        case Records:
            fillRecords();
            break;
        case TeamChart:
            fillTeamChart();
            break;
        default:
            break;
    }
}

const std::vector<Counter>& HistoryWindow::years() {
    if (!yearsRead_) {
        years_ = source_->years();
        yearsRead_ = true;
    }
    return years_;
}

void HistoryWindow::fillChampions() {
    knownSince_->setText(toQString(source_->knownSinceText()));
    showHistoryTable(*champions_, source_->champions());
}

void HistoryWindow::fillSeasonYears() {
    const QVariant shownYear = seasonYear_->currentData();
    {
        const QSignalBlocker quiet(seasonYear_);
        seasonYear_->clear();
        for (const Counter year : years()) {
            seasonYear_->addItem(yearCaption(year), year);
        }
        const int at = shownYear.isValid() ? seasonYear_->findData(shownYear) : -1;
        seasonYear_->setCurrentIndex(at >= 0 ? at : seasonYear_->count() - 1);
    }
    fillSeason();
}

void HistoryWindow::fillSeason() {
    const QVariant year = seasonYear_->currentData();
    if (!year.isValid()) {
        seasonTitle_->setText(uiText("記録されたシーズンはまだありません。"));
        return;
    }
    SeasonPage page = source_->season(year.value<Counter>());
    seasonTitle_->setText(toQString(page.title));
    showHistoryTable(*standings_, std::move(page.standings));
    seasonGames_ = std::move(page.gameNumbers);
    showHistoryTable(*games_, std::move(page.games));
    gameButton_->setEnabled(!seasonGames_.empty());
    HistoryTable milestones{{text::translated("記録達成")}, {}};
    for (std::string& line : page.milestones) milestones.rows.push_back({std::move(line)});
    showHistoryTable(*milestones_, std::move(milestones));
    HistoryTable report{{text::translated("年間結果報告")}, {}};
    for (std::string& line : page.report) report.rows.push_back({std::move(line)});
    showHistoryTable(*report_, std::move(report));
    showHistoryTable(*seasonMoves_, std::move(page.moves));
}

void HistoryWindow::fillMoveTeams() {
    const int team = std::max(moveTeam_->currentIndex(), 0);
    {
        const QSignalBlocker quiet(moveTeam_);
        moveTeam_->clear();
        moveTeam_->addItem(uiText("全チーム"));
        for (int each = 1; each <= kHistoryTeams; ++each)
            moveTeam_->addItem(toQString(source_->teamName(each)));
        moveTeam_->setCurrentIndex(team);
    }
    fillMoves();
}

void HistoryWindow::fillMoves() {
    showHistoryTable(*moves_, source_->transactions(std::max(moveTeam_->currentIndex(), 0)));
    moves_->scrollToBottom();  // the newest last, where the player looks first
}

void HistoryWindow::fillRecords() {
    const int shown = std::max(recordsSections_->currentRow(), 0);
    records_ = source_->records();
    const QSignalBlocker quiet(recordsSections_);
    recordsSections_->clear();
    for (const RecordsSection& section : records_) {
        recordsSections_->addItem(toQString(section.title));
    }
    recordsSections_->setCurrentRow(std::min(shown, recordsSections_->count() - 1));
    showRecordsSection(recordsSections_->currentRow());
}

void HistoryWindow::showRecordsSection(int section) {
    if (section < 0 || section >= static_cast<int>(records_.size())) return;
    const RecordsSection& shown = records_[static_cast<std::size_t>(section)];
    recordsTable_->setAccessibleName(toQString(shown.title));
    showHistoryTable(*recordsTable_, shown.table);
}

void HistoryWindow::fillTeamChart() {
    const auto teams = source_->teamAverages();
    showAverages(*teamChart_, uiText("各チームの平均打率"),
                 {toQString(source_->teamName(1)), toQString(source_->teamName(2)),
                  toQString(source_->teamName(3))},
                 {teams[0], teams[1], teams[2]});
}

void HistoryWindow::fillCareer() {
    if (careerId_ == 0) return;
    CareerPage page = source_->career(careerId_);
    careerTitle_->setText(toQString(page.title));
    career_->setAccessibleName(toQString(page.title));
    showHistoryTable(*career_, std::move(page.seasons));
    showAverages(*careerChart_, uiText("シーズンごとの打率"), {toQString(page.title)},
                 {page.averages});
    // His games are read only when the player picks a year.
    {
        const QSignalBlocker quiet(logYear_);
        logYear_->clear();
        for (const Counter year : page.years) {
            logYear_->addItem(yearCaption(year), year);
        }
        logYear_->setCurrentIndex(-1);
    }
    logYear_->setEnabled(logYear_->count() > 0);
    logTitle_->clear();
    logGames_.clear();
    showHistoryTable(*gameLog_, {});
    gameLog_->setVisible(false);  // until a year is picked
}

void HistoryWindow::fillGameLog() {
    const QVariant year = logYear_->currentData();
    if (!year.isValid() || careerId_ == 0) return;
    GameLogPage page = source_->gameLog(careerId_, year.value<Counter>());
    logTitle_->setText(toQString(page.title));
    logGames_ = std::move(page.gameNumbers);
    showHistoryTable(*gameLog_, std::move(page.games));
    gameLog_->setVisible(!logGames_.empty());
}

void HistoryWindow::openSeasonGame() {
    const QVariant year = seasonYear_->currentData();
    if (!year.isValid() || seasonGames_.empty()) return;
    // Without a row picked, the season's first game.
    const int row = std::max(games_->currentIndex().row(), 0);
    if (row >= static_cast<int>(seasonGames_.size())) return;
    showGame(year.value<Counter>(), seasonGames_[static_cast<std::size_t>(row)]);
}

void HistoryWindow::showGame(Counter year, int number) {
    if (pages_->currentWidget() == tabs_) beforeGame_ = focusWidget();
    gamePage_->showPage(source_->game(year, number));
    pages_->setCurrentWidget(gamePage_);
    gamePage_->takeFocus();
}

void HistoryWindow::showTabs() {
    if (pages_->currentWidget() == tabs_) return;
    pages_->setCurrentWidget(tabs_);
    if (beforeGame_ && beforeGame_->isVisible()) beforeGame_->setFocus(Qt::OtherFocusReason);
}

void HistoryWindow::showSeason(Counter year) {
    showTabs();
    fillTab(Season);
    const int at = seasonYear_->findData(year);
    if (at >= 0) seasonYear_->setCurrentIndex(at);
    tabs_->setCurrentIndex(Season);
}

void HistoryWindow::showCareer(PlayerId id) {
    if (id == 0) return;
    showTabs();
    careerId_ = id;
    filled_[Career] = true;
    fillCareer();
    tabs_->setCurrentIndex(Career);
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    const bool back = event->key() == Qt::Key_Escape || event->key() == Qt::Key_Backspace;
    if (back && pages_->currentWidget() != tabs_) {
        showTabs();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelvano
