// QtPlatform: the event loop, the dialogs, the settings and the end of the program.

#include <sys/stat.h>

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "desktop/qt_platform.h"
#include "desktop/qt_settings_store.h"
#include "desktop/qt_translations.h"
#include "folder_store/folder_file_store.h"
#include "window_fixture.h"
#include "windows/batting_order_window.h"
#include "windows/opening_demo_window.h"
#include "windows/registration_wizard_window.h"
#include "windows/results_report_window.h"
#include "windows/scoreboard_window.h"

using zelvano::Answer;
using zelvano::MessageButtons;
using zelvano::MessageIcon;
using zelvano::ProgramEnded;
using zelvano::QtPlatform;
using zelvano::test::GuiScript;

namespace {

QtPlatform::Parts memoryParts() {
    return zelvano::test::memoryParts(std::make_unique<zelvano::SeededRandom>(7)).parts;
}

struct NoEvents final : zelvano::ScoreboardEvents,
                        zelvano::BattingOrderEvents,
                        zelvano::RegistrationWizardEvents,
                        zelvano::OpeningDemoEvents {
    void nextPressed() override {}
    void advanceTimerTicked() override {}
    void playersListPressed() override {}
    void playerPressed(int) override {}
    void playerNameDoubleClicked(int) override {}
    void sortPressed() override {}
    void wholeOrderPressed() override {}
    void forwardPressed() override {}
    void backPressed() override {}
    bool refuseUserClose() override { return true; }
    void keyPressed(int, int) override {}
};

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(configDir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir_.path());
        translator_ = zelvano::installQtTranslations();
    }

    // The settings live in Orvane/Orvane.ini, section [ZelvanoSim]; a missing key is empty.
    void settingsStore() {
        {
            zelvano::QtSettingsStore store;
            QCOMPARE(store.read("ZNext"), std::string());
            store.write("ZNext", "ON");
            store.write("ZWait", "7");
            QCOMPARE(store.read("ZNext"), std::string("ON"));
        }
        zelvano::QtSettingsStore reopened;
        QCOMPARE(reopened.read("ZNext"), std::string("ON"));
        QCOMPARE(reopened.read("ZWait"), std::string("7"));
        QCOMPARE(reopened.read("Nothing"), std::string());

        QFile ini(configDir_.filePath(QStringLiteral("Orvane/Orvane.ini")));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("[ZelvanoSim]"));
        QVERIFY(text.contains("ZNext=ON"));
    }

    // A FIFO or a folder in the file's place is never opened (a FIFO would hold the game for
    // ever); the player is told once, and the settings stay at their defaults.
    void settingsFileThatIsNoFileIsLeftAlone() {
        const QString ini = configDir_.filePath(QStringLiteral("Orvane/Orvane.ini"));
        QVERIFY(QFile::rename(ini, ini + QStringLiteral(".kept")));
        QVERIFY(::mkfifo(QFile::encodeName(ini).constData(), 0600) == 0);
        zelvano::QtSettingsStore store;
        std::vector<std::string> told;
        store.onUnusableFile = [&](const std::string& path, const std::string& problem) {
            told.push_back(path + "|" + problem);
        };
        QCOMPARE(store.read("ZNext"), std::string());
        store.write("ZNext", "ON");
        QCOMPARE(store.read("ZWait"), std::string());
        QCOMPARE(told.size(), std::size_t{1});
        QVERIFY(told[0].starts_with(ini.toStdString() + "|"));
        QVERIFY(QFile::remove(ini));
        QVERIFY(QFile::rename(ini + QStringLiteral(".kept"), ini));
        QCOMPARE(store.read("ZNext"), std::string("ON"));  // read afresh, the file as it is now
    }

    void realPlatformUsesTheUserSettings() {
        QtPlatform platform;
        platform.settings().write("ZWait", "12");
        QCOMPARE(zelvano::QtSettingsStore().read("ZWait"), std::string("12"));
    }

    void injectedPartsAreUsed() {
        auto parts = memoryParts();
        auto* settings = parts.settings.get();
        QtPlatform platform(std::move(parts));
        QCOMPARE(&platform.settings(), static_cast<zelvano::SettingsStore*>(settings));
        zelvano::SeededRandom same(7);
        QCOMPARE(platform.random().next(), same.next());
    }

    // Two starts of the game do not play the same league.
    void clockSeedsDiffer() { QVERIFY(zelvano::seedFromClock() != zelvano::seedFromClock()); }

    void yieldProcessesPendingEvents() {
        QtPlatform platform(memoryParts());
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        platform.yieldOnce();
        QVERIFY(ran);
    }

    // The wait sleeps in the window system: a 300 ms wait costs next to no processor time.
    void waitUntilBlocksWithoutSpinning() {
        QtPlatform platform(memoryParts());
        bool done = false;
        QTimer::singleShot(300, [&] { done = true; });
        const std::clock_t before = std::clock();
        const auto start = std::chrono::steady_clock::now();
        platform.waitUntil([&] { return done; });
        const auto elapsed = std::chrono::steady_clock::now() - start;
        const double cpuMs = 1000.0 * static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
        QVERIFY(done);
        QVERIFY(elapsed >= std::chrono::milliseconds(250));
        QVERIFY2(cpuMs < 150.0, qPrintable(QStringLiteral("cpu %1 ms").arg(cpuMs)));
    }

    // An end asked from inside a window event ends a wait that nothing else would end.
    void requestEndEndsAWait() {
        QtPlatform platform(memoryParts());
        QTimer::singleShot(20, [&] { platform.requestEnd(3); });
        const auto start = std::chrono::steady_clock::now();
        try {
            platform.waitUntil([] { return false; });
            QFAIL("the wait returned");
        } catch (const ProgramEnded& ended) {
            QCOMPARE(ended.status, 3);
        }
        QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::seconds(5));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, platform.yieldOnce());
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, platform.sleepMs(1));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, platform.waitUntil([] { return true; }));
    }

    void sleepSleeps() {
        QtPlatform platform(memoryParts());
        const auto start = std::chrono::steady_clock::now();
        platform.sleepMs(30);
        QVERIFY(std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(30));
    }

    // A question shows its text and title, its buttons read はい/いいえ, and No is the default
    // when asked for.
    void questionWithNoAsDefault() {
        QtPlatform platform(memoryParts());
        QString text, title, yesText;
        bool noIsDefault = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Qt::TextFormat format = Qt::AutoText;
        GuiScript script;
        script.handleDialog<QMessageBox>([&](QMessageBox& box) {
            text = box.text();
            title = box.windowTitle();
            icon = box.icon();
            format = box.textFormat();
            yesText = box.button(QMessageBox::Yes)->text();
            noIsDefault = box.defaultButton() == box.button(QMessageBox::No);
            box.button(QMessageBox::Yes)->click();
        });
        script.start(platform);
        const Answer answer =
            platform.message({"<b>終了</b>してよろしいですか？", "Zelvano2004／強制終了",
                              MessageIcon::Question, MessageButtons::YesNo, Answer::No});
        QCOMPARE(answer, Answer::Yes);
        QCOMPARE(text, QStringLiteral("<b>終了</b>してよろしいですか？"));
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(title, QStringLiteral("Zelvano2004／強制終了"));
        QCOMPARE(icon, QMessageBox::Question);
        QVERIFY(noIsDefault);
        QVERIFY2(yesText.contains(QStringLiteral("はい")), qPrintable(yesText));
    }

    void questionAnsweredNo() {
        QtPlatform platform(memoryParts());
        bool yesIsDefault = false;
        GuiScript script;
        script.handleDialog<QMessageBox>([&](QMessageBox& box) {
            yesIsDefault = box.defaultButton() == box.button(QMessageBox::Yes);
            box.button(QMessageBox::No)->click();
        });
        script.start(platform);
        QCOMPARE(platform.message({"2年目に進みますか？", "Zelvano 2004", MessageIcon::Question,
                                   MessageButtons::YesNo, Answer::Yes}),
                 Answer::No);
        QVERIFY(yesIsDefault);
    }

    // A question is answered by its buttons only: Esc, the window manager's close and the close
    // box (there is none) leave it up; a notice takes Esc as OK.
    void questionIgnoresEscapeAndClose() {
        QtPlatform platform(memoryParts());
        bool stayed = false;
        bool closeBox = true;
        GuiScript script;
        script.handleDialog<QMessageBox>([&](QMessageBox& box) {
            closeBox = box.windowFlags().testFlag(Qt::WindowCloseButtonHint);
            QTest::keyClick(&box, Qt::Key_Escape);
            QTest::keyClick(box.button(QMessageBox::No), Qt::Key_Escape);
            const bool closed = box.close();
            QCoreApplication::processEvents();
            stayed = !closed && box.isVisible() && box.clickedButton() == nullptr;
            box.button(QMessageBox::Yes)->click();
        });
        script.handleDialog<QMessageBox>(
            [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        script.start(platform);
        QCOMPARE(platform.message({"2年目に進みますか？", "Zelvano 2004", MessageIcon::Question,
                                   MessageButtons::YesNo, Answer::Yes}),
                 Answer::Yes);
        QVERIFY(stayed);
        QVERIFY(!closeBox);

        QCOMPARE(platform.message(
                     {"了解", "t", MessageIcon::Information, MessageButtons::Ok, Answer::Ok}),
                 Answer::Ok);
        QVERIFY(script.finished());
    }

    // A message given no title carries the application's title; Exclamation is a warning.
    void messageWithoutTitle() {
        QtPlatform platform(memoryParts());
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        GuiScript script;
        script.handleDialog<QMessageBox>([&](QMessageBox& box) {
            title = box.windowTitle();
            icon = box.icon();
            box.button(QMessageBox::Ok)->click();
        });
        script.start(platform);
        QCOMPARE(platform.message({"選手名が未入力です。", "", MessageIcon::Exclamation,
                                   MessageButtons::Ok, Answer::Ok}),
                 Answer::Ok);
        QCOMPARE(title, QStringLiteral("Zelvano2004"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    // A short question is wide enough for the window manager to write its whole title in the
    // desktop's bold title face beside the window's icon and its buttons, and so is the input
    // box; a screen reader reads a message's title as its name and its text as its description.
    void dialogsAreWideEnoughForTheirTitles_data() {
        QTest::addColumn<QString>("title");
        QTest::newRow("year question") << QStringLiteral("Zelvano 2004");
        QTest::newRow("trade") << QStringLiteral("Zelvano／トレード交渉");
    }
    void dialogsAreWideEnoughForTheirTitles() {
        QFETCH(QString, title);
        QtPlatform platform(memoryParts());
        const auto titleBar = [](const QWidget& dialog) {
            QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
            bold.setBold(true);
            const QFontMetrics metrics(bold);
            // The title, the icon and three buttons, each about a line high and square.
            return metrics.horizontalAdvance(dialog.windowTitle()) + 4 * metrics.height();
        };
        int boxWidth = 0, inputWidth = 0, boxTitleBar = 0, inputTitleBar = 0;
        QString name, description;
        GuiScript script;
        script.handleDialog<QMessageBox>([&](QMessageBox& box) {
            boxWidth = box.width();
            boxTitleBar = titleBar(box);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&box);
            name = face->text(QAccessible::Name);
            description = face->text(QAccessible::Description);
            box.button(QMessageBox::Yes)->click();
        });
        script.handleDialog<QInputDialog>([&](QInputDialog& dialog) {
            inputWidth = dialog.width();
            inputTitleBar = titleBar(dialog);
            dialog.reject();
        });
        script.start(platform);
        QCOMPARE(platform.message({"はい？", title.toStdString(), MessageIcon::Question,
                                   MessageButtons::YesNo, Answer::Yes}),
                 Answer::Yes);
        QCOMPARE(platform.inputBox("名前", title.toStdString(), ""), std::string());
        QVERIFY2(boxWidth >= boxTitleBar, qPrintable(QString::number(boxWidth)));
        QVERIFY2(inputWidth >= inputTitleBar, qPrintable(QString::number(inputWidth)));
        QCOMPARE(name, title);
        QCOMPARE(description, QStringLiteral("はい？"));
    }

    void inputBox() {
        QtPlatform platform(memoryParts());
        QString label;
        QString heldAtOpening;  // a refused entry comes back for correcting
        GuiScript script;
        script.handleDialog<QInputDialog>([&](QInputDialog& dialog) {
            label = dialog.labelText();
            heldAtOpening = dialog.textValue();
            dialog.setTextValue(QStringLiteral("山田"));
            dialog.accept();
        });
        script.handleDialog<QInputDialog>([](QInputDialog& dialog) {
            dialog.setTextValue(QStringLiteral("typed"));
            dialog.reject();
        });
        script.start(platform);
        QCOMPARE(platform.inputBox("名前を入れてください", "Zelvano／検索", "山田😀"),
                 std::string("山田"));
        QCOMPARE(label, QStringLiteral("名前を入れてください"));
        QCOMPARE(heldAtOpening, QStringLiteral("山田😀"));
        QCOMPARE(platform.inputBox("?", "t", ""), std::string());
        QVERIFY(script.finished());
    }

    void viewsAreTheQtWindows() {
        QtPlatform platform(memoryParts());
        NoEvents events;
        const auto game = platform.createScoreboardView(events);
        const auto order = platform.createBattingOrderView(events);
        const auto wizard = platform.createRegistrationWizardView(events);
        QVERIFY(dynamic_cast<zelvano::ScoreboardWindow*>(game.get()) != nullptr);
        QVERIFY(dynamic_cast<zelvano::BattingOrderWindow*>(order.get()) != nullptr);
        QVERIFY(dynamic_cast<zelvano::RegistrationWizardWindow*>(wizard.get()) != nullptr);
        QVERIFY(dynamic_cast<zelvano::ResultsReportWindow*>(
                    platform.createResultsReportView().get()) != nullptr);
        QVERIFY(dynamic_cast<zelvano::OpeningDemoWindow*>(
                    platform.createOpeningDemoView(events).get()) != nullptr);
    }

    // The sound is found under any spelling of its name, in the league folder first and then
    // among the game's installed data; a name found nowhere only stops the sound.
    void soundIsLookedForInTheFolderThenInTheInstalledData() {
        QTemporaryDir folder, data;
        const auto write = [](const QString& path) {
            QFile wave(path);
            QVERIFY(wave.open(QIODevice::WriteOnly));
            wave.write("RIFF");
        };
        write(data.filePath(QStringLiteral("ORDEMO.WAV")));
        QtPlatform::Parts parts = memoryParts();
        parts.files = zelvano::makeFolderFileStore(folder.path().toStdString());
        parts.dataFolder = data.path().toStdString();
        QtPlatform platform(std::move(parts));
        platform.playSound("ORDEMO.WAV");
        QCOMPARE(QFileInfo(platform.sound().source()).absolutePath(),
                 QFileInfo(data.path()).absoluteFilePath());
        platform.playSound("Dummy.wav");
        QVERIFY(platform.sound().source().isEmpty());
        write(folder.filePath(QStringLiteral("ordemo.wav")));
        platform.playSound("ORDEMO.WAV");
        QCOMPARE(QFileInfo(platform.sound().source()).fileName(), QStringLiteral("ordemo.wav"));
    }

private:
    QTemporaryDir configDir_;
    std::unique_ptr<QTranslator> translator_;
};

QTEST_MAIN(QtPlatformTest)
#include "test_qt_platform.moc"
