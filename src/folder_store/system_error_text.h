#pragma once
// Why a file operation failed, told to the user in the game's language from the errno it ended
// with.

#include <string>

namespace zelvano {

enum class FileAccess { Read, Write };

std::string systemErrorText(int error, FileAccess access);

}  // namespace zelvano
