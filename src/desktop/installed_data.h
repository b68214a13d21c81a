#pragma once
// Where the game's own data (the opening sound, the pictures' sources) lies: share/zelvano beside
// the folder of the executable, both where it is installed (prefix/bin and prefix/share/zelvano)
// and in the build tree (build/src/app and build/src/share/zelvano).

#include <filesystem>

namespace zelvano {

std::filesystem::path installedDataFolder();

}  // namespace zelvano
