#pragma once
// Opens a text file in the user's text editor without waiting for it.

#include <QString>
#include <QStringList>
#include <vector>

namespace zelvano {

// The command lines to try, best first: the desktop's opener, the user's chosen editors, then
// two common graphical editors. Each is a program followed by its arguments, without the file.
std::vector<QStringList> editorCommands(const QString& visual, const QString& editor);

// Starts the first command that can be started. Returns false when none could.
bool startEditorOn(const QString& filePath);

}  // namespace zelvano
