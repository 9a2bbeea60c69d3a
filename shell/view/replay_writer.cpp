#include "shell/view/replay_writer.h"

#include <QFile>
#include <QObject>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "script/script_text.h"
#include "settings/file_replacer.h"

namespace {
// Long enough for any replay the game keeps, short enough for a stop signal.
constexpr std::chrono::seconds kQuitWait{3};
}  // namespace

// Shared with the thread, which may outlive the writer when quitting cannot
// wait for it.
struct CReplayWriter::Queue {
    struct Request {
        QString path;
        std::string replay;
        bool remove = false;
    };
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Request> requests;
    bool busy = false;
    QString writing;  // the file being written now
    bool stopping = false;
    std::optional<QString> failure;
    QObject* teller = nullptr;  // gone once the writer is
    std::function<void()> failed;

    void Work();
};

void CReplayWriter::Queue::Work() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return stopping || !requests.empty(); });
        if (requests.empty()) {
            return;
        }
        Request request = std::move(requests.front());
        requests.pop_front();
        busy = true;
        writing = request.remove ? QString() : request.path;
        lock.unlock();
        std::optional<QString> why;
        if (request.remove) {
            QFile::remove(request.path);
        } else {
            const std::string bytes = CompressScriptText(request.replay);
            request.replay = std::string();
            why = ReplaceFile(request.path,
                              QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        }
        lock.lock();
        busy = false;
        writing.clear();
        if (why && !failure) {
            failure = FileFailure(request.path, *why);
            if (teller != nullptr) {
                QMetaObject::invokeMethod(teller, failed, Qt::QueuedConnection);
            }
        }
        changed.notify_all();
    }
}

CReplayWriter::CReplayWriter(std::function<void()> failed)
    : queue_(std::make_shared<Queue>()), teller_(std::make_unique<QObject>()) {
    queue_->teller = teller_.get();
    queue_->failed = std::move(failed);
    std::thread([queue = queue_] { queue->Work(); }).detach();
}

CReplayWriter::~CReplayWriter() {
    Wait(kQuitWait);
    const std::lock_guard<std::mutex> lock(queue_->mutex);
    queue_->teller = nullptr;
    queue_->stopping = true;
    queue_->changed.notify_all();
}

void CReplayWriter::Write(const QString& path, std::string replay) {
    const std::lock_guard<std::mutex> lock(queue_->mutex);
    queue_->requests.push_back({path, std::move(replay), false});
    queue_->changed.notify_all();
}

void CReplayWriter::Remove(const QString& path) {
    const std::lock_guard<std::mutex> lock(queue_->mutex);
    queue_->requests.push_back({path, {}, true});
    queue_->changed.notify_all();
}

bool CReplayWriter::Pending(const QString& path) const {
    const std::lock_guard<std::mutex> lock(queue_->mutex);
    if (queue_->writing == path) {
        return true;
    }
    for (const Queue::Request& request : queue_->requests) {
        if (request.path == path && !request.remove) {
            return true;
        }
    }
    return false;
}

bool CReplayWriter::Wait(std::chrono::milliseconds limit) const {
    std::unique_lock<std::mutex> lock(queue_->mutex);
    return queue_->changed.wait_for(lock, limit,
                                    [this] { return queue_->requests.empty() && !queue_->busy; });
}

std::optional<QString> CReplayWriter::TakeFailure() {
    const std::lock_guard<std::mutex> lock(queue_->mutex);
    return std::exchange(queue_->failure, std::nullopt);
}
