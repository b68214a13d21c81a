#pragma once
// The per-user settings store: texts by key under one application and section.

#include <map>
#include <string>

namespace zelvano {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A key that does not exist reads as the empty text.
    virtual std::string read(const std::string& key) const = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
};

// Lives in memory only: used by tests and by zelvano-sim, which never touch the user's store.
class MemorySettingsStore final : public SettingsStore {
public:
    std::string read(const std::string& key) const override {
        auto it = values_.find(key);
        return it == values_.end() ? std::string() : it->second;
    }
    void write(const std::string& key, const std::string& value) override { values_[key] = value; }

private:
    std::map<std::string, std::string> values_;
};

}  // namespace zelvano
