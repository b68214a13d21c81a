#pragma once
// zelvano's command line: the game itself takes no options; --help and --version answer as Qt
// programs do, without starting the game (and without a display).

#include <optional>

namespace zelvano {

// The exit status when the command line was answered (help, version, or a wrong option);
// nothing when the game is to start.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace zelvano
