#include "desktop/qt_settings_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "league/settings_keys.h"
#include "text/translation.h"

namespace zelvano {

namespace {

// The settings file holds a few short lines; a file far larger is not one.
constexpr off_t kSettingsFileLimit = 1024 * 1024;

// Where QSettings keeps the user's INI file, honouring QSettings::setPath. Asked of a file that
// is never there, since QSettings reads its file as soon as it is made.
QString settingsFilePath() {
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope,
                          QString::fromUtf8(kSettingsApplication),
                          QStringLiteral("zelvano-settings-location"));
    return QFileInfo(probe.fileName())
        .dir()
        .filePath(QString::fromUtf8(kSettingsApplication) + QStringLiteral(".ini"));
}

}  // namespace

QtSettingsStore::QtSettingsStore() : path_(settingsFilePath()) {}

bool QtSettingsStore::usable() const {
    struct stat status {};
    const QByteArray path = path_.toLocal8Bit();
    if (::stat(path.constData(), &status) != 0) return true;  // missing: made when written
    const char* problem = nullptr;
    if (!S_ISREG(status.st_mode)) {
        problem =
            text::translated("通常のファイルではありません（フォルダーや特殊なファイルです）。");
    } else if (status.st_size > kSettingsFileLimit) {
        problem = text::translated("ファイルが大きすぎます。");
    }
    if (problem == nullptr) return true;
    if (!told_ && onUnusableFile) onUnusableFile(path_.toStdString(), problem);
    told_ = true;
    return false;
}

std::string QtSettingsStore::read(const std::string& key) const {
    if (!usable()) return {};
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(QString::fromUtf8(kSettingsSection));
    const QVariant value = settings.value(QString::fromStdString(key));
    return value.isValid() ? value.toString().toStdString() : std::string();
}

void QtSettingsStore::write(const std::string& key, const std::string& value) {
    if (!usable()) return;
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(QString::fromUtf8(kSettingsSection));
    settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings.endGroup();
    // Written at once: a forced quit must not lose a setting the user has just changed.
    settings.sync();
}

}  // namespace zelvano
