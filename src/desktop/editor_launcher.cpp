#include "desktop/editor_launcher.h"

#include <QProcess>

namespace zelvano {

std::vector<QStringList> editorCommands(const QString& visual, const QString& editor) {
    // The desktop's opener comes first: $EDITOR is usually a terminal editor, which started
    // without a terminal would open nowhere to be seen.
    std::vector<QStringList> commands{{QStringLiteral("xdg-open")}};
    for (const QString& chosen : {visual, editor}) {
        QStringList command = QProcess::splitCommand(chosen);
        if (!command.isEmpty()) commands.push_back(command);
    }
    commands.push_back({QStringLiteral("mousepad")});
    commands.push_back({QStringLiteral("gedit")});
    return commands;
}

bool startEditorOn(const QString& filePath) {
    const auto commands =
        editorCommands(qEnvironmentVariable("VISUAL"), qEnvironmentVariable("EDITOR"));
    for (QStringList command : commands) {
        const QString program = command.takeFirst();
        command.push_back(filePath);
        if (QProcess::startDetached(program, command)) return true;
    }
    return false;
}

}  // namespace zelvano
