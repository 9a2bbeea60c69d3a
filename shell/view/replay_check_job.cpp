#include "shell/view/replay_check_job.h"

#include <QFile>
#include <QProgressBar>
#include <QProgressDialog>
#include <QThread>
#include <new>

namespace {

// A check this quick needs no dialog: most replays take a few hundredths of
// a second.
constexpr int kShowAfterMs = 300;
constexpr int kPollMs = 100;

}  // namespace

CReplayCheckJob::CReplayCheckJob(const QString& path, Reader reader, QWidget* parent,
                                 const QString& label)
    : QObject(parent),
      parent_(parent),
      label_(label.isEmpty() ? tr("Checking the replay ...") : label) {
    worker_ = QThread::create([this, file = QFile::encodeName(path).toStdString(),
                               reader = std::move(reader)] {
        try {
            result_ = reader(file, progress_);
        } catch (const std::bad_alloc&) {
            // Within every bound a replay may still need more than this
            // machine has free: it is told, and the program goes on.
            result_ = ReplayCheck{};
            result_.verdict = ReplayVerdict::TooLarge;
            result_.problem = {
                TORVANE_TEXT("ReplayFile", "There is not enough memory free to read this replay."),
                {}};
        }
    });
    connect(worker_, &QThread::finished, this, &CReplayCheckJob::OnWorkerDone);
    showLater_.setSingleShot(true);
    connect(&showLater_, &QTimer::timeout, this, &CReplayCheckJob::ShowProgress);
    connect(&poll_, &QTimer::timeout, this, [this] {
        if (bar_ != nullptr) {
            bar_->setValue(progress_.permille);
        }
    });
    worker_->start();
    showLater_.start(kShowAfterMs);
}

CReplayCheckJob::~CReplayCheckJob() {
    Stop();
    worker_->wait();
    delete worker_;
    delete dialog_;
}

void CReplayCheckJob::ShowProgress() {
    dialog_ = new QProgressDialog(label_, tr("Cancel"), 0, 1000, parent_);
    dialog_->setWindowTitle(QStringLiteral("Torvane"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    // Moved on through a bar of its own: the dialog's setValue runs the
    // event loop when it is modal, and so could end this job inside itself.
    bar_ = new QProgressBar;
    bar_->setRange(0, 1000);
    dialog_->setBar(bar_);
    connect(dialog_, &QProgressDialog::canceled, this, &CReplayCheckJob::Stop);
    dialog_->show();
    poll_.start(kPollMs);
}

void CReplayCheckJob::OnWorkerDone() {
    showLater_.stop();
    poll_.stop();
    if (dialog_ != nullptr) {
        dialog_->hide();
        dialog_->deleteLater();
    }
    emit Finished();
}
