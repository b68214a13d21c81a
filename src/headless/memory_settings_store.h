#pragma once
// Settings that live in memory only: zelvano-sim's and the tests', which never touch the user's
// store.

#include <map>
#include <string>

#include "platform/settings_store.h"

namespace zelvano {

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
