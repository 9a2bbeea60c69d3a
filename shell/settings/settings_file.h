#pragma once
// The settings store in one file per user, shared by every running copy of
// the game: the config file on Linux ("Quillfen Software/Torvane.conf" in
// the user's config folder).
//
// - Every read sees the file as it is on disk now (another copy may have
//   written it), plus any change of this run that could not be stored.
// - A change is a read-modify-write under a lock file beside the settings
//   file, so two copies never lose each other's changes; the file is written
//   whole, aside and then renamed over the old one, so a crash at any moment
//   leaves the old file or the new one, never a mix.
// - A file that cannot be read as ours is renamed aside, never obeyed
//   forever nor overwritten; a fresh file takes its place, with the high
//   scores that could still be read from it.
// - A change that does not reach the disk (read-only, full, no permission)
//   is kept in memory for the rest of the run and stored with the next
//   change that succeeds.

#include <QString>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "game/settings_store.h"
#include "shell/settings/settings_text.h"

class QLockFile;

class CSettingsFile : public ISettingsBackend {
  public:
    // What the player must be told (a damaged file set aside; once a run, a
    // setting that could not be saved), as the whole message, for whatever
    // front end runs the store to show.
    using NoticeHandler = std::function<void(const QString& message)>;

    // The player's own file.
    CSettingsFile();
    // A store in the given file (tests, tools).
    explicit CSettingsFile(const QString& path);
    ~CSettingsFile() override;
    CSettingsFile(const CSettingsFile&) = delete;
    CSettingsFile& operator=(const CSettingsFile&) = delete;

    QString FileName() const { return path_; }
    void SetNoticeHandler(NoticeHandler handler) { notify_ = std::move(handler); }
    // Reads the file once, so that a damaged one is dealt with now, at
    // start-up, rather than at the first read.
    void Open();

    bool KeyExists(const std::string& key) const override;
    bool CreateKey(const std::string& key) override;
    std::optional<SettingValue> Read(const std::string& key,
                                     const std::string& name) const override;
    bool Write(const std::string& key, const std::string& name, const SettingValue& value) override;
    std::vector<std::string> ValueNames(const std::string& key) const override;
    void DeleteValue(const std::string& key, const std::string& name) override;
    void BeginExclusive() override;
    std::optional<std::string> EndExclusive() override;

  private:
    struct PendingChange {
        QString key;
        std::optional<QString> raw;  // nothing: removed
    };
    struct Loaded {
        CSettingsText text;
        // Why the file must not be replaced: it is there but cannot be
        // read, or it is damaged and could not be set aside.
        std::optional<QString> untouchable;
    };

    // The file as it is now, a damaged one dealt with, and this run's
    // unsaved changes on top.
    Loaded Load() const;
    Loaded SetAside(const QByteArray& damaged) const;
    Loaded SetAsideLocked() const;
    const CSettingsText& Current() const;
    bool Record(const QString& key, std::optional<QString> raw);
    std::optional<QString> Lock() const;
    void Unlock() const;
    bool Holding() const;
    std::optional<QString> WriteWhole(const CSettingsText& text) const;
    void Notify(const QString& message) const;

    QString path_;
    NoticeHandler notify_;
    std::set<std::string> createdKeys_;
    // Changes of this run that did not reach the disk, oldest first.
    mutable std::vector<PendingChange> unsaved_;
    mutable std::unique_ptr<QLockFile> lock_;
    bool toldWriteFailure_ = false;
    // The damaged contents last reported, so that a file that cannot be set
    // aside is reported once and not at every read.
    mutable QByteArray reportedDamage_;

    // The exclusive section: its depth, the file as read at its start, the
    // changes made in it and why the lock could not be had.
    int depth_ = 0;
    Loaded section_;
    std::vector<PendingChange> changes_;
    std::optional<QString> lockFailure_;
    // Outside a section, what the last read found.
    mutable CSettingsText lastRead_;
};
