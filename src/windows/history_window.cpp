#include "windows/history_window.h"

#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "windows/fonts.h"
#include "windows/history_charts.h"
#include "windows/history_table_model.h"
#include "windows/qt_text.h"
#include "windows/tab_keys.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace zelvano {

namespace {

void returnFreedMemory() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

}  // namespace

namespace {

QTableView* makeTable(QWidget* parent, const QString& name, const QString& spoken,
                      const QString& description) {
    auto* table = new QTableView(parent);  // owned by its parent
    table->setObjectName(name);
    table->setModel(new HistoryTableModel(table));  // owned by the table
    table->setAccessibleName(spoken);
    table->setAccessibleDescription(description);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab goes on to the next control
    // A text longer than its column ends in "…" on one line, never cut within a character.
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->verticalHeader()->setVisible(false);
    table->setFont(windowFont(FontFace::Gothic, 9.0));
    // Rows as high as their text, so that a long career reads at a glance.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setFont(windowFont(FontFace::Gothic, 9.0, true));
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

HistoryTableModel& modelOf(QTableView& table) {
    return *static_cast<HistoryTableModel*>(table.model());
}

void showTable(QTableView& table, HistoryTable content) {
    HistoryTableModel& model = modelOf(table);
    model.setTable(std::move(content));
    fitColumns(table, model.table());
}

QLabel* makeTitle(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);  // owned by its parent
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(windowFont(FontFace::Gothic, 12.0, true));
    label->setWordWrap(true);
    return label;
}

}  // namespace

HistoryWindow::HistoryWindow(std::shared_ptr<const HistorySource> source, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(std::move(source)) {
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(QStringLiteral("Zelvano -リーグの歴史"));
    // Closed, it is gone with every page it read: a long history is not kept in memory for a
    // window the player may never open again.
    setAttribute(Qt::WA_DeleteOnClose);
    // Once every page is gone, the memory they took goes back to the system: the C library
    // would otherwise keep it for the game's next allocations.
    connect(this, &QObject::destroyed, [] { QTimer::singleShot(0, [] { returnFreedMemory(); }); });
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("historyTabs"));
    tabs_->setAccessibleName(QStringLiteral("リーグの歴史"));
    tabs_->addTab(buildChampionsTab(), QStringLiteral("歴代優勝"));
    tabs_->addTab(buildSeasonTab(), QStringLiteral("シーズン"));
    tabs_->addTab(buildMovesTab(), QStringLiteral("トレード・移籍"));
    tabs_->addTab(buildCareerTab(), QStringLiteral("選手の歩み"));
    tabs_->addTab(buildRecordsTab(), QStringLiteral("通算記録"));
    tabs_->addTab(buildTeamChartTab(), QStringLiteral("チーム打率の推移"));
    tabs_->tabBar()->setObjectName(QStringLiteral("historyTabBar"));
    tabs_->tabBar()->setAccessibleName(QStringLiteral("リーグの歴史のページ"));
    tabs_->tabBar()->setAccessibleDescription(
        QStringLiteral("Ctrl+Tab で次のページ、Ctrl+Shift+Tab で前のページ"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { fillTab(tab); });
    buildTabKeys();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(760, 560);
}

void HistoryWindow::buildTabKeys() {
    // The keys of a tabbed dialog, from wherever the focus is: a year box or a team box would
    // otherwise keep Ctrl+PgUp for itself, and a table Ctrl+Tab.
    addTabSwitchKeys(this, [this](int by) {
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
    knownSince_ = makeTitle(page, QStringLiteral("knownSince"));
    knownSince_->setFont(windowFont(FontFace::Gothic, 9.0));
    champions_ = makeTable(page, QStringLiteral("championsTable"), QStringLiteral("歴代優勝"),
                           QStringLiteral("記録したシーズンごとの優勝チーム、各チームの勝敗と"
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
    seasonYear_->setAccessibleName(QStringLiteral("シーズン"));
    seasonYear_->setAccessibleDescription(QStringLiteral("ページに表示するシーズンを選びます"));
    seasonTitle_ = makeTitle(page, QStringLiteral("seasonTitle"));
    top->addWidget(seasonYear_);
    top->addWidget(seasonTitle_, 1);
    layout->addLayout(top);
    auto* split = new QSplitter(Qt::Horizontal, page);
    auto* left = new QWidget(split);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    standings_ = makeTable(left, QStringLiteral("standingsTable"), QStringLiteral("順位表"),
                           QStringLiteral("このシーズンの各チームの勝敗と平均打率"));
    standings_->setMaximumHeight(120);
    games_ = makeTable(left, QStringLiteral("gamesTable"), QStringLiteral("試合結果"),
                       QStringLiteral("このシーズンの12試合の先攻、後攻と得点"));
    leftLayout->addWidget(standings_);
    leftLayout->addWidget(games_);
    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    report_ = makeTable(right, QStringLiteral("reportList"), QStringLiteral("年間結果報告"),
                        QStringLiteral("このシーズンの終わりに表示した年間結果報告"));
    report_->setFont(columnFont(FontFace::Mincho, 9.0));
    report_->horizontalHeader()->setVisible(false);
    report_->setShowGrid(false);
    modelOf(*report_).setToolTips(true);
    seasonMoves_ = makeTable(right, QStringLiteral("seasonMovesTable"),
                             QStringLiteral("このシーズンのトレード・移籍"),
                             QStringLiteral("このシーズンのトレード、大リーグ移籍と復帰、引退、"
                                            "新人入団"));
    modelOf(*seasonMoves_).setToolTips(true);
    rightLayout->addWidget(report_);
    rightLayout->addWidget(seasonMoves_);
    layout->addWidget(split, 1);
    connect(seasonYear_, &QComboBox::currentIndexChanged, this, [this] { fillSeason(); });
    return page;
}

QWidget* HistoryWindow::buildMovesTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    moveTeam_ = new QComboBox(page);
    moveTeam_->setObjectName(QStringLiteral("moveTeam"));
    moveTeam_->setAccessibleName(QStringLiteral("チーム"));
    moveTeam_->setAccessibleDescription(
        QStringLiteral("トレード・移籍の記録を表示するチームを選びます"));
    moves_ = makeTable(page, QStringLiteral("movesTable"), QStringLiteral("トレード・移籍の記録"),
                       QStringLiteral("年度ごとのトレード、大リーグ移籍と復帰、引退、新人入団。"
                                      "新しいものほど下にあります"));
    modelOf(*moves_).setToolTips(true);
    layout->addWidget(moveTeam_);
    layout->addWidget(moves_, 1);
    connect(moveTeam_, &QComboBox::currentIndexChanged, this, [this] { fillMoves(); });
    return page;
}

QWidget* HistoryWindow::buildCareerTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    careerTitle_ = makeTitle(page, QStringLiteral("careerTitle"));
    careerTitle_->setText(
        QStringLiteral("情報ウィンドウの「現役選手一覧」か「らんだむ資料館」で選手を選び、"
                       "「この選手の歩み」を押してください。"));
    auto* split = new QSplitter(Qt::Vertical, page);
    career_ = makeTable(split, QStringLiteral("careerTable"), QStringLiteral("選手の歩み"),
                        QStringLiteral("選手の記録の始まりと、シーズンごとの成績と通算成績"));
    careerChart_ = makeAverageChart(split, QStringLiteral("careerChart"));
    careerChart_->setAccessibleName(QStringLiteral("シーズンごとの打率のグラフ"));
    careerChart_->setAccessibleDescription(QStringLiteral("選手を選ぶと、その打率を表示します"));
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(careerTitle_);
    layout->addWidget(split, 1);
    return page;
}

QWidget* HistoryWindow::buildRecordsTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QHBoxLayout(page);
    // One record a table, each with its own columns: the hall of fame's names no longer widen
    // the averages' columns past the window's edge.
    recordsSections_ = new QListWidget(page);
    recordsSections_->setObjectName(QStringLiteral("recordsSections"));
    recordsSections_->setAccessibleName(QStringLiteral("通算記録の項目"));
    recordsSections_->setAccessibleDescription(
        QStringLiteral("選んだ項目の記録を、右の表に表示します"));
    recordsSections_->setFont(windowFont(FontFace::Gothic, 9.0));
    recordsSections_->setMaximumWidth(200);
    recordsTable_ = makeTable(page, QStringLiteral("recordsTable"), QStringLiteral("通算記録"),
                              QStringLiteral("左で選んだ通算記録"));
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
    teamChart_->setAccessibleName(QStringLiteral("各チームの平均打率のグラフ"));
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
    showTable(*champions_, source_->champions());
}

void HistoryWindow::fillSeasonYears() {
    const QVariant shownYear = seasonYear_->currentData();
    {
        const QSignalBlocker quiet(seasonYear_);
        seasonYear_->clear();
        for (const Counter year : years()) {
            seasonYear_->addItem(QString::number(year) + QStringLiteral("年目"), year);
        }
        const int at = shownYear.isValid() ? seasonYear_->findData(shownYear) : -1;
        seasonYear_->setCurrentIndex(at >= 0 ? at : seasonYear_->count() - 1);
    }
    fillSeason();
}

void HistoryWindow::fillSeason() {
    const QVariant year = seasonYear_->currentData();
    if (!year.isValid()) {
        seasonTitle_->setText(QStringLiteral("記録されたシーズンはまだありません。"));
        return;
    }
    SeasonPage page = source_->season(year.value<Counter>());
    seasonTitle_->setText(toQString(page.title));
    showTable(*standings_, std::move(page.standings));
    showTable(*games_, std::move(page.games));
    HistoryTable report{{"年間結果報告"}, {}};
    for (std::string& line : page.report) report.rows.push_back({std::move(line)});
    showTable(*report_, std::move(report));
    showTable(*seasonMoves_, std::move(page.moves));
}

void HistoryWindow::fillMoveTeams() {
    const int team = std::max(moveTeam_->currentIndex(), 0);
    {
        const QSignalBlocker quiet(moveTeam_);
        moveTeam_->clear();
        moveTeam_->addItem(QStringLiteral("全チーム"));
        for (int each = 1; each <= kHistoryTeams; ++each)
            moveTeam_->addItem(toQString(source_->teamName(each)));
        moveTeam_->setCurrentIndex(team);
    }
    fillMoves();
}

void HistoryWindow::fillMoves() {
    showTable(*moves_, source_->transactions(std::max(moveTeam_->currentIndex(), 0)));
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
    showTable(*recordsTable_, shown.table);
}

void HistoryWindow::fillTeamChart() {
    const auto teams = source_->teamAverages();
    showAverages(*teamChart_, QStringLiteral("各チームの平均打率"),
                 {toQString(source_->teamName(1)), toQString(source_->teamName(2)),
                  toQString(source_->teamName(3))},
                 {teams[0], teams[1], teams[2]});
}

void HistoryWindow::fillCareer() {
    if (careerId_ == 0) return;
    CareerPage page = source_->career(careerId_);
    careerTitle_->setText(toQString(page.title));
    career_->setAccessibleName(toQString(page.title));
    showTable(*career_, std::move(page.seasons));
    showAverages(*careerChart_, QStringLiteral("シーズンごとの打率"), {toQString(page.title)},
                 {page.averages});
}

void HistoryWindow::showSeason(Counter year) {
    fillTab(Season);
    const int at = seasonYear_->findData(year);
    if (at >= 0) seasonYear_->setCurrentIndex(at);
    tabs_->setCurrentIndex(Season);
}

void HistoryWindow::showCareer(PlayerId id) {
    if (id == 0) return;
    careerId_ = id;
    filled_[Career] = true;
    fillCareer();
    tabs_->setCurrentIndex(Career);
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace zelvano
