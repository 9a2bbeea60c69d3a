#include "game/memory_settings.h"

CMemorySettings::CMemorySettings(bool keysExist) {
    if (keysExist) {
        keys_ = {"", kSettingsKey, kScoresKey};
    }
}

bool CMemorySettings::KeyExists(const std::string& key) const {
    return keys_.count(key) != 0;
}

bool CMemorySettings::CreateKey(const std::string& key) {
    keys_.insert(key);
    return true;
}

std::optional<SettingValue> CMemorySettings::Read(const std::string& key,
                                                  const std::string& name) const {
    const auto k = values_.find(key);
    if (!KeyExists(key) || k == values_.end()) {
        return std::nullopt;
    }
    const auto v = k->second.find(name);
    if (v == k->second.end()) {
        return std::nullopt;
    }
    return v->second;
}

bool CMemorySettings::Write(const std::string& key, const std::string& name,
                            const SettingValue& value) {
    if (!KeyExists(key)) {
        return false;
    }
    values_[key][name] = value;
    return true;
}

std::vector<std::string> CMemorySettings::ValueNames(const std::string& key) const {
    std::vector<std::string> names;
    const auto k = values_.find(key);
    if (KeyExists(key) && k != values_.end()) {
        for (const auto& [name, value] : k->second) {
            names.push_back(name);
        }
    }
    return names;
}

void CMemorySettings::DeleteValue(const std::string& key, const std::string& name) {
    const auto k = values_.find(key);
    if (k != values_.end()) {
        k->second.erase(name);
    }
}

void CMemorySettings::RemoveKey(const std::string& key) {
    keys_.erase(key);
    values_.erase(key);
}
