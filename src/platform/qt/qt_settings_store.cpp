#include "platform/qt/qt_settings_store.h"

#include "league/settings_keys.h"

namespace zelvano {

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromUtf8(kSettingsApplication),
                QString::fromUtf8(kSettingsApplication)) {}

std::string QtSettingsStore::read(const std::string& key) const {
    settings_.beginGroup(QString::fromUtf8(kSettingsSection));
    const QVariant value = settings_.value(QString::fromStdString(key));
    settings_.endGroup();
    return value.isValid() ? value.toString().toStdString() : std::string();
}

void QtSettingsStore::write(const std::string& key, const std::string& value) {
    settings_.beginGroup(QString::fromUtf8(kSettingsSection));
    settings_.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings_.endGroup();
    // Written at once: a forced quit must not lose a setting the user has just changed.
    settings_.sync();
}

}  // namespace zelvano
