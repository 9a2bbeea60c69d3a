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
// - A file that cannot be read as ours (a pipe or a device in its place
//   included) is renamed aside, never obeyed forever nor overwritten; a
//   fresh file takes its place, with the high scores that could still be
//   read from it. A symbolic link stays: what it points to is set aside.
// - A change that does not reach the disk (read-only, full, no permission,
//   the lock not had in time) is kept in memory and stored with the next
//   change that succeeds, or by SaveUnsaved. A setting is kept by its name;
//   a high score as an entry, placed again in the table as it is on disk
//   then, never by the place it had when its save failed.

#include <QString>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "game/settings_store.h"
#include "scores/core/high_score_table.h"
#include "settings/settings_text.h"

class CSettingsLock;

class CSettingsFile : public ISettingsBackend {
  public:
    // What the player must be told (a damaged file set aside; once a run, a
    // setting that could not be saved), as the whole message, for whatever
    // front end runs the store to show.
    using NoticeHandler = std::function<void(const QString& message)>;
    // How long a change waits for another copy's lock by default: long
    // enough to outwait a stale lock, for a runner that may block.
    static constexpr int kLongestLockWaitMs = 12000;

    // The player's own file.
    CSettingsFile();
    // A store in the given file (tests, tools).
    explicit CSettingsFile(const QString& path);
    ~CSettingsFile() override;
    CSettingsFile(const CSettingsFile&) = delete;
    CSettingsFile& operator=(const CSettingsFile&) = delete;

    QString FileName() const { return path_; }
    void SetNoticeHandler(NoticeHandler handler) { notify_ = std::move(handler); }
    // Called whenever a change is kept unsaved (not when SaveUnsaved fails
    // again), for a front end that tries again later.
    void SetUnsavedHandler(std::function<void()> handler) { unsavedHandler_ = std::move(handler); }
    // A window must not wait long: past this, a change is kept unsaved.
    void SetLockWait(int ms) { lockWaitMs_ = ms; }
    int LockWait() const { return lockWaitMs_; }
    // Reads the file once, so that a damaged one is dealt with now, at
    // start-up, rather than at the first read.
    void Open();

    // What this run changed that is not on disk yet, as the player would
    // name it ("the high score 500 of Alice", "Settings/Quiet"); empty when
    // everything is saved.
    QStringList Unsaved() const;
    // Tries again to store what is unsaved; why that failed, if it did.
    std::optional<QString> SaveUnsaved();

    bool KeyExists(const std::string& key) const override;
    bool CreateKey(const std::string& key) override;
    std::optional<SettingValue> Read(const std::string& key,
                                     const std::string& name) const override;
    bool Write(const std::string& key, const std::string& name, const SettingValue& value) override;
    std::vector<std::string> ValueNames(const std::string& key) const override;
    void DeleteValue(const std::string& key, const std::string& name) override;
    void BeginExclusive() override;
    std::optional<std::string> EndExclusive() override;
    bool HoldsExclusive() const override;

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
    Loaded SetAside(const std::optional<QByteArray>& damaged) const;
    Loaded SetAsideLocked() const;
    // A file whose table holds records that cannot be read: copied aside and
    // rewritten with the readable ones.
    CSettingsText SetScoresAside(const QByteArray& bytes, CSettingsText text) const;
    const CSettingsText& Current() const;
    bool Record(const QString& key, std::optional<QString> raw);
    void KeepUnsaved();
    std::optional<QString> WriteWhole(const CSettingsText& text) const;
    void Notify(const QString& message) const;

    QString path_;
    NoticeHandler notify_;
    std::function<void()> unsavedHandler_;
    int lockWaitMs_ = kLongestLockWaitMs;
    std::set<std::string> createdKeys_;
    // Settings of this run that did not reach the disk, oldest first, and
    // high-score entries that did not.
    mutable std::vector<PendingChange> unsaved_;
    mutable std::vector<HighScoreEntry> unsavedScores_;
    std::unique_ptr<CSettingsLock> lock_;
    bool toldWriteFailure_ = false;
    // The damaged contents last reported (none: a pipe or a device), so
    // that a file that cannot be set aside is reported once and not at
    // every read.
    mutable bool damageReported_ = false;
    mutable bool scoresReported_ = false;
    mutable std::optional<QByteArray> reportedDamage_;

    // The exclusive section: its depth, the file as read at its start with
    // the table it held, the changes made in it and why the lock could not
    // be had; whether it stores even without a change (a retry).
    int depth_ = 0;
    Loaded section_;
    std::vector<HighScoreEntry> sectionScores_;
    std::vector<PendingChange> changes_;
    std::optional<QString> lockFailure_;
    bool storeAnyway_ = false;
    // Outside a section, what the last read found.
    mutable CSettingsText lastRead_;
};
