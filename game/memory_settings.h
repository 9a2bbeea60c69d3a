#pragma once
// Settings held in memory: for tests and the headless runner.

#include <map>
#include <set>

#include "game/settings_store.h"

class CMemorySettings : public ISettingsBackend {
  public:
    // With keysExist, the application key and its two subkeys are there from the
    // start, as an installation would leave them.
    explicit CMemorySettings(bool keysExist = true);

    bool KeyExists(const std::string& key) const override;
    bool CreateKey(const std::string& key) override;
    std::optional<SettingValue> Read(const std::string& key,
                                     const std::string& name) const override;
    bool Write(const std::string& key, const std::string& name, const SettingValue& value) override;
    std::vector<std::string> ValueNames(const std::string& key) const override;
    void DeleteValue(const std::string& key, const std::string& name) override;

    void RemoveKey(const std::string& key);

  private:
    std::set<std::string> keys_;
    std::map<std::string, std::map<std::string, SettingValue>> values_;
};

// Installs a backend for the lifetime of the guard and restores the previous one.
class CScopedSettingsBackend {
  public:
    explicit CScopedSettingsBackend(ISettingsBackend* backend) : previous_(GetSettingsBackend()) {
        SetSettingsBackend(backend);
    }
    ~CScopedSettingsBackend() { SetSettingsBackend(previous_); }
    CScopedSettingsBackend(const CScopedSettingsBackend&) = delete;
    CScopedSettingsBackend& operator=(const CScopedSettingsBackend&) = delete;

  private:
    ISettingsBackend* previous_;
};
