#pragma once
// Work on the history that may wait on the disk or on another copy's write
// runs on Qt's thread pool; what comes of it is handed to `done` on the
// window's thread. A window closed meanwhile drops the result; it waits for
// the work to end before it goes, though (CRunningWork), since Qt SQL's
// connections are torn down with the application, under a read still going.

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>
#include <type_traits>
#include <vector>

// The work under way, waited for when this goes.
class CRunningWork {
  public:
    CRunningWork() = default;
    CRunningWork(const CRunningWork&) = delete;
    CRunningWork& operator=(const CRunningWork&) = delete;
    ~CRunningWork() {
        for (QFuture<void>& future : running_) {
            future.waitForFinished();
        }
    }
    void Add(QFuture<void> future) {
        std::erase_if(running_, [](const QFuture<void>& f) { return f.isFinished(); });
        running_.push_back(std::move(future));
    }

  private:
    std::vector<QFuture<void>> running_;
};

template <typename Work, typename Done>
void OffTheWindow(QObject* context, CRunningWork& running, Work work, Done done) {
    using Result = std::invoke_result_t<Work>;
    auto* watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, done = std::move(done)] {
                         done(watcher->result());
                         watcher->deleteLater();
                     });
    QFuture<Result> future = QtConcurrent::run(std::move(work));
    running.Add(QFuture<void>(future));
    watcher->setFuture(future);
}
