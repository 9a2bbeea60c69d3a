#include "game/settings_store.h"

namespace {
thread_local ISettingsBackend* g_backend = nullptr;
}

void SetSettingsBackend(ISettingsBackend* backend) {
    g_backend = backend;
}
ISettingsBackend* GetSettingsBackend() {
    return g_backend;
}

std::uint32_t ReadSettingDword(const std::string& subkey, const std::string& name) {
    if (g_backend == nullptr || !g_backend->KeyExists(subkey)) {
        return 0;
    }
    const auto value = g_backend->Read(subkey, name);
    if (!value || value->type != SettingValue::Type::Dword) {
        return 0;
    }
    return value->dword;
}

void WriteSettingDword(const std::string& subkey, const std::string& name, std::uint32_t value) {
    if (g_backend == nullptr || !g_backend->KeyExists(subkey)) {
        return;
    }
    g_backend->Write(subkey, name, SettingValue::Dword(value));
}

std::string ReadSettingString(const std::string& subkey, const std::string& name) {
    if (g_backend == nullptr || !g_backend->KeyExists(subkey)) {
        return {};
    }
    const auto value = g_backend->Read(subkey, name);
    if (!value || value->type != SettingValue::Type::String ||
        value->text.size() + 1 > kSettingStringLimit) {
        return {};
    }
    return value->text;
}
