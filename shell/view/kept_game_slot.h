#pragma once
// Where games are kept to go on with: a "games" folder in the application's
// data folder, with a file for each running copy of the game (game-1.tvr,
// game-2.tvr, ...), each held by a lock file while its copy runs. A kept
// game whose lock nobody holds waits for the next start to take it; two
// copies started at once never take the same one.

#include <QString>
#include <memory>
#include <optional>

class QLockFile;

class CKeptGameSlot {
  public:
    explicit CKeptGameSlot(const QString& folder = DefaultFolder());
    ~CKeptGameSlot();
    CKeptGameSlot(const CKeptGameSlot&) = delete;
    CKeptGameSlot& operator=(const CKeptGameSlot&) = delete;
    static QString DefaultFolder();
    const QString& Folder() const { return folder_; }

    // Takes the slot of a kept game that waits, and gives its file.
    std::optional<QString> TakeWaiting();
    // Takes a slot with no game in it; false when none can be had (the
    // folder cannot be written, say).
    bool TakeFree();
    // Lets the slot go: its game waits for another start.
    void Release();
    bool Held() const { return lock_ != nullptr; }
    // The held slot's file.
    const QString& Path() const { return path_; }
    // Moves the held slot's file aside, beside it under a new name, and
    // gives that name; nothing when it cannot be moved.
    std::optional<QString> SetAside() const;

  private:
    bool Take(int number);

    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
