#pragma once
// SIGTERM, SIGINT and SIGHUP (the session ending, Ctrl+C in a terminal, the
// terminal closing) end the program as Game > Exit does, keeping the game in
// progress, rather than killing it on the spot. A signal handler may do next
// to nothing, so it writes a byte to a pipe and the event loop, reading it,
// does the rest.

#include <QObject>
#include <functional>

class QSocketNotifier;

class CStopSignals : public QObject {
    Q_OBJECT

  public:
    // `stop` runs on the event loop once one of the signals has come; the
    // signals are caught from now until this goes.
    explicit CStopSignals(std::function<void()> stop, QObject* parent = nullptr);
    ~CStopSignals() override;

  private:
    void OnSignal();

    std::function<void()> stop_;
    QSocketNotifier* notifier_ = nullptr;
};
