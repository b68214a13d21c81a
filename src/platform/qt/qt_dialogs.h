#pragma once
// The modal dialogs of the game on Qt: message boxes and the one-line input box.

#include <string>

#include "platform/dialogs.h"

namespace zelvano {

Answer showMessageBox(const MessageRequest& request);

// The typed text; empty when the user cancels.
std::string showInputBox(const std::string& prompt, const std::string& title,
                         const std::string& initialText = {});

}  // namespace zelvano
