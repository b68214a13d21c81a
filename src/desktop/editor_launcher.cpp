#include "desktop/editor_launcher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace zelvano {

namespace {

const QString kTerminalEmulator = QStringLiteral("x-terminal-emulator");

// Editors that draw in a terminal: started without one they open nowhere to be seen and write
// their screen into the game's output. "editor" and "sensible-editor" are Debian's choices of
// the system's editor, nearly always one of these; a graphical one in a terminal still opens.
bool drawsInATerminal(const QStringList& command) {
    static const QStringList kTerminalEditors =
        QStringLiteral(
            "vi vim vim.basic vim.tiny view nvim nvi elvis nano rnano pico ed red ex "
            "joe jmacs jpico jstar jed micro ne mcedit kak hx helix mg jove vis zile "
            "emacs-nox e3 dte editor sensible-editor")
            .split(QLatin1Char(' '));
    const QString program = QFileInfo(command.first()).fileName();
    if (kTerminalEditors.contains(program)) return true;
    // Emacs opens a window of its own unless told to stay in the terminal.
    if (program == QLatin1String("emacs") || program == QLatin1String("emacsclient")) {
        return std::ranges::any_of(command.mid(1), [](const QString& argument) {
            return argument == QLatin1String("-nw") || argument == QLatin1String("-t") ||
                   argument == QLatin1String("--no-window-system") ||
                   argument == QLatin1String("--tty");
        });
    }
    return false;
}

// Given the tenths of a second to wait and then the editor's command line with the file, runs
// the editor in the background and ends within that time: with the editor's own status when it
// ended by then, with 0 when it is still running. It is then left running and outlives the
// game. The game never waits for this: it hears of the end as an event.
const QString kTryScript = QStringLiteral(
    "ticks=$1\n"
    "shift\n"
    "\"$@\" </dev/null >/dev/null 2>&1 &\n"
    "editor=$!\n"
    "while kill -0 \"$editor\" 2>/dev/null; do\n"
    "    [ \"$ticks\" -gt 0 ] || exit 0\n"
    "    ticks=$((ticks - 1))\n"
    "    sleep 0.1\n"
    "done\n"
    "wait \"$editor\"\n");

}  // namespace

std::vector<QStringList> editorCommands(const QString& visual, const QString& editor,
                                        bool terminalEmulatorAvailable) {
    std::vector<QStringList> commands;
    const auto add = [&commands](const QStringList& command) {
        // An editor named twice (often both $VISUAL and $EDITOR) is tried once.
        if (std::ranges::find(commands, command) == commands.end()) commands.push_back(command);
    };
    // The desktop's opener comes first: it knows the player's own choice of editor for text.
    add({QStringLiteral("xdg-open")});
    for (const QString& chosen : {visual, editor}) {
        QStringList command = QProcess::splitCommand(chosen);
        if (command.isEmpty()) continue;
        if (drawsInATerminal(command)) {
            if (!terminalEmulatorAvailable) continue;
            command = QStringList{kTerminalEmulator, QStringLiteral("-e")} + command;
        }
        add(command);
    }
    add({QStringLiteral("mousepad")});
    add({QStringLiteral("gedit")});
    return commands;
}

EditorLauncher::EditorLauncher(QObject* parent, std::chrono::milliseconds patience)
    : QObject(parent), patience_(patience) {}

void EditorLauncher::open(const QString& filePath, std::function<void()> nothingOpened) {
    const bool terminal = !QStandardPaths::findExecutable(kTerminalEmulator).isEmpty();
    open(filePath,
         editorCommands(qEnvironmentVariable("VISUAL"), qEnvironmentVariable("EDITOR"), terminal),
         std::move(nothingOpened));
}

void EditorLauncher::open(const QString& filePath, std::vector<QStringList> commands,
                          std::function<void()> nothingOpened) {
    if (trying_ != nullptr) {
        // The earlier attempt runs out on its own (an editor it started stays open) but no
        // longer counts.
        trying_->disconnect(this);
        connect(trying_, &QProcess::finished, trying_, &QObject::deleteLater);
        trying_ = nullptr;
    }
    filePath_ = filePath;
    pending_ = std::move(commands);
    std::ranges::reverse(pending_);
    nothingOpened_ = std::move(nothingOpened);
    tryNext();
}

void EditorLauncher::tryNext() {
    while (!pending_.empty()) {
        command_ = std::move(pending_.back());
        pending_.pop_back();
        if (command_.isEmpty()) continue;
        // A program that is not installed is passed over without starting anything.
        const QString program = QStandardPaths::findExecutable(command_.first());
        if (program.isEmpty()) continue;

        auto* process = new QProcess(this);
        process->setStandardInputFile(QProcess::nullDevice());
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        connect(process, &QProcess::finished, this,
                [this, process](int status, QProcess::ExitStatus how) {
                    if (process == trying_) judge(how == QProcess::NormalExit && status == 0);
                });
        connect(process, &QProcess::errorOccurred, this,
                [this, process](QProcess::ProcessError error) {
                    if (process == trying_ && error == QProcess::FailedToStart) judge(false);
                });
        const auto tenths = (patience_.count() + 99) / 100;
        QStringList arguments{QStringLiteral("-c"), kTryScript, QStringLiteral("zelvano-editor"),
                              QString::number(tenths), program};
        arguments += command_.mid(1);
        arguments += filePath_;
        trying_ = process;
        process->start(QStringLiteral("/bin/sh"), arguments);
        return;
    }
    if (std::function<void()> tell = std::exchange(nothingOpened_, {})) tell();
}

void EditorLauncher::judge(bool openedTheFile) {
    trying_->deleteLater();
    trying_ = nullptr;
    if (!openedTheFile) {
        tryNext();
        return;
    }
    pending_.clear();
    nothingOpened_ = {};
    emit opened(command_);
}

}  // namespace zelvano
