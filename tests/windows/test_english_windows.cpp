// The game in English: every window, filled by the logic as the game fills it, and every dialog
// the desktop shows read no Japanese but the league's own names; every caption reads whole or is
// cut with "…" and then whole in its tool tip and accessible name, and no window outgrows a
// 1024 × 768 screen. The owner's page keeps the player's choice of language for the next start.
// The league's names are typed in Latin letters here; they, and whatever else the league holds as
// a player's name (a player's slot while he plays in the major leagues), may show as they are.

#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <set>

#include "desktop/qt_translations.h"
#include "league/league_file.h"
#include "league/settings_keys.h"
#include "recording_events.h"
#include "season/history/league_history.h"
#include "season/information_presenter.h"
#include "season/season_driver.h"
#include "support/test_league.h"
#include "text/full_width.h"
#include "text/translation.h"
#include "window_fixture.h"
#include "windows/batting_order_window.h"
#include "windows/fitted_caption.h"
#include "windows/history_window.h"
#include "windows/opening_demo_window.h"
#include "windows/registration_wizard_window.h"
#include "windows/results_report_window.h"
#include "windows/scoreboard_window.h"
#include "windows/twips.h"

using namespace zelvano;
using test::control;
using test::openWindow;

namespace {

// Kana, kanji, the Japanese punctuation and the full-width forms.
bool isJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

// "A01" … "C30", the players' names of the leagues played here, as the wizard would take them.
std::string latinName(int team, int player) {
    return std::string(1, static_cast<char>('A' + team - 1)) + (player < 10 ? "0" : "") +
           std::to_string(player);
}
const std::array<std::string, 3> kTeamNames{"Alpha", "Bravo", "Charlie"};
constexpr const char* kRookie = "Rookie";

QString plain(const QString& caption) {
    QString shown = caption;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

// Reads every widget of a window as the player and a screen reader meet it, and notes each text
// with Japanese in it and each caption that neither fits nor is cut with its whole text at hand.
class Reader {
public:
    // The names the league holds when a window is read are its own, and may stay as they are.
    explicit Reader(const League* league = nullptr) : league_(league) {
        // The names given here in their full-width form, also those of players long retired, and
        // each language's own name in the choice of the language ("日本語"), are no texts to
        // translate; nor are the season's marks (readOne()).
        for (int team = 1; team <= 3; ++team) {
            given_.push_back(text::toFullWidth(kTeamNames[team - 1]));
            for (int player = 1; player <= kPlayers; ++player) {
                given_.push_back(text::toFullWidth(latinName(team, player)));
            }
        }
        given_.push_back(text::toFullWidth(kRookie));
        for (const std::string& code : text::spokenLanguages()) {
            given_.push_back(text::languageName(code));
        }
    }

    // `name` says which window it is, for the notes.
    void read(QWidget& window, const char* name) { read(window, QString::fromLatin1(name)); }
    void read(QWidget& window, const QString& name) {
        allowLeagueNames();
        readOne(name, window);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->window() == &window) readOne(name, *widget);  // not a window of its own
        }
        if (window.width() > 1024 || window.height() > 768) {
            note(badFits_, name, QStringLiteral("%1×%2").arg(window.width()).arg(window.height()));
        }
    }

    bool clean() const { return japanese_.empty() && badFits_.empty(); }
    // Each note on a line of its own (a failed check's message is cut short), then the counts.
    QByteArray listed() const {
        for (const QString& note : japanese_) qWarning("Japanese: %s", qPrintable(note));
        for (const QString& note : badFits_) qWarning("Cut: %s", qPrintable(note));
        return QByteArray::number(japanese_.size()) + " Japanese texts, " +
               QByteArray::number(badFits_.size()) + " captions cut short, listed above";
    }

private:
    void allowLeagueNames() {
        allowed_ = given_;
        if (league_ != nullptr) {
            for (int team = 1; team <= kTeams; ++team) {
                allowed_.push_back(league_->TeamName[team]);
                for (int player = 1; player <= kPlayers; ++player) {
                    allowed_.push_back(league_->PlayerName[team][player]);
                    allowed_.push_back(text::toFullWidth(league_->PlayerName[team][player]));
                }
            }
        }
        // The longest first, so that a name never leaves a piece of a longer one behind.
        std::sort(allowed_.begin(), allowed_.end(),
                  [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
        allowed_.erase(std::unique(allowed_.begin(), allowed_.end()), allowed_.end());
    }

    void readOne(const QString& window, QWidget& widget) {
        const QString where =
            window + QLatin1Char('/') +
            (widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                           : widget.objectName());
        const auto check = [&](const char* what, const QString& text) {
            QString rest = text;
            for (const std::string& name : allowed_) rest.remove(QString::fromStdString(name));
            // The season's marks as the league file keeps them: ☆ a win, ★ a loss, a
            // full-width space a game the team sat out.
            static const QRegularExpression marks(QStringLiteral("^[☆★　]+$|[☆★　]*[☆★][☆★　]*"));
            rest.remove(marks);
            const QList<uint> characters = rest.toUcs4();
            if (std::any_of(characters.begin(), characters.end(),
                            [](uint c) { return isJapanese(c); })) {
                note(japanese_, where + QLatin1Char(' ') + QLatin1String(what), text);
            }
        };
        if (widget.isWindow()) check("title", widget.windowTitle());
        check("tool tip", widget.toolTip());
        check("name", widget.accessibleName());
        check("description", widget.accessibleDescription());
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget)) {
            check("read name", face->text(QAccessible::Name));
            check("read description", face->text(QAccessible::Description));
        }
        if (auto* label = qobject_cast<QLabel*>(&widget)) check("text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(&widget)) check("text", button->text());
        if (auto* group = qobject_cast<QGroupBox*>(&widget)) check("title", group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
            check("text", edit->text());
            check("placeholder", edit->placeholderText());
        }
        if (auto* box = qobject_cast<QComboBox*>(&widget)) {
            check("placeholder", box->placeholderText());
            for (int item = 0; item < box->count(); ++item) check("item", box->itemText(item));
        }
        if (auto* bar = qobject_cast<QTabBar*>(&widget)) {
            for (int tab = 0; tab < bar->count(); ++tab) {
                check("tab", bar->tabText(tab));
                check("tab tool tip", bar->tabToolTip(tab));
            }
        }
        // A table's headings are read through the table, not again through its header.
        if (auto* view = qobject_cast<QAbstractItemView*>(&widget);
            view && view->model() && qobject_cast<QHeaderView*>(view) == nullptr) {
            const QAbstractItemModel& model = *view->model();
            for (int column = 0; column < model.columnCount(); ++column) {
                check("heading", model.headerData(column, Qt::Horizontal).toString());
                for (int row = 0; row < model.rowCount(); ++row) {
                    const QModelIndex cell = model.index(row, column);
                    check("line", cell.data().toString());
                    check("line tool tip", cell.data(Qt::ToolTipRole).toString());
                }
            }
        }
        if (auto* text = qobject_cast<QPlainTextEdit*>(&widget)) check("text", text->toPlainText());
        if (auto* chart = qobject_cast<QChartView*>(&widget)) {
            check("chart title", chart->chart()->title());
            for (QAbstractAxis* axis : chart->chart()->axes()) check("axis", axis->titleText());
            for (QAbstractSeries* series : chart->chart()->series()) check("line", series->name());
        }
        if (widget.isVisible()) checkFit(where, widget);
    }

    // A caption wider than its room is cut by Qt in the middle of a letter; one cut with "…"
    // must say the whole of it in its tool tip and to a screen reader.
    void checkFit(const QString& where, QWidget& widget) {
        QString shown;
        int room = 0;
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            if (label->wordWrap() || label->text().isEmpty()) return;
            shown = label->buddy() != nullptr ? plain(label->text()) : label->text();
            room = label->contentsRect().width();
        } else if (auto* push = qobject_cast<QPushButton*>(&widget)) {
            if (push->text().isEmpty()) return;
            shown = plain(push->text());
            room = captionRoom(*push);
        } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
            QStyleOptionButton option;
            option.initFrom(check);
            shown = plain(check->text());
            room =
                check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
        } else if (auto* bar = qobject_cast<QTabBar*>(&widget)) {
            for (int tab = 0; tab < bar->count(); ++tab) {
                const int needed = bar->fontMetrics().horizontalAdvance(plain(bar->tabText(tab)));
                if (bar->tabRect(tab).right() >= bar->width() ||
                    (needed > bar->tabRect(tab).width() &&
                     bar->tabToolTip(tab) != bar->tabText(tab))) {
                    note(badFits_, where, bar->tabText(tab));
                }
            }
            return;
        } else {
            return;
        }
        const QFontMetrics metrics = widget.fontMetrics();
        for (const QString& line : shown.split(u'\n')) {
            if (metrics.horizontalAdvance(line) > room) note(badFits_, where, shown);
        }
        if (shown.contains(QChar(0x2026)) &&
            (widget.toolTip().isEmpty() || widget.toolTip().contains(QChar(0x2026)) ||
             widget.accessibleName().isEmpty() ||
             widget.accessibleName().contains(QChar(0x2026)))) {
            note(badFits_, where + QStringLiteral(" (cut)"), shown);
        }
    }

    static void note(std::set<QString>& notes, const QString& where, const QString& text) {
        notes.insert(where + QStringLiteral(": ") + text);
    }

    const League* league_;
    std::vector<std::string> given_;
    std::vector<std::string> allowed_;
    std::set<QString> japanese_;
    std::set<QString> badFits_;
};

// Plays a new league's first year in English, naming everything in Latin letters, and reads each
// window and dialog as it comes: the opening demo, the registration's notices and wizard, the
// batting orders, the scoreboards, the results report, the rookies' names, the year question and
// the goodbye.
class EnglishPlayer final : public test::ScreenUser {
public:
    explicit EnglishPlayer(Reader& reader) : reader_(reader) {}

    int games = 0;
    int reports = 0;
    bool sawDemo = false;

private:
    void look() override {
        if (auto* input = test::openModal<QInputDialog>()) {
            reader_.read(*input, "input box");
            input->setTextValue(QString::fromLatin1(kRookie));
            input->accept();
            return;
        }
        if (QMessageBox* box = test::openMessageBox()) {
            reader_.read(*box, "message");
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (button == nullptr) button = box->button(QMessageBox::No);
            button->click();
            return;
        }
        if (auto* demo = openWindow<OpeningDemoWindow>(); demo != nullptr && !sawDemo) {
            sawDemo = true;
            reader_.read(*demo, "opening demo");
            return;
        }
        if (auto* wizard = openWindow<RegistrationWizardWindow>()) {
            nameInWizard(*wizard);
            return;
        }
        if (auto* report = openWindow<ResultsReportWindow>()) {
            if (!report->property("read").toBool()) {
                report->setProperty("read", true);
                ++reports;
                reader_.read(*report, "results report");
                clickLater(control<QPushButton>(*report, "okButton"));
            }
            return;
        }
        if (auto* order = openWindow<BattingOrderWindow>()) {
            if (!order->property("read").toBool()) {
                order->setProperty("read", true);
                reader_.read(*order, "batting order");
                if (control(*order, "sortButton")->isHidden()) {  // a rookie's slot
                    clickLater(control<QPushButton>(*order, "playerButton", 29));
                    return;
                }
                control<QPushButton>(*order, "sortButton")->click();
                clickLater(control<QPushButton>(*order, "wholeOrderButton"));
            }
            return;
        }
        if (auto* game = openWindow<ScoreboardWindow>()) {
            auto* next = control<QPushButton>(*game, "nextButton");
            if (next->isVisible() && !game->property("read").toBool()) {
                game->setProperty("read", true);
                ++games;
                reader_.read(*game, "scoreboard");
                clickLater(next);
            }
        }
    }

    // The wizard's entries, team by team: its own name, then its thirty players'.
    void nameInWizard(RegistrationWizardWindow& wizard) {
        const int team = entries_ / kPlayers + 1;
        const int player = entries_ % kPlayers + 1;
        if (player == 1 || player == kPlayers) reader_.read(wizard, "wizard");
        control<QLineEdit>(wizard, "teamNameEdit")
            ->setText(QString::fromStdString(kTeamNames[team - 1]));
        control<QLineEdit>(wizard, "playerNameEdit")
            ->setText(QString::fromStdString(latinName(team, player)));
        ++entries_;
        clickLater(control<QPushButton>(wizard, "forwardButton"));
    }

    void clickLater(QAbstractButton* button) {
        later([button = QPointer<QAbstractButton>(button)] {
            if (button) button->click();
        });
    }

    Reader& reader_;
    int entries_ = 0;
};

// A league of twelve seasons with its history, played in English before the windows open.
struct PlayedLeague {
    testing::ScriptedRun played{8};
    LeagueHistory history{":memory:"};

    PlayedLeague() {
        League start = testing::testLeague();
        for (int team = 1; team <= 3; ++team) {
            start.TeamName[team] = kTeamNames[team - 1];
            for (int player = 1; player <= kPlayers; ++player) {
                start.PlayerName[team][player] = latinName(team, player);
            }
        }
        played.files->files["Jbball.jdt"] = leagueFileBytes(start);
        testing::playLikeAManager(played);
        played.user.inputAfterwards = kRookie;
        played.user.answers.assign(11, Answer::Yes);
        played.user.answers.push_back(Answer::No);
    }
};

// Counts what the information window reports to the logic.
struct CountingInformationEvents final : InformationEvents {
    void tabSelected(int) override { ++reports; }
    void teamPressed(int) override { ++reports; }
    void rosterLineActivated(int) override { ++reports; }
    void rankingPressed(int) override { ++reports; }
    void speedChanged(int) override { ++reports; }
    void autoAdvanceClicked(bool) override { ++reports; }
    void renameUnlockClicked(bool) override { ++reports; }
    void teamNameEdited(int, const std::string&) override { ++reports; }
    void scoutPressed() override { ++reports; }
    void historyPressed() override { ++reports; }
    void careerPressed(int, int) override { ++reports; }
    void closedByUser() override { ++reports; }
    int reports = 0;
};

// The next control after this one that Tab reaches.
QWidget* nextTabStop(QWidget& control) {
    QWidget* next = control.nextInFocusChain();
    while ((next->focusPolicy() & Qt::TabFocus) == 0) next = next->nextInFocusChain();
    return next;
}

}  // namespace

class EnglishWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // From the first start of a new league to the goodbye.
    void aNewLeagueSpeaksEnglish() {
        const text::ScopedLanguage english("en");
        League league;
        Reader reader(&league);
        auto memory = test::memoryParts(std::make_unique<SeededRandom>(2024));
        QtPlatform platform(std::move(memory.parts));
        EnglishPlayer player(reader);
        player.start(platform, 120000);
        QCOMPARE(runLeague(league, platform), 0);
        QVERIFY(!player.stuck);
        QVERIFY(player.sawDemo);
        QCOMPARE(player.games, 12);
        QCOMPARE(player.reports, 1);
        QVERIFY2(reader.clean(), reader.listed().constData());
    }

    // The information window on a league with a history, every page of it with what the logic
    // puts there (each ranking, each team's roster, a player's personal data), and the history
    // window it leads to, every page and a game's.
    void theInformationAndTheHistorySpeakEnglish() {
        const text::ScopedLanguage english("en");
        PlayedLeague league;
        QCOMPARE(runLeague(league.played.league, *league.played.platform, nullptr, &league.history),
                 0);
        Reader reader(&league.played.league);
        auto memory = test::memoryParts();
        QtPlatform platform(std::move(memory.parts));
        test::GuiScript script;
        script.handleDialog<QMessageBox>([&](QMessageBox& box) {
            reader.read(box, "personal data");
            box.button(QMessageBox::Ok)->click();
        });
        script.start(platform);
        InformationPresenter information(league.played.league, platform, &league.history);
        information.openPlayersList();
        QPointer<InformationWindow> window = test::heldInformationWindow();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        auto* tabs = control<QTabBar>(*window, "tabBar");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            reader.read(*window, "information");
        }
        tabs->setCurrentIndex(0);
        for (int team = 0; team < 3; ++team) {
            control<QPushButton>(*window, "teamButton", team)->click();
            reader.read(*window, "information");
        }
        // A player's personal data, in a message of the desktop.
        auto* roster = control<QListWidget>(*window, "rosterList");
        roster->setFocus();
        roster->setCurrentRow(0);
        QTest::keyClick(roster, Qt::Key_Return);
        QVERIFY(script.finished());
        tabs->setCurrentIndex(1);
        for (int ranking = 0; ranking < 5; ++ranking) {
            control<QPushButton>(*window, "rankingButton", ranking)->click();
            reader.read(*window, "information");
        }

        control<QListWidget>(*window, "rankingList")->setCurrentRow(0);
        control<QPushButton>(*window, "rankingCareerButton")->click();
        QPointer<HistoryWindow> history =
            window->findChild<HistoryWindow*>(QStringLiteral("historyWindow"));
        QVERIFY(history);
        QVERIFY(QTest::qWaitForWindowExposed(history.data()));
        auto* pages = control<QTabWidget>(*history, "historyTabs");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            reader.read(*history, "history");
        }
        pages->setCurrentIndex(HistoryWindow::Career);
        control<QComboBox>(*history, "gameLogYear")->setCurrentIndex(0);
        reader.read(*history, "history");
        pages->setCurrentIndex(HistoryWindow::Records);
        auto* sections = control<QListWidget>(*history, "recordsSections");
        for (int section = 0; section < sections->count(); ++section) {
            sections->setCurrentRow(section);
            reader.read(*history, "history");
        }
        pages->setCurrentIndex(HistoryWindow::Moves);
        auto* team = control<QComboBox>(*history, "moveTeam");
        for (int each = 0; each < team->count(); ++each) {
            team->setCurrentIndex(each);
            reader.read(*history, "history");
        }
        pages->setCurrentIndex(HistoryWindow::Season);
        control<QPushButton>(*history, "gameDetailsButton")->click();
        QVERIFY(control(*history, "gamePage")->isVisible());
        reader.read(*history, "history");
        information.close();

        QVERIFY2(reader.clean(), reader.listed().constData());
    }

    // The one message the desktop makes itself: a settings file it cannot use.
    void theSettingsMessageSpeaksEnglish() {
        const text::ScopedLanguage english("en");
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Orvane/Orvane.ini")));
        Reader reader;
        QtPlatform platform;
        test::GuiScript script;
        QString told;
        script.handleDialog<QMessageBox>([&](QMessageBox& box) {
            reader.read(box, "settings message");
            told = box.text();
            box.button(QMessageBox::Ok)->click();
        });
        script.start(platform);
        QCOMPARE(platform.settings().read(kGameSpeedKey), std::string());
        QVERIFY(script.finished());
        QVERIFY2(told.startsWith(QStringLiteral("The settings file")), qPrintable(told));
        QVERIFY2(reader.clean(), reader.listed().constData());
    }

    // A caption too long for its control is cut at its end with "…", read whole in its tool tip
    // and by a screen reader; one that fits is shown as given, mnemonic and all.
    void captionsAreCutWithTheWholeAtHand_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("fits");
        for (const char* control : {"button", "check box", "group"}) {
            QTest::addRow("%s, short", control) << control << QStringLiteral("&Year") << true;
            QTest::addRow("%s, long", control)
                << control << QStringLiteral("Scout the rookies of the coming years, and more")
                << false;
        }
    }
    void captionsAreCutWithTheWholeAtHand() {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(bool, fits);
        QWidget window;
        window.resize(400, 200);
        QPushButton button(&window);
        QCheckBox check(&window);
        QGroupBox group(&window);
        QWidget* widget = &group;
        if (control == QLatin1String("button")) widget = &button;
        if (control == QLatin1String("check box")) widget = &check;
        widget->setGeometry(10, 10, 120, 40);
        const auto shown = [&] {
            return widget == &group ? group.title() : static_cast<QAbstractButton*>(widget)->text();
        };
        if (widget == &group) {
            setFittedCaption(group, caption);
        } else {
            setFittedCaption(*static_cast<QAbstractButton*>(widget), caption);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(shown() == caption, fits);
        QCOMPARE(widget->toolTip(), fits ? QString() : caption);
        QCOMPARE(widget->accessibleName(), fits ? QString() : caption);
        if (!fits) {
            QVERIFY(shown().endsWith(QChar(0x2026)));
            QVERIFY(caption.startsWith(shown().chopped(1)));
            // Room enough once the control is wider: whole again, and nothing more to tell.
            widget->resize(390, 40);
            QCOMPARE(shown(), caption);
            QCOMPARE(widget->toolTip(), QString());
            QCOMPARE(widget->accessibleName(), QString());
        }
    }

    // The wizard's labels read whole: a longer one widens both labels, and the boxes give the room
    // up from their left; a label that fits keeps the design's place.
    void wizardLabelsReadWhole_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("designPlace");
        QTest::newRow("Japanese") << QStringLiteral("選手名12") << true;
        QTest::newRow("English") << QStringLiteral("Player name 12") << false;
    }
    void wizardLabelsReadWhole() {
        QFETCH(QString, label);
        QFETCH(bool, designPlace);
        test::RecordingRegistrationWizardEvents events;
        RegistrationWizardWindow wizard(events);
        wizard.setTeamLabel("Team 1");
        wizard.setPlayerLabel(label.toStdString());
        wizard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard));
        auto* player = control<QLabel>(wizard, "playerLabel");
        auto* box = control<QLineEdit>(wizard, "playerNameEdit");
        QCOMPARE(player->text(), label);
        QVERIFY(player->fontMetrics().horizontalAdvance(label) <= player->contentsRect().width());
        QCOMPARE(player->geometry() == zelvano::twipsRect(120, 720, 1095, 375), designPlace);
        QVERIFY(box->x() > player->geometry().right());
        QCOMPARE(box->geometry().right(), zelvano::twipsRect(1320, 720, 5295, 375).right());
        QCOMPARE(control(wizard, "teamNameEdit")->x(), box->x());
    }

    // The owner's page offers the desktop's language and each one the game speaks, keeps the
    // choice in the settings, and says that it takes effect at the next start; the keyboard
    // reaches it after the team names.
    void theLanguageIsChosenOnTheOwnersPage() {
        const text::ScopedLanguage english("en");
        CountingInformationEvents events;
        MemorySettingsStore settings;
        settings.write(kLanguageKey, "en");
        InformationWindow window(events, &settings);
        window.setCurrentTab(4);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* box = control<QComboBox>(window, "languageBox");
        auto* note = control<QLabel>(window, "languageNote");
        QStringList items;
        for (int item = 0; item < box->count(); ++item) items << box->itemText(item);
        QCOMPARE(items, (QStringList{"Desktop language", "日本語", "English"}));
        QCOMPARE(box->currentText(), QStringLiteral("English"));
        QCOMPARE(box->accessibleName(), QStringLiteral("Language"));
        QCOMPARE(control<QLabel>(window, "languageLabel")->buddy(), box);
        QCOMPARE(nextTabStop(*control(window, "teamNameEdit2")), box);
        QVERIFY(!note->isVisible());

        // Picked with the keyboard, as the player would: each pick is stored at once.
        const std::vector<std::tuple<int, std::string, bool>> picks{
            {1, "ja", true}, {2, "en", false}, {0, "", true}};
        for (const auto& [item, stored, noted] : picks) {
            box->setFocus();
            while (box->currentIndex() != item) {
                QTest::keyClick(box, box->currentIndex() < item ? Qt::Key_Down : Qt::Key_Up);
            }
            QCOMPARE(settings.read(kLanguageKey), stored);
            // The desktop's language is Japanese here (LC_ALL=C.UTF-8): a change for the next
            // start, as Japanese is.
            QCOMPARE(note->isVisible(), noted);
        }
        QCOMPARE(note->text(), QStringLiteral("Takes effect at the next start."));
        // The choice is the window's own: the logic hears nothing of it.
        QCOMPARE(events.reports, 0);
    }

    // Qt's own buttons in the game's language: Japanese from Qt's translations, English as Qt
    // writes them.
    void qtSpeaksTheGamesLanguage() {
        QVERIFY(installQtTranslations("en") == nullptr);
        const auto japanese = installQtTranslations("ja");
        QVERIFY(japanese != nullptr);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("はい(&Y)"));
    }
};

QTEST_MAIN(EnglishWindowsTest)
#include "test_english_windows.moc"
