#include "windows/information_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTimer>

#include "platform/platform.h"
#include "windows/baseball_icon.h"
#include "windows/centre_window.h"
#include "windows/elided_label.h"
#include "windows/fitted_caption.h"
#include "windows/fonts.h"
#include "windows/information_window_layout.h"
#include "windows/qt_text.h"
#include "windows/tab_icons.h"
#include "windows/tab_keys.h"
#include "windows/twips.h"
#include "windows/window_text.h"

namespace zelvano {

namespace {

// The client area, in twips.
constexpr int kWidth = 9225;
constexpr int kHeight = 5520;

const std::array<const char*, 6> kTabCaptions{
    text::textToTranslate("現役選手一覧"),   text::textToTranslate("らんだむ資料館"),
    text::textToTranslate("名球会名簿"),     text::textToTranslate("大リーグ情報"),
    text::textToTranslate("リーグオーナー"), text::textToTranslate("Zelvanoについて")};

void fillList(QListWidget& list, const std::vector<std::string>& lines) {
    list.clear();
    for (const std::string& line : lines) list.addItem(toQString(line));
}

// Counts this window's handlers on the stack, also when the logic's call unwinds.
class ReportingScope {
public:
    explicit ReportingScope(int& depth) : depth_(depth) { ++depth_; }
    ~ReportingScope() { --depth_; }
    ReportingScope(const ReportingScope&) = delete;
    ReportingScope& operator=(const ReportingScope&) = delete;

private:
    int& depth_;
};

}  // namespace

InformationWindow::InformationWindow(InformationEvents& events, SettingsStore* settings)
    : events_(&events), settings_(settings) {
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setWindowTitle(uiText("Zelvano -情報ウィンドウ"));
    setWindowIcon(baseballIcon());
    setFont(defaultWindowFont());
    buildTabControl();
    buildRosterTab(*pages_[0]);
    buildRankingTab(*pages_[1]);
    buildHallOfFameTab(*pages_[2]);
    buildMajorLeagueTab(*pages_[3]);
    buildOwnerTab(*pages_[4]);
    buildAboutTab(*pages_[5]);
    buildHistoryButtons(*pages_[0], *pages_[1]);
    centreWindow(*this);
}

InformationWindow::~InformationWindow() = default;

void InformationWindow::buildTabControl() {
    tabControl_ = new QWidget(this);  // owned by the window
    tabControl_->setObjectName(QStringLiteral("tabControl"));
    tabControl_->setGeometry(twipsRect(120, 120, 9015, 5295));

    // The tab bar stands at the top of the tab control and the panel right under it; the pages
    // begin kContentTop below the top, so that every control keeps its place in twips and the
    // first ones (the about page's picture and title) stand clear of the tabs.
    stack_ = new QStackedWidget(tabControl_);
    stack_->setFrameShape(QFrame::NoFrame);
    stack_->setGeometry(0, pageOffset(), tabControl_->width(),
                        tabControl_->height() - pageOffset());

    tabBar_ = new QTabBar(tabControl_);
    tabBar_->setObjectName(QStringLiteral("tabBar"));
    tabBar_->setAccessibleName(uiText("情報ウィンドウのページ"));
    tabBar_->setAccessibleDescription(uiText("Ctrl+Tab で次のページ、Ctrl+Shift+Tab で前のページ"));
    // Six captions in one row: an 11-pixel face keeps them all in the control's width.
    tabBar_->setFont(windowFont(FontFace::Gothic, 8.25));
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(false);
    for (std::size_t tab = 0; tab < kTabCaptions.size(); ++tab) {
        tabBar_->addTab(uiText(kTabCaptions[tab]));
        auto* page = new QWidget;  // the stack becomes its parent
        page->setObjectName(QStringLiteral("page%1").arg(tab));
        stack_->addWidget(page);
        pages_[tab] = page;
        auto* picture = new TabIconPicture(static_cast<int>(tab), page);  // owned by its page
        picture->setObjectName(QStringLiteral("tabPicture%1").arg(tab));
        picture->setGeometry(pageRect(240, 720, 480, 480));
    }
    const int barHeight = std::min(tabBar_->sizeHint().height(), pageOffset());
    tabBar_->setGeometry(0, 0, tabControl_->width(), barHeight);
    fitTabCaptions(*tabBar_);
    // The panel is drawn behind the pages, from the tabs down; the pages are transparent.
    auto* panel = new QFrame(tabControl_);
    panel->setObjectName(QStringLiteral("tabPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(0, barHeight, tabControl_->width(), tabControl_->height() - barHeight);
    panel->lower();
    tabBar_->setCurrentIndex(0);
    showPage(0);

    connect(tabBar_, &QTabBar::currentChanged, this, [this](int tab) {
        showPage(tab);
        report([tab](InformationEvents& events) { events.tabSelected(tab); });
    });

    // The keys of a tabbed dialog: Ctrl+Tab and Ctrl+PgDn forward, with Shift or PgUp back.
    addTabSwitchKeys(this, [this](int by) {
        tabBar_->setCurrentIndex(tabAfter(tabBar_->currentIndex(), by, tabBar_->count()));
    });
}

void InformationWindow::showPage(int tab) {
    stack_->setCurrentIndex(tab);
    // A screen reader entering the page says which one it is.
    stack_->setAccessibleName(tabBar_->tabText(tab));
}

void InformationWindow::report(const std::function<void(InformationEvents&)>& call) {
    if (events_ == nullptr) return;  // released: nobody listens any more
    {
        const ReportingScope scope(reporting_);
        try {
            call(*events_);
        } catch (const ProgramEnded&) {
            // The program was ended while the handler yielded. The end must not unwind through
            // the window system's frames; the yield that delivered this event raises it again.
        }
    }
    if (reporting_ == 0 && released_ && !deleteScheduled_) {
        deleteScheduled_ = true;
        deleteLater();
    }
}

void InformationWindow::reportRosterLine() {
    const QList<QListWidgetItem*> selected = rosterList_->selectedItems();
    const int line = selected.isEmpty() ? -1 : rosterList_->row(selected.first());
    report([line](InformationEvents& events) { events.rosterLineActivated(line); });
}

void InformationWindow::release() {
    events_ = nullptr;
    released_ = true;
    hide();
    // Inside one of its handlers the window waits until the outermost one has returned.
    if (reporting_ == 0 && !deleteScheduled_) {
        deleteScheduled_ = true;
        deleteLater();
    }
}

void InformationWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    report([](InformationEvents& events) { events.closedByUser(); });
    // The keyboard goes back to the window the player came from, to the control it was on: the
    // scoreboard's "次へ", say, rather than wherever the window system would put it.
    if (opener_ && opener_->isVisible()) {
        QTimer::singleShot(0, opener_.data(), [opener = opener_] {
            if (opener && opener->isVisible()) opener->activateWindow();
        });
    }
}

void InformationWindow::keyPressEvent(QKeyEvent* event) {
    // Esc reaches the window only when the focused control did not want it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool InformationWindow::eventFilter(QObject* watched, QEvent* event) {
    // A double click on the roster, or Enter on it, asks for the selected player's data.
    if (watched == rosterList_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        reportRosterLine();
        return true;
    }
    if (watched == rosterList_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            reportRosterLine();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void InformationWindow::setCurrentTab(int tab) {
    const QSignalBlocker blocker(tabBar_);
    tabBar_->setCurrentIndex(tab);
    showPage(tabBar_->currentIndex());
}

void InformationWindow::setTeamButtons(const std::array<std::string, 3>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        QPushButton& button = *teamButtons_[i];
        // A long name is cut at its end, where "…" shows the cut, and read whole in the tool
        // tip; a button would otherwise centre it and cut both ends.
        const QString name = toQString(names[i]);
        const QString shown =
            button.fontMetrics().elidedText(name, Qt::ElideRight, captionRoom(button));
        // A name is shown as typed: "&" is no mnemonic.
        button.setText(QString(shown).replace(u'&', QStringLiteral("&&")));
        button.setToolTip(shown == name ? QString() : name);
        button.setAccessibleName(name);
    }
}

void InformationWindow::setRosterTitle(const std::string& text) {
    rosterTitleLabel_->setFullText(toQString(text));
    // The list is read as the team it shows.
    rosterList_->setAccessibleName(rosterTitleLabel_->fullText());
}

void InformationWindow::setRosterLines(const std::vector<std::string>& lines) {
    fillList(*rosterList_, lines);
    if (!lines.empty()) placeMarksLegend(toQString(lines.front()));
}

void InformationWindow::placeMarksLegend(const QString& line) {
    // A roster line ends in its three marks, each a half-width space and a full-width mark
    // (" 優 ◎ 新"); the legend that names them stands centred over them, just above the list.
    constexpr int kMarkCharacters = 6;
    const QFontMetrics metrics(rosterList_->font());
    // Where a line's text begins: inside the list's frame and the item's own text margin.
    const int textLeft =
        rosterList_->x() + rosterList_->frameWidth() +
        rosterList_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, rosterList_) + 1;
    // From the first mark (after its space) to the end of the line.
    const int marksLeft =
        textLeft + metrics.horizontalAdvance(line.left(line.size() - kMarkCharacters + 1));
    const int marksRight = textLeft + metrics.horizontalAdvance(line);
    QRect place(QPoint(0, 0), rosterMarksLabel_->sizeHint());
    place.moveCenter(QPoint((marksLeft + marksRight) / 2, 0));
    place.moveBottom(rosterList_->y() - 1);
    rosterMarksLabel_->setGeometry(place);
}

void InformationWindow::setRankingTitle(const std::string& text) {
    rankingTitleLabel_->setFullText(toQString(text));
    rankingList_->setAccessibleName(rankingTitleLabel_->fullText());
}

void InformationWindow::clearRanking() { rankingList_->clear(); }

void InformationWindow::addRankingLine(const std::string& text) {
    rankingList_->addItem(toQString(text));
}

void InformationWindow::setRankingBusy(bool busy) {
    for (QPushButton* button : rankingButtons_) button->setEnabled(!busy);
    rankingList_->setVisible(!busy);
}

void InformationWindow::setHallOfFameLines(const std::vector<std::string>& lines) {
    fillList(*hallOfFameList_, lines);
}

void InformationWindow::setHallOfFameCount(const std::string& text) {
    hallOfFameCountLabel_->setFullText(toQString(text));
    hallOfFameList_->setAccessibleDescription(hallOfFameCountLabel_->fullText());
}

void InformationWindow::setMajorLeagueText(const std::string& text) {
    majorLeagueLabel_->setText(toQString(text));
}

void InformationWindow::setSpeed(int value) {
    const QSignalBlocker blocker(speedSlider_);
    speedSlider_->setValue(value);
}

void InformationWindow::setAutoAdvance(bool checked) {
    const QSignalBlocker blocker(autoAdvanceCheck_);
    autoAdvanceCheck_->setChecked(checked);
}

void InformationWindow::setRenameUnlocked(bool checked) {
    const QSignalBlocker blocker(renameCheck_);
    renameCheck_->setChecked(checked);
}

void InformationWindow::setTeamNameText(int index, const std::string& text) {
    QLineEdit* box = teamNameEdits_.at(static_cast<std::size_t>(index));
    const QSignalBlocker blocker(box);
    box->setText(toQString(text));
}

void InformationWindow::setTeamNamesEnabled(bool enabled) {
    for (QLineEdit* box : teamNameEdits_) box->setEnabled(enabled);
}

void InformationWindow::setAboutText(const std::string& text) {
    aboutText_->setPlainText(toQString(text));
}

void InformationWindow::showNormal() {
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active != this) {
        opener_ = active;
    }
    QWidget::showNormal();
    raise();
    activateWindow();
}

}  // namespace zelvano
