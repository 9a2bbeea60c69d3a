#include "history/history_writer.h"

#include "history/history_worker.h"

CHistoryWriter::CHistoryWriter(QString path, QString version, QObject* parent)
    : QObject(parent), worker_(new CHistoryWorker(std::move(path), std::move(version), pending_)) {
    worker_->moveToThread(&thread_);
    connect(worker_, &CHistoryWorker::Notice, this, &CHistoryWriter::Notice);
    connect(worker_, &CHistoryWorker::Written, this, &CHistoryWriter::Written);
    connect(worker_, &CHistoryWorker::Reported, this, &CHistoryWriter::Reported);
    thread_.setObjectName(QStringLiteral("history"));
    thread_.start(QThread::LowPriority);
}

CHistoryWriter::~CHistoryWriter() {
    WriteBeforeQuit();
    // The connection belongs to the worker's thread and closes there.
    QMetaObject::invokeMethod(
        worker_, [this] { worker_->Stop(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

void CHistoryWriter::Open(std::vector<ImportedGame> imported) {
    QMetaObject::invokeMethod(
        worker_, [this, imported = std::move(imported)] { worker_->Open(imported); },
        Qt::QueuedConnection);
}

void CHistoryWriter::Add(RecordedGame game) {
    ++pending_;
    QMetaObject::invokeMethod(
        worker_, [this, game = std::move(game)] { worker_->Add(game); }, Qt::QueuedConnection);
}

bool CHistoryWriter::WriteBeforeQuit() {
    bool written = false;
    QMetaObject::invokeMethod(
        worker_, [this, &written] { written = worker_->WriteKept(); },
        Qt::BlockingQueuedConnection);
    return written;
}
