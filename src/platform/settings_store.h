#pragma once
// The per-user settings store: texts by key under one application and section.

#include <string>

namespace zelvano {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A key that does not exist reads as the empty text.
    virtual std::string read(const std::string& key) const = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
};

}  // namespace zelvano
