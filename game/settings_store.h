#pragma once
// The only way the game reaches stored settings. The game never sees an
// error: what cannot be read reads as 0 or as the empty string, and a write
// that does not reach the disk is the backend's to tell the player about.
// Every setting is encoded so that 0 means its default.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One stored value: a 32-bit number, a string, or anything else the backend
// found (kept so that "another type reads as 0" can be honoured).
struct SettingValue {
    enum class Type { Dword, String, Other };
    Type type = Type::Other;
    std::uint32_t dword = 0;
    std::string text;

    static SettingValue Dword(std::uint32_t v) { return {Type::Dword, v, {}}; }
    static SettingValue String(std::string s) { return {Type::String, 0, std::move(s)}; }
};

// Keys are named relative to the application key: "" is the application key
// itself, "Settings" and "Scores" its two subkeys.
class ISettingsBackend {
  public:
    virtual ~ISettingsBackend() = default;
    virtual bool KeyExists(const std::string& key) const = 0;
    // Creates the key if it is missing; false when that is impossible.
    virtual bool CreateKey(const std::string& key) = 0;
    virtual std::optional<SettingValue> Read(const std::string& key,
                                             const std::string& name) const = 0;
    // Stores into an existing key; false (and nothing stored) otherwise.
    virtual bool Write(const std::string& key, const std::string& name,
                       const SettingValue& value) = 0;
    virtual std::vector<std::string> ValueNames(const std::string& key) const = 0;
    virtual void DeleteValue(const std::string& key, const std::string& name) = 0;

    // A read-modify-write that another running copy of the program must not
    // come between: from BeginExclusive on, reads see the store as it is now
    // and no other copy changes it; EndExclusive stores what changed as one
    // whole and returns why that failed, if it did (the backend tells the
    // player, unless high scores were among the changes: whoever offered
    // the score tells that). Sections nest; only the outermost one stores.
    virtual void BeginExclusive() {}
    virtual std::optional<std::string> EndExclusive() { return std::nullopt; }
    // Inside a section: whether no other copy can come between (a backend
    // that waits for another copy only so long may go on without it).
    virtual bool HoldsExclusive() const { return true; }
};

// The backend of this thread (the window's, or a worker's own). Without one installed every read
// gives the default and every write is dropped.
void SetSettingsBackend(ISettingsBackend* backend);
ISettingsBackend* GetSettingsBackend();

inline constexpr const char* kSettingsKey = "Settings";
inline constexpr const char* kScoresKey = "Scores";
// Strings of this many bytes or more do not fit the reader's buffer.
inline constexpr std::size_t kSettingStringLimit = 300;

std::uint32_t ReadSettingDword(const std::string& subkey, const std::string& name);
void WriteSettingDword(const std::string& subkey, const std::string& name, std::uint32_t value);
std::string ReadSettingString(const std::string& subkey, const std::string& name);

// Settings written together reach the store in one write while one of these
// lives (a dialog's OK, the window's place).
class CSettingsBatch {
  public:
    CSettingsBatch() : backend_(GetSettingsBackend()) {
        if (backend_ != nullptr) {
            backend_->BeginExclusive();
        }
    }
    ~CSettingsBatch() {
        if (backend_ != nullptr) {
            backend_->EndExclusive();
        }
    }
    CSettingsBatch(const CSettingsBatch&) = delete;
    CSettingsBatch& operator=(const CSettingsBatch&) = delete;

  private:
    ISettingsBackend* backend_;
};
