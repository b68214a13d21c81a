#pragma once
// Opens a text file in the user's text editor without waiting for it, and learns, without
// blocking the window, whether anything opened it.
//
//   EditorLauncher launcher;
//   launcher.open(path, [] { /* nothing opened it: tell the player where the file is */ });

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <vector>

class QProcess;

namespace zelvano {

// The command lines to try, best first: the desktop's opener, the user's chosen editors
// ($VISUAL, $EDITOR, split into program and arguments), then two common graphical editors. Each
// is a program followed by its arguments, without the file. An editor that draws in a terminal
// runs inside the desktop's terminal emulator, or is left out when there is none.
std::vector<QStringList> editorCommands(const QString& visual, const QString& editor,
                                        bool terminalEmulatorAvailable);

class EditorLauncher final : public QObject {
    Q_OBJECT

public:
    // How long a command may run before it counts as an editor that stays open.
    static constexpr std::chrono::milliseconds kPatience{3000};

    explicit EditorLauncher(QObject* parent = nullptr,
                            std::chrono::milliseconds patience = kPatience);

    // Tries the commands of this machine and this user (editorCommands) on the file.
    void open(const QString& filePath, std::function<void()> nothingOpened);
    // Tries the commands one after another, skipping those whose program is not installed. One
    // has opened the file when it ends with status 0 (the desktop's opener hands the file on and
    // ends) or is still running after the patience (an editor that stays open); nothingOpened
    // is called, once, when none did. A new call replaces an attempt still going on, which then
    // reports nothing.
    void open(const QString& filePath, std::vector<QStringList> commands,
              std::function<void()> nothingOpened);
    // Whether a command is being tried now.
    bool busy() const { return trying_ != nullptr; }

signals:
    // The command (without the file) that opened it.
    void opened(const QStringList& command);

private:
    void tryNext();
    void judge(bool openedTheFile);

    std::chrono::milliseconds patience_;
    QString filePath_;
    std::vector<QStringList> pending_;  // the next command last
    QStringList command_;               // the one being tried
    std::function<void()> nothingOpened_;
    QProcess* trying_ = nullptr;  // a child of this launcher
};

}  // namespace zelvano
