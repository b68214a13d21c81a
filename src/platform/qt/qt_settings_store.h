#pragma once
// The per-user settings store on QSettings: an INI file in the user's configuration folder
// (~/.config/Orvane/Orvane.ini), section [ZelvanoSim]. Every read goes to the file afresh, so a
// value changed meanwhile (by hand, or by a game in another league folder) counts at once.

#include <QString>
#include <functional>

#include "platform/settings_store.h"

namespace zelvano {

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    std::string read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;

    // Called once, with the file's full path and the reason, when the file is something the store
    // will not touch (a FIFO, a device, a folder, far too large): the settings then stay at their
    // defaults and nothing is written.
    std::function<void(const std::string& path, const std::string& problem)> onUnusableFile;

private:
    // Whether the file is missing or a regular file of sane size; tells onUnusableFile otherwise.
    bool usable() const;

    QString path_;
    mutable bool told_ = false;
};

}  // namespace zelvano
