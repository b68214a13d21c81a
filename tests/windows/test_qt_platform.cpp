// QtPlatform: the event loop, the dialogs, the settings and the end of the program.

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

#include "modal_helper.h"
#include "platform/qt/editor_launcher.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_translations.h"
#include "windows/demoform.h"
#include "windows/form1.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"

using zelvano::Answer;
using zelvano::MessageButtons;
using zelvano::MessageIcon;
using zelvano::ProgramEnded;
using zelvano::QtPlatform;
using zelvano::test::whenModalOpens;

namespace {

QtPlatform::Parts memoryParts() {
    QtPlatform::Parts parts;
    parts.settings = std::make_unique<zelvano::MemorySettingsStore>();
    parts.random = std::make_unique<zelvano::SeededRandom>(7);
    return parts;
}

struct NoEvents final : zelvano::GameViewEvents,
                        zelvano::OrderViewEvents,
                        zelvano::WizardViewEvents,
                        zelvano::DemoViewEvents {
    void Command1_Click() override {}
    void Timer1_Timer() override {}
    void PicIcons_Click() override {}
    void Command1_Click(int) override {}
    void Label3_DblClick(int) override {}
    void Command2_Click() override {}
    void Command3_Click() override {}
    bool Form_QueryUnload() override { return true; }
    void Form_KeyDown(int, int) override {}
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
        QVERIFY(platform.endRequested());
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
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            format = box->textFormat();
            yesText = box->button(QMessageBox::Yes)->text();
            noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
            box->button(QMessageBox::Yes)->click();
        });
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
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
            box->button(QMessageBox::No)->click();
        });
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
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            closeBox = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
            QTest::keyClick(box, Qt::Key_Escape);
            QTest::keyClick(box->button(QMessageBox::No), Qt::Key_Escape);
            const bool closed = box->close();
            QCoreApplication::processEvents();
            stayed = !closed && box->isVisible() && box->clickedButton() == nullptr;
            box->button(QMessageBox::Yes)->click();
        });
        QCOMPARE(platform.message({"2年目に進みますか？", "Zelvano 2004", MessageIcon::Question,
                                   MessageButtons::YesNo, Answer::Yes}),
                 Answer::Yes);
        QVERIFY(stayed);
        QVERIFY(!closeBox);

        whenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(platform.message(
                     {"了解", "t", MessageIcon::Information, MessageButtons::Ok, Answer::Ok}),
                 Answer::Ok);
    }

    // A message given no title carries the application's title; Exclamation is a warning.
    void messageWithoutTitle() {
        QtPlatform platform(memoryParts());
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            title = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(platform.message({"選手名が未入力です。", "", MessageIcon::Exclamation,
                                   MessageButtons::Ok, Answer::Ok}),
                 Answer::Ok);
        QCOMPARE(title, QStringLiteral("Zelvano2004"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    void inputBox() {
        QtPlatform platform(memoryParts());
        QString label;
        QString heldAtOpening;  // a refused entry comes back for correcting
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            QVERIFY(dialog != nullptr);
            label = dialog->labelText();
            heldAtOpening = dialog->textValue();
            dialog->setTextValue(QStringLiteral("山田"));
            dialog->accept();
        });
        QCOMPARE(platform.inputBox("名前を入れてください", "Zelvano／検索", "山田😀"),
                 std::string("山田"));
        QCOMPARE(label, QStringLiteral("名前を入れてください"));
        QCOMPARE(heldAtOpening, QStringLiteral("山田😀"));

        whenModalOpens([](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            dialog->setTextValue(QStringLiteral("typed"));
            dialog->reject();
        });
        QCOMPARE(platform.inputBox("?", "t", ""), std::string());
    }

    void viewsAreTheQtWindows() {
        QtPlatform platform(memoryParts());
        NoEvents events;
        const auto game = platform.createGameView(events);
        const auto order = platform.createOrderView(events);
        const auto wizard = platform.createWizardView(events);
        QVERIFY(dynamic_cast<zelvano::Form1*>(game.get()) != nullptr);
        QVERIFY(dynamic_cast<zelvano::Form2*>(order.get()) != nullptr);
        QVERIFY(dynamic_cast<zelvano::Form4*>(wizard.get()) != nullptr);
        QVERIFY(dynamic_cast<zelvano::Form3*>(platform.createReportView().get()) != nullptr);
        QVERIFY(dynamic_cast<zelvano::Demoform*>(platform.createDemoView(events).get()) != nullptr);
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

    // The desktop's opener first, then the user's editors with their arguments, then fallbacks.
    void editorCommands() {
        const auto commands =
            zelvano::editorCommands(QStringLiteral("kate -n"), QStringLiteral("vi"));
        QCOMPARE(commands.size(), std::size_t{5});
        QCOMPARE(commands[0], QStringList{QStringLiteral("xdg-open")});
        QCOMPARE(commands[1], (QStringList{QStringLiteral("kate"), QStringLiteral("-n")}));
        QCOMPARE(commands[2], QStringList{QStringLiteral("vi")});
        QCOMPARE(commands[3], QStringList{QStringLiteral("mousepad")});
        QCOMPARE(zelvano::editorCommands(QString(), QString()).size(), std::size_t{3});
    }

private:
    QTemporaryDir configDir_;
    std::unique_ptr<QTranslator> translator_;
};

QTEST_MAIN(QtPlatformTest)
#include "test_qt_platform.moc"
