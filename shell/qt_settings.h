#pragma once
// The settings store's backend over QSettings: the registry on Windows, the
// user's config file elsewhere. The keys "Settings" and "Scores" are groups;
// the application key is the top level.
//
// The config file keeps no types: a number written now reads back as text in
// the next run. A value therefore counts as a 32-bit number exactly when its
// text is one. A file that is damaged or cannot be read is left alone: every
// read gives the default and every write is dropped, so nothing the player had
// is overwritten.

#include <QSettings>
#include <memory>
#include <set>

#include "game/settings_store.h"

class CQtSettings : public ISettingsBackend {
  public:
    // The player's own store.
    CQtSettings();
    // A store in the given INI file (tests, tools).
    explicit CQtSettings(const QString& iniFile);

    bool KeyExists(const std::string& key) const override;
    bool CreateKey(const std::string& key) override;
    std::optional<SettingValue> Read(const std::string& key,
                                     const std::string& name) const override;
    bool Write(const std::string& key, const std::string& name, const SettingValue& value) override;
    std::vector<std::string> ValueNames(const std::string& key) const override;
    void DeleteValue(const std::string& key, const std::string& name) override;

    // False once the file was found damaged or unreadable.
    bool IsUsable() const { return usable_; }
    QString FileName() const { return settings_->fileName(); }

    // Whether the text of a settings file is one QSettings writes: UTF-8,
    // no control characters, every line a section, a comment or a key=value.
    static bool LooksLikeSettingsFile(const QByteArray& contents);

    // How a stored value reads: a number when its text is a valid unsigned
    // 32-bit number, a string otherwise, anything else as neither.
    static SettingValue Decode(const QVariant& stored);

  private:
    void CheckFile();
    bool FileStillSound();
    QString ValuePath(const std::string& key, const std::string& name) const;

    std::unique_ptr<QSettings> settings_;
    bool checkFile_ = false;
    bool usable_ = true;
    std::set<std::string> createdKeys_;
};
