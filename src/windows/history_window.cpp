#include "windows/history_window.h"

#include <QChartView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "windows/fonts.h"
#include "windows/history_charts.h"
#include "windows/qt_text.h"

namespace zelvano {

namespace {

QTableWidget* makeTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(parent);  // owned by its parent
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);  // Tab goes on to the next control
    table->verticalHeader()->setVisible(false);
    table->setFont(windowFont(FontFace::Gothic, 9.0));
    // Rows as high as their text, so that a long career reads at a glance.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setFont(windowFont(FontFace::Gothic, 9.0, true));
    return table;
}

void fillTable(QTableWidget& table, const HistoryTable& content) {
    table.clear();
    table.setColumnCount(static_cast<int>(content.header.size()));
    table.setRowCount(static_cast<int>(content.rows.size()));
    QStringList header;
    for (const std::string& each : content.header) header << toQString(each);
    table.setHorizontalHeaderLabels(header);
    for (std::size_t row = 0; row < content.rows.size(); ++row) {
        for (std::size_t column = 0; column < content.rows[row].size(); ++column) {
            table.setItem(static_cast<int>(row), static_cast<int>(column),
                          new QTableWidgetItem(toQString(content.rows[row][column])));
        }
    }
    table.resizeColumnsToContents();
    table.horizontalHeader()->setStretchLastSection(true);
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
    setAttribute(Qt::WA_DeleteOnClose);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("historyTabs"));
    tabs_->addTab(buildChampionsTab(), QStringLiteral("歴代優勝"));
    tabs_->addTab(buildSeasonTab(), QStringLiteral("シーズン"));
    tabs_->addTab(buildMovesTab(), QStringLiteral("トレード・移籍"));
    tabs_->addTab(buildCareerTab(), QStringLiteral("選手の歩み"));
    tabs_->addTab(buildRecordsTab(), QStringLiteral("通算記録"));
    tabs_->addTab(buildTeamChartTab(), QStringLiteral("チーム打率の推移"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    resize(760, 560);
    fillAll();
}

void HistoryWindow::setSource(std::shared_ptr<const HistorySource> source) {
    source_ = std::move(source);
    fillAll();
}

QWidget* HistoryWindow::buildChampionsTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    knownSince_ = makeTitle(page, QStringLiteral("knownSince"));
    knownSince_->setFont(windowFont(FontFace::Gothic, 9.0));
    champions_ = makeTable(page, QStringLiteral("championsTable"));
    layout->addWidget(knownSince_);
    layout->addWidget(champions_);
    // A year's row leads to its page: double-click or Enter.
    connect(champions_, &QTableWidget::activated, this, [this](const QModelIndex& index) {
        const std::vector<Counter> years = source_->years();
        if (index.row() >= 0 && index.row() < static_cast<int>(years.size())) {
            showSeason(years[static_cast<std::size_t>(index.row())]);
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
    seasonTitle_ = makeTitle(page, QStringLiteral("seasonTitle"));
    top->addWidget(seasonYear_);
    top->addWidget(seasonTitle_, 1);
    layout->addLayout(top);
    auto* split = new QSplitter(Qt::Horizontal, page);
    auto* left = new QWidget(split);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    standings_ = makeTable(left, QStringLiteral("standingsTable"));
    standings_->setMaximumHeight(120);
    games_ = makeTable(left, QStringLiteral("gamesTable"));
    leftLayout->addWidget(standings_);
    leftLayout->addWidget(games_);
    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    report_ = new QListWidget(right);
    report_->setObjectName(QStringLiteral("reportList"));
    report_->setFont(columnFont(FontFace::Mincho, 9.0));
    seasonMoves_ = makeTable(right, QStringLiteral("seasonMovesTable"));
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
    moves_ = makeTable(page, QStringLiteral("movesTable"));
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
    career_ = makeTable(split, QStringLiteral("careerTable"));
    careerChart_ = makeAverageChart(split, QStringLiteral("careerChart"));
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    layout->addWidget(careerTitle_);
    layout->addWidget(split, 1);
    return page;
}

QWidget* HistoryWindow::buildRecordsTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    records_ = new QTreeWidget(page);
    records_->setObjectName(QStringLiteral("recordsTree"));
    records_->setFont(windowFont(FontFace::Gothic, 9.0));
    records_->setRootIsDecorated(false);
    records_->setHeaderHidden(true);
    layout->addWidget(records_);
    return page;
}

QWidget* HistoryWindow::buildTeamChartTab() {
    auto* page = new QWidget;  // owned by the tab widget
    auto* layout = new QVBoxLayout(page);
    teamChart_ = makeAverageChart(page, QStringLiteral("teamChart"));
    layout->addWidget(teamChart_);
    return page;
}

void HistoryWindow::fillAll() {
    knownSince_->setText(toQString(source_->knownSinceText()));
    fillTable(*champions_, source_->champions());

    const QVariant shownYear = seasonYear_->currentData();
    {
        const QSignalBlocker quiet(seasonYear_);
        seasonYear_->clear();
        for (const Counter year : source_->years()) {
            seasonYear_->addItem(QString::number(year) + QStringLiteral("年目"), year);
        }
        const int at = shownYear.isValid() ? seasonYear_->findData(shownYear) : -1;
        seasonYear_->setCurrentIndex(at >= 0 ? at : seasonYear_->count() - 1);
    }
    fillSeason();

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

    records_->clear();
    for (const RecordsSection& section : source_->records()) {
        auto* title =
            new QTreeWidgetItem(records_, {toQString(section.title)});  // owned by the tree
        title->setFont(0, windowFont(FontFace::Gothic, 10.5, true));
        title->setFirstColumnSpanned(true);
        QStringList header;
        for (const std::string& each : section.table.header) header << toQString(each);
        auto* heading = new QTreeWidgetItem(records_, header);
        for (int column = 0; column < header.size(); ++column) {
            heading->setFont(column, windowFont(FontFace::Gothic, 9.0, true));
        }
        int columns = static_cast<int>(section.table.header.size());
        for (const auto& row : section.table.rows) {
            QStringList cells;
            for (const std::string& each : row) cells << toQString(each);
            new QTreeWidgetItem(records_, cells);
            columns = std::max(columns, static_cast<int>(row.size()));
        }
        records_->setColumnCount(std::max(records_->columnCount(), columns));
    }
    for (int column = 0; column < records_->columnCount(); ++column) {
        records_->resizeColumnToContents(column);
    }

    const auto teams = source_->teamAverages();
    showAverages(*teamChart_, QStringLiteral("各チームの平均打率"),
                 {toQString(source_->teamName(1)), toQString(source_->teamName(2)),
                  toQString(source_->teamName(3))},
                 {teams[0], teams[1], teams[2]});
    showCareer(careerId_);
}

void HistoryWindow::fillSeason() {
    const QVariant year = seasonYear_->currentData();
    if (!year.isValid()) {
        seasonTitle_->setText(QStringLiteral("記録されたシーズンはまだありません。"));
        return;
    }
    const SeasonPage page = source_->season(year.value<Counter>());
    seasonTitle_->setText(toQString(page.title));
    fillTable(*standings_, page.standings);
    fillTable(*games_, page.games);
    report_->clear();
    for (const std::string& line : page.report) report_->addItem(toQString(line));
    fillTable(*seasonMoves_, page.moves);
}

void HistoryWindow::fillMoves() {
    fillTable(*moves_, source_->transactions(std::max(moveTeam_->currentIndex(), 0)));
    moves_->scrollToBottom();  // the newest last, where the player looks first
}

void HistoryWindow::showSeason(Counter year) {
    const int at = seasonYear_->findData(year);
    if (at >= 0) seasonYear_->setCurrentIndex(at);
    tabs_->setCurrentIndex(Season);
}

void HistoryWindow::showCareer(PlayerId id) {
    if (id == 0) return;
    careerId_ = id;
    const CareerPage page = source_->career(id);
    careerTitle_->setText(toQString(page.title));
    fillTable(*career_, page.seasons);
    showAverages(*careerChart_, QStringLiteral("シーズンごとの打率"), {toQString(page.title)},
                 {page.averages});
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
