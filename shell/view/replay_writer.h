#pragma once
// Writes replays on a thread of its own: a long game's replay is compressed
// and synced to the disk there, never while the window waits. Files are
// written and removed in the order asked, each written whole or not at all.
// Quitting waits a few seconds for what is asked; what is still unwritten
// then finishes on its own while the program ends.

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QObject;

class CReplayWriter {
  public:
    // `failed` is called on the thread that made the writer, some time after
    // a write failed; TakeFailure says which.
    explicit CReplayWriter(std::function<void()> failed);
    ~CReplayWriter();
    CReplayWriter(const CReplayWriter&) = delete;
    CReplayWriter& operator=(const CReplayWriter&) = delete;

    void Write(const QString& path, std::string replay);
    void Remove(const QString& path);
    // Whether the file is still to be written (any thread).
    bool Pending(const QString& path) const;
    // Until everything asked so far is done, or `limit` has passed (any
    // thread); true when it is done.
    bool Wait(std::chrono::milliseconds limit) const;
    // The first write that failed since last asked ("FILE: why").
    std::optional<QString> TakeFailure();

  private:
    struct Queue;
    std::shared_ptr<Queue> queue_;
    std::unique_ptr<QObject> teller_;
};
