#include "windows/history_game_page.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/fonts.h"
#include "windows/history_controls.h"
#include "windows/look.h"
#include "windows/qt_text.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

const std::array<QColor, 2> kSideColours{kLightGreen, kLightCyan};

// What the line score's columns mean, for a screen reader: in the language of the moment, so
// asked for when used.
QString lineScoreWords() {
    // Translators: the headings of the line score's two last columns are those the game page
    // gives (計 the runs, 安 the hits).
    return uiText("先攻と後攻のイニングごとの得点。計は得点、安は安打");
}

// The widest a team's name stands in the line score; a longer one ends in "…".
constexpr int kTeamColumnLimit = 220;

}  // namespace

// The line score as a grid: the first row names the innings, the next two are the sides. The
// header is a row of its own so that it takes the scoreboard's colours in every style.
class LineScoreModel final : public QAbstractTableModel {
public:
    explicit LineScoreModel(QObject* parent) : QAbstractTableModel(parent) {}

    void setTable(HistoryTable table) {
        beginResetModel();
        table_ = std::move(table);
        endResetModel();
    }
    const HistoryTable& table() const { return table_; }

    // The headings are hidden behind the first row; a screen reader still reads them.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
            section >= columnCount()) {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        return toQString(table_.header[static_cast<std::size_t>(section)]);
    }

    static QFont teamFont() { return windowFont(FontFace::Gothic, 13.5, true); }
    static QFont inningFont() { return windowFont(FontFace::Mincho, 12.0); }
    static QFont runsFont(bool total) { return windowFont(FontFace::Gothic, 15.75, total); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || table_.header.empty() ? 0
                                                         : 1 + static_cast<int>(table_.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(table_.header.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const int row = index.row(), column = index.column();
        const bool team = column == 0, total = column == columnCount() - 2 && column > 0;
        switch (role) {
            case Qt::DisplayRole:
            case Qt::ToolTipRole:
                return text(row, column);
            case Qt::FontRole:
                return row == 0 ? inningFont() : team ? teamFont() : runsFont(total);
            case Qt::BackgroundRole:
                if (row == 0) return kPink;
                return team ? kSideColours[static_cast<std::size_t>(row - 1) % 2] : kLightGrey;
            case Qt::TextAlignmentRole:
                return team && row > 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignCenter);
            default:
                return {};
        }
    }

private:
    QString text(int row, int column) const {
        const auto at = static_cast<std::size_t>(column);
        if (row == 0) return at < table_.header.size() ? toQString(table_.header[at]) : QString();
        const auto& cells = table_.rows[static_cast<std::size_t>(row - 1)];
        return at < cells.size() ? toQString(cells[at]) : QString();
    }

    HistoryTable table_;
};

HistoryGamePage::HistoryGamePage(QWidget* parent, std::function<void()> back,
                                 std::function<void(PlayerId)> openCareer)
    : QWidget(parent), back_(std::move(back)), openCareer_(std::move(openCareer)) {
    setObjectName(QStringLiteral("gamePage"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    backButton_ = makeHistoryButton(this, QStringLiteral("gameBackButton"),
                                    uiTextIn("history button", "戻る"),
                                    uiText("試合を開いたページに戻ります（Esc または Backspace）"));
    connect(backButton_, &QPushButton::clicked, this, [this] { back_(); });
    title_ = makeHistoryTitle(this, QStringLiteral("gameTitle"));
    top->addWidget(backButton_);
    top->addWidget(title_, 1);
    layout->addLayout(top);
    result_ = makeHistoryTitle(this, QStringLiteral("gameResult"));
    result_->setFont(windowFont(FontFace::Gothic, 10.5));
    layout->addWidget(result_);
    lineScore_ = makeLineScore();
    layout->addWidget(lineScore_);

    auto* sides = new QHBoxLayout;
    const std::array<QString, 2> sideOrders{uiText("先攻の打順"), uiText("後攻の打順")};
    for (std::size_t side = 0; side < 2; ++side) {
        auto* column = new QVBoxLayout;
        QLabel* title = makeHistoryTitle(this, QStringLiteral("battingTitle%1").arg(side));
        title->setFont(LineScoreModel::teamFont());
        title->setWordWrap(false);
        setBackground(*title, kSideColours[side]);
        title->setAutoFillBackground(true);
        QTableView* table =
            makeHistoryTable(this, QStringLiteral("battingTable%1").arg(side), sideOrders[side],
                             uiText("打順、選手、この試合の打数と安打。Enter かダブルクリックで"
                                    "その選手の歩みを開きます"));
        table->setFont(windowFont(FontFace::Mincho, 12.75));
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        connect(table, &QTableView::activated, this, [this, side](const QModelIndex& index) {
            const std::vector<PlayerId>& ids = batterIds_[side];
            if (index.row() < 0 || index.row() >= static_cast<int>(ids.size())) return;
            const PlayerId id = ids[static_cast<std::size_t>(index.row())];
            if (id != 0) openCareer_(id);
        });
        // Shown with a game that has its batters.
        title->setVisible(false);
        table->setVisible(false);
        column->addWidget(title);
        column->addWidget(table, 1);
        sides->addLayout(column, 1);
        battingTitles_[side] = title;
        battingTables_[side] = table;
    }
    layout->addLayout(sides, 1);
    notes_ = makeHistoryTitle(this, QStringLiteral("gameNotes"));
    notes_->setFont(windowFont(FontFace::Gothic, 9.0));
    layout->addWidget(notes_);
    setTabOrder(backButton_, lineScore_);
    setTabOrder(lineScore_, battingTables_[0]);
    setTabOrder(battingTables_[0], battingTables_[1]);

    // From any control of the page, tables included: they would keep Backspace for a search.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Backspace)}) {
        auto* shortcut = new QShortcut(keys, this);  // owned by the page
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { back_(); });
    }
}

QTableView* HistoryGamePage::makeLineScore() {
    auto* table = new QTableView(this);  // owned by the page
    table->setObjectName(QStringLiteral("lineScoreTable"));
    lineScoreModel_ = new LineScoreModel(table);  // owned by the table
    table->setModel(lineScoreModel_);
    table->setAccessibleName(uiText("イニングごとの得点"));
    table->setAccessibleDescription(lineScoreWords());
    table->setVisible(false);  // shown with a game
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->horizontalHeader()->setVisible(false);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // A long game scrolls sideways; the line score never takes the batting lines' room.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    return table;
}

void HistoryGamePage::fitLineScore() {
    const HistoryTable& table = lineScoreModel_->table();
    const QFontMetrics team(LineScoreModel::teamFont());
    const QFontMetrics runs(LineScoreModel::runsFont(true));
    const QFontMetrics innings(LineScoreModel::inningFont());
    rowHeight_ = std::max(team.height(), runs.height()) + 8;
    lineScore_->verticalHeader()->setDefaultSectionSize(rowHeight_);
    contentWidth_ = 0;
    const int columns = static_cast<int>(table.header.size());
    for (int column = 0; column < columns; ++column) {
        int width = innings.horizontalAdvance(toQString(table.header[std::size_t(column)]));
        for (const auto& row : table.rows) {
            if (column >= static_cast<int>(row.size())) continue;
            const QFontMetrics& metrics = column == 0 ? team : runs;
            width = std::max(width, metrics.horizontalAdvance(toQString(row[std::size_t(column)])));
        }
        width += column == 0 ? 16 : 12;
        if (column == 0) width = std::min(width, kTeamColumnLimit);
        // Every inning as wide as a run of two figures, so that the columns line up.
        if (column > 0) width = std::max(width, runs.horizontalAdvance(QStringLiteral("00")) + 12);
        lineScore_->setColumnWidth(column, width);
        contentWidth_ += width;
    }
    // As wide as the game, no wider: the scoreboard's columns, not an empty field beside them.
    lineScore_->setMaximumWidth(contentWidth_ + 2 * lineScore_->frameWidth());
    fitLineScoreHeight();
}

void HistoryGamePage::fitLineScoreHeight() {
    const int frame = 2 * lineScore_->frameWidth();
    // The scroll bar's room only for a game too long for the page.
    const int scrollBar = contentWidth_ + frame > lineScore_->width()
                              ? lineScore_->horizontalScrollBar()->sizeHint().height()
                              : 0;
    lineScore_->setFixedHeight(lineScoreModel_->rowCount() * rowHeight_ + frame + scrollBar);
}

void HistoryGamePage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitLineScoreHeight();
}

void HistoryGamePage::showPage(GamePage page) {
    title_->setText(toQString(page.title));
    result_->setText(toQString(page.result));
    result_->setVisible(!page.result.empty());
    lineScoreModel_->setTable(std::move(page.lineScore));
    fitLineScore();
    lineScore_->setVisible(lineScoreModel_->rowCount() > 0);
    lineScore_->setAccessibleDescription(toQString(page.result) +
                                         uiTextIn("between spoken parts", "　") + lineScoreWords());
    for (std::size_t side = 0; side < 2; ++side) {
        BattingLine& line = page.batting[side];
        const bool shown = !line.table.rows.empty();
        battingTitles_[side]->setText(toQString(line.title));
        battingTitles_[side]->setVisible(shown);
        battingTables_[side]->setAccessibleName(
            uiFillIn(uiText("{1}の打順"), {toQString(line.title)}));
        batterIds_[side] = std::move(line.ids);
        showHistoryTable(*battingTables_[side], std::move(line.table));
        battingTables_[side]->setVisible(shown);
    }
    QStringList notes;
    for (const std::string& note : page.notes) notes << toQString(note);
    notes_->setText(notes.join(QLatin1Char('\n')));
    notes_->setVisible(!notes.isEmpty());
}

void HistoryGamePage::takeFocus() {
    QTableView* first = battingTables_[0];
    if (first->isVisible() && first->model()->rowCount() > 0) {
        first->setFocus(Qt::OtherFocusReason);
        first->setCurrentIndex(first->model()->index(0, 1));
    } else {
        backButton_->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace zelvano
