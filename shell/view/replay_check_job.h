#pragma once
// Reads and checks a replay file on a worker thread, so that the window keeps
// answering meanwhile. A check that takes a while shows a progress dialog
// whose Cancel stops it. Finished comes on the window's thread, with the
// check's result, or with a stopped one.
//
// The worker plays the replay on the rules' state of its own thread (the game
// clock, the random generator, the settings and the sound are one per
// thread), so nothing it does reaches the window's game.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "script/replay_file.h"

class QProgressBar;
class QProgressDialog;
class QThread;
class QWidget;

class CReplayCheckJob : public QObject {
    Q_OBJECT

  public:
    // Reads the file at a path in the local encoding, and looks at `progress`
    // now and then.
    using Reader = std::function<ReplayCheck(const std::string& path, ReplayProgress& progress)>;

    // Starts at once; the progress dialog, if any, is modal to `parent`'s
    // window and says `label` (by default that a replay is checked).
    CReplayCheckJob(const QString& path, Reader reader, QWidget* parent, const QString& label = {});
    // Stops the worker and waits for it: it looks whether to stop every few
    // milliseconds.
    ~CReplayCheckJob() override;
    CReplayCheckJob(const CReplayCheckJob&) = delete;
    CReplayCheckJob& operator=(const CReplayCheckJob&) = delete;

    void Stop() { progress_.stop = true; }
    // Once Finished has come.
    ReplayCheck& Result() { return result_; }

  signals:
    void Finished();

  private:
    void ShowProgress();
    void OnWorkerDone();

    QWidget* parent_;
    QString label_;
    ReplayProgress progress_;
    ReplayCheck result_;
    QThread* worker_ = nullptr;
    QTimer showLater_;
    QTimer poll_;
    QPointer<QProgressDialog> dialog_;
    QProgressBar* bar_ = nullptr;
};
