#include "desktop/installed_data.h"

#include <QCoreApplication>

namespace zelvano {

std::filesystem::path installedDataFolder() {
    const std::filesystem::path programFolder =
        QCoreApplication::applicationDirPath().toStdString();
    return (programFolder / ".." / "share" / "zelvano").lexically_normal();
}

}  // namespace zelvano
