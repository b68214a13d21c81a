#pragma once
// The per-user settings store on QSettings: an INI file in the user's configuration folder
// (~/.config/Orvane/Orvane.ini), section [ZelvanoSim].

#include <QSettings>

#include "platform/settings_store.h"

namespace zelvano {

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    std::string read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;

private:
    // QSettings reads lazily and caches; the const read still has to reach it.
    mutable QSettings settings_;
};

}  // namespace zelvano
