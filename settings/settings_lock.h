#pragma once
// The lock file beside the settings file that every running copy of the
// game takes for a read-modify-write of it. A copy holds it for one read and
// one write of a small file; one that died holding it is taken over.

#include <QString>
#include <memory>
#include <optional>

class QLockFile;

class CSettingsLock {
  public:
    explicit CSettingsLock(const QString& settingsPath);
    ~CSettingsLock();
    CSettingsLock(const CSettingsLock&) = delete;
    CSettingsLock& operator=(const CSettingsLock&) = delete;

    // Waits at most `waitMs` for the lock; returns why it could not be had.
    std::optional<QString> Take(int waitMs);
    void Release();
    bool Held() const;

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
