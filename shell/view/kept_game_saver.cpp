#include "shell/view/kept_game_saver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "script/growing_replay.h"
#include "script/script_text.h"
#include "settings/file_replacer.h"

CKeptGameSaver::CKeptGameSaver() : worker_([this] { Work(); }) {}

CKeptGameSaver::~CKeptGameSaver() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void CKeptGameSaver::Ask(Request request) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(std::move(request));
    }
    changed_.notify_all();
}

void CKeptGameSaver::Begin() {
    Ask({Request::Begin, {}, {}, {}});
}

void CKeptGameSaver::Save(std::string lines, std::string header, const QString& path) {
    Ask({Request::Save, std::move(lines), std::move(header), path});
}

void CKeptGameSaver::Remove(const QString& path) {
    Ask({Request::Remove, {}, {}, path});
}

void CKeptGameSaver::SaveWhole(std::string text, const QString& path) {
    Ask({Request::Whole, std::move(text), {}, path});
}

std::optional<QString> CKeptGameSaver::Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return requests_.empty() && !busy_; });
    return failure_;
}

void CKeptGameSaver::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
        if (requests_.empty()) {
            return;  // stopping, with nothing left to do
        }
        std::deque<Request> batch;
        batch.swap(requests_);
        busy_ = true;
        lock.unlock();
        // Only the last save before a change of recording or a removal is
        // written: the ones before it are in it.
        std::optional<Request> unwritten;
        const auto flush = [&] {
            if (unwritten) {
                Write(*unwritten);
                unwritten.reset();
            }
        };
        for (Request& request : batch) {
            switch (request.kind) {
                case Request::Begin:
                    flush();
                    replay_ = std::make_unique<CGrowingReplay>();
                    break;
                case Request::Save:
                    if (replay_) {
                        replay_->Add(request.lines);
                        request.lines.clear();
                        unwritten = std::move(request);
                    }
                    break;
                case Request::Remove:
                    unwritten.reset();
                    QFile::remove(request.path);
                    break;
                case Request::Whole:
                    unwritten.reset();
                    WriteFile(request.path, CompressScriptText(request.lines));
                    break;
            }
        }
        flush();
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

void CKeptGameSaver::Write(const Request& save) {
    WriteFile(save.path, replay_->File(save.header));
}

void CKeptGameSaver::WriteFile(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    std::optional<QString> failure;
    if (bytes.empty()) {
        failure = QCoreApplication::translate("CKeptGameSaver", "out of memory");
    } else {
        failure =
            ReplaceFile(path, QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    if (failure) {
        failure = FileFailure(path, *failure);
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    failure_ = failure;
}
