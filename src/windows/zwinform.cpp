#include "windows/zwinform.h"

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
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>

#include "platform/platform.h"
#include "windows/baseball_icon.h"
#include "windows/centre_form.h"
#include "windows/fonts.h"
#include "windows/qt_text.h"
#include "windows/tab_icons.h"
#include "windows/twips.h"
#include "windows/zwinform_layout.h"

namespace zelvano {

namespace {

// The client area, in twips.
constexpr int kWidth = 9225;
constexpr int kHeight = 5520;

const std::array<const char*, 6> kTabCaptions{"現役選手一覧", "らんだむ資料館", "名球会名簿",
                                              "大リーグ情報", "リーグオーナー", "Zelvanoについて"};

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

ZWInform::ZWInform(InformationViewEvents& events) : events_(&events) {
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    setWindowTitle(QStringLiteral("Zelvano -情報ウィンドウ"));
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
    CentreForm(*this);
}

ZWInform::~ZWInform() = default;

void ZWInform::buildTabControl() {
    sstab1_ = new QWidget(this);  // owned by the window
    sstab1_->setGeometry(twipsRect(120, 120, 9015, 5295));

    // The pages begin kContentTop below the top of the tab control; the tab bar sits on them.
    // The panel is drawn behind the pages, so that a page's origin is the panel's own.
    const QRect pane(0, pageOffset(), sstab1_->width(), sstab1_->height() - pageOffset());
    auto* panel = new QFrame(sstab1_);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(pane);
    stack_ = new QStackedWidget(sstab1_);
    stack_->setFrameShape(QFrame::NoFrame);
    stack_->setGeometry(pane);

    tabBar_ = new QTabBar(sstab1_);
    // Six captions in one row: an 11-pixel face keeps them all in the control's width.
    tabBar_->setFont(windowFont(FontFace::Gothic, 8.25));
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(false);
    for (std::size_t tab = 0; tab < kTabCaptions.size(); ++tab) {
        tabBar_->addTab(QString::fromUtf8(kTabCaptions[tab]));
        auto* page = new QWidget;  // the stack becomes its parent
        stack_->addWidget(page);
        pages_[tab] = page;
        icons_[tab] = new TabIconPicture(static_cast<int>(tab), page);
        icons_[tab]->setGeometry(pageRect(240, 720, 480, 480));
    }
    const int barHeight = std::min(tabBar_->sizeHint().height(), pageOffset());
    tabBar_->setGeometry(0, pageOffset() - barHeight, sstab1_->width(), barHeight);
    tabBar_->setCurrentIndex(0);
    stack_->setCurrentIndex(0);

    connect(tabBar_, &QTabBar::currentChanged, this, [this](int tab) {
        stack_->setCurrentIndex(tab);
        report([tab](InformationViewEvents& events) { events.SSTab1_Click(tab); });
    });

    // The keys of a tabbed dialog: Ctrl+Tab and Ctrl+PgDn forward, with Shift or PgUp back.
    const auto step = [this](int by) {
        const int count = tabBar_->count();
        tabBar_->setCurrentIndex((tabBar_->currentIndex() + by + count) % count);
    };
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(1); });
    }
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                     QKeySequence(Qt::CTRL | Qt::Key_PageUp)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [step] { step(-1); });
    }
}

void ZWInform::report(const std::function<void(InformationViewEvents&)>& call) {
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

void ZWInform::reportRosterLine() {
    const QList<QListWidgetItem*> selected = zwwhoList1_->selectedItems();
    const int line = selected.isEmpty() ? -1 : zwwhoList1_->row(selected.first());
    report([line](InformationViewEvents& events) { events.ZWWhoList1_DblClick(line); });
}

void ZWInform::release() {
    events_ = nullptr;
    released_ = true;
    hide();
    // Inside one of its handlers the window waits until the outermost one has returned.
    if (reporting_ == 0 && !deleteScheduled_) {
        deleteScheduled_ = true;
        deleteLater();
    }
}

void ZWInform::closeEvent(QCloseEvent* event) {
    event->accept();
    report([](InformationViewEvents& events) { events.Form_Unload(); });
}

void ZWInform::keyPressEvent(QKeyEvent* event) {
    // Esc reaches the window only when the focused control did not want it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ZWInform::eventFilter(QObject* watched, QEvent* event) {
    // A double click on the roster, or Enter on it, asks for the selected player's data.
    if (watched == zwwhoList1_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        reportRosterLine();
        return true;
    }
    if (watched == zwwhoList1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            reportRosterLine();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int ZWInform::currentTab() const { return tabBar_->currentIndex(); }

void ZWInform::setCurrentTab(int tab) {
    const QSignalBlocker blocker(tabBar_);
    tabBar_->setCurrentIndex(tab);
    stack_->setCurrentIndex(tabBar_->currentIndex());
}

void ZWInform::setTeamButtons(const std::array<std::string, 3>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        // A name is shown as typed: "&" is no mnemonic.
        zwwhoCommand1_[i]->setText(toQString(names[i]).replace(u'&', QStringLiteral("&&")));
    }
}

void ZWInform::setRosterTitle(const std::string& text) {
    zwwhoLabel1_[0]->setText(toQString(text));
}

void ZWInform::setRosterLines(const std::vector<std::string>& lines) {
    fillList(*zwwhoList1_, lines);
}

void ZWInform::setRankingTitle(const std::string& text) { rsLabel1_->setText(toQString(text)); }

void ZWInform::clearRanking() { rsList1_->clear(); }

void ZWInform::addRankingLine(const std::string& text) { rsList1_->addItem(toQString(text)); }

void ZWInform::setRankingBusy(bool busy) {
    for (QPushButton* button : rsCommand1_) button->setEnabled(!busy);
    rsList1_->setVisible(!busy);
}

void ZWInform::setHallOfFameLines(const std::vector<std::string>& lines) {
    fillList(*meiList1_, lines);
}

void ZWInform::setHallOfFameCount(const std::string& text) { label9_->setText(toQString(text)); }

void ZWInform::setMajorLeagueText(const std::string& text) {
    kankokuLabel_->setText(toQString(text));
}

void ZWInform::setSpeed(int value) {
    const QSignalBlocker blocker(hScroll1_);
    hScroll1_->setValue(value);
}

void ZWInform::setAutoAdvance(bool checked) {
    const QSignalBlocker blocker(zwsetCheck1_);
    zwsetCheck1_->setChecked(checked);
}

void ZWInform::setRenameUnlocked(bool checked) {
    const QSignalBlocker blocker(zwsetCheck2_);
    zwsetCheck2_->setChecked(checked);
}

void ZWInform::setTeamNameText(int index, const std::string& text) {
    QLineEdit* box = zwsetText1_.at(static_cast<std::size_t>(index));
    const QSignalBlocker blocker(box);
    box->setText(toQString(text));
}

void ZWInform::setTeamNamesEnabled(bool enabled) {
    for (QLineEdit* box : zwsetText1_) box->setEnabled(enabled);
}

void ZWInform::setAboutText(const std::string& text) { aboutText1_->setPlainText(toQString(text)); }

void ZWInform::showNormal() {
    QWidget::showNormal();
    raise();
    activateWindow();
}

}  // namespace zelvano
