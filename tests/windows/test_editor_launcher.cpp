// The editor launcher: which commands it tries, and that it learns from their ends, without
// blocking, whether one opened the file. The editors here are scripts in a folder put first on
// PATH, so the test never depends on what the machine has installed.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "desktop/editor_launcher.h"

using zelvano::EditorLauncher;

namespace {

using Commands = QList<QStringList>;

QStringList words(const char* line) { return QProcess::splitCommand(QString::fromUtf8(line)); }

const QStringList kOpener{QStringLiteral("xdg-open")};
const QStringList kMousepad{QStringLiteral("mousepad")};
const QStringList kGedit{QStringLiteral("gedit")};

QStringList inTerminal(const char* line) {
    return QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")} + words(line);
}

// Short, so that an editor that stays open is known soon; long enough that a script that fails
// at once is never taken for one on a busy machine.
constexpr std::chrono::milliseconds kPatience{1500};

}  // namespace

class EditorLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        log_ = folder_.filePath(QStringLiteral("tried.log"));
        file_ = folder_.filePath(QStringLiteral("新人 名簿.TXT"));
        // Each editor notes its name and arguments, and makes noise that must reach nobody.
        const QString notes = QStringLiteral(
                                  "printf %s \"${0##*/}\" >>'%1'\n"
                                  "printf ' [%s]' \"$@\" >>'%1'\n"
                                  "echo >>'%1'\n"
                                  "echo noise; echo noise >&2\n")
                                  .arg(log_);
        writeEditor(QStringLiteral("fails"), notes + QStringLiteral("exit 3\n"));
        writeEditor(QStringLiteral("opens"), notes + QStringLiteral("exit 0\n"));
        writeEditor(QStringLiteral("stays"), notes + QStringLiteral("exec sleep 5\n"));
        qputenv("PATH",
                (folder_.path() + QLatin1Char(':') + qEnvironmentVariable("PATH")).toUtf8());
    }

    void init() { QFile::remove(log_); }

    // The desktop's opener first, then $VISUAL and $EDITOR split into program and arguments, then
    // two graphical editors; an editor that draws in a terminal is put inside the terminal
    // emulator, or left out without one.
    void commands_data() {
        QTest::addColumn<QString>("visual");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<Commands>("expected");
        QTest::newRow("none chosen") << ""
                                     << "" << true << Commands{kOpener, kMousepad, kGedit};
        QTest::newRow("graphical, arguments split")
            << "kate -n"
            << "" << true << Commands{kOpener, words("kate -n"), kMousepad, kGedit};
        QTest::newRow("quoted program with a space")
            << ""
            << "'/opt/my editor/edit' --new" << true
            << Commands{kOpener, words("'/opt/my editor/edit' --new"), kMousepad, kGedit};
        QTest::newRow("terminal editor in the terminal")
            << "kate"
            << "vim -u NONE" << true
            << Commands{kOpener, words("kate"), inTerminal("vim -u NONE"), kMousepad, kGedit};
        QTest::newRow("terminal editor by its path")
            << "/usr/bin/nano"
            << "" << true << Commands{kOpener, inTerminal("/usr/bin/nano"), kMousepad, kGedit};
        QTest::newRow("no terminal: terminal editor left out")
            << "kate"
            << "nano" << false << Commands{kOpener, words("kate"), kMousepad, kGedit};
        QTest::newRow("emacs in its window, emacs -nw in the terminal")
            << "emacs"
            << "emacs -nw" << true
            << Commands{kOpener, words("emacs"), inTerminal("emacs -nw"), kMousepad, kGedit};
        QTest::newRow("the same editor twice is tried once")
            << "vi"
            << "vi" << true << Commands{kOpener, inTerminal("vi"), kMousepad, kGedit};
        QTest::newRow("a fallback chosen is tried in its place")
            << "gedit"
            << "" << true << Commands{kOpener, kGedit, kMousepad};
    }
    void commands() {
        QFETCH(QString, visual);
        QFETCH(QString, editor);
        QFETCH(bool, terminal);
        QFETCH(Commands, expected);
        const auto commands = zelvano::editorCommands(visual, editor, terminal);
        QCOMPARE(Commands(commands.begin(), commands.end()), expected);
    }

    // The commands are tried in turn until one ends well or stays open; the file is the last
    // argument of each; when none opened it, the player is told exactly once.
    void tries_data() {
        QTest::addColumn<Commands>("commands");
        QTest::addColumn<QStringList>("openedBy");  // empty: nothing opened the file
        QTest::addColumn<QStringList>("tried");
        QTest::newRow("the first to end well")
            << Commands{words("fails"), words("opens -n"), words("stays")} << words("opens -n")
            << QStringList{QStringLiteral("fails [%1]"), QStringLiteral("opens [-n] [%1]")};
        QTest::newRow("one still open after a moment")
            << Commands{words("fails"), words("stays"), words("opens")} << words("stays")
            << QStringList{QStringLiteral("fails [%1]"), QStringLiteral("stays [%1]")};
        QTest::newRow("not installed: passed over")
            << Commands{words("zelvano-no-such-editor"), words("opens")} << words("opens")
            << QStringList{QStringLiteral("opens [%1]")};
        QTest::newRow("none opens it")
            << Commands{words("fails"), words("zelvano-no-such-editor"), words("fails -x")}
            << QStringList{}
            << QStringList{QStringLiteral("fails [%1]"), QStringLiteral("fails [-x] [%1]")};
    }
    void tries() {
        QFETCH(Commands, commands);
        QFETCH(QStringList, openedBy);
        QFETCH(QStringList, tried);
        EditorLauncher launcher(nullptr, kPatience);
        QSignalSpy opened(&launcher, &EditorLauncher::opened);
        int told = 0;
        launcher.open(file_, {commands.begin(), commands.end()}, [&told] { ++told; });
        QVERIFY(launcher.busy());  // the window goes on meanwhile
        QTRY_VERIFY_WITH_TIMEOUT(!launcher.busy(), 20000);

        QCOMPARE(told, openedBy.isEmpty() ? 1 : 0);
        QCOMPARE(opened.count(), openedBy.isEmpty() ? 0 : 1);
        if (!openedBy.isEmpty()) QCOMPARE(opened.first().first().toStringList(), openedBy);
        for (QString& line : tried) line = line.arg(file_);
        QCOMPARE(triedLines(), tried);
    }

    // With no command installed nothing is started, and the player is told at once.
    void nothingInstalled() {
        EditorLauncher launcher(nullptr, kPatience);
        int told = 0;
        launcher.open(file_, {words("zelvano-no-such-editor"), {}}, [&told] { ++told; });
        QCOMPARE(told, 1);
        QVERIFY(!launcher.busy());
    }

    // A second open while the first is still trying replaces it: only the second reports.
    void aNewOpenReplacesTheAttemptGoingOn() {
        EditorLauncher launcher(nullptr, kPatience);
        QSignalSpy opened(&launcher, &EditorLauncher::opened);
        int toldFirst = 0, toldSecond = 0;
        launcher.open(file_, {words("stays")}, [&toldFirst] { ++toldFirst; });
        launcher.open(file_, {words("fails")}, [&toldSecond] { ++toldSecond; });
        QTRY_COMPARE_WITH_TIMEOUT(toldSecond, 1, 20000);
        // The first try runs out on its own and goes away without a word.
        QTRY_VERIFY_WITH_TIMEOUT(launcher.findChildren<QProcess*>().isEmpty(), 20000);
        QCOMPARE(opened.count(), 0);
        QCOMPARE(toldFirst, 0);
    }

private:
    void writeEditor(const QString& name, const QString& body) {
        QFile script(folder_.filePath(name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\n" + body).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    QStringList triedLines() const {
        QFile log(log_);
        if (!log.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir folder_;
    QString log_;
    QString file_;
};

QTEST_GUILESS_MAIN(EditorLauncherTest)
#include "test_editor_launcher.moc"
