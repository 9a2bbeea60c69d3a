#pragma once
// The writer's half on the worker thread: the connection, the rows not yet
// written, the retries. Used only through CHistoryWriter.

#include <QObject>
#include <QTimer>
#include <atomic>
#include <deque>
#include <memory>
#include <vector>

#include "history/daily_standing.h"
#include "history/game_row.h"
#include "history/history_writer.h"

class CHistoryStore;

class CHistoryWorker : public QObject {
    Q_OBJECT

  public:
    // Tries come quickly at first, then ever more seldom.
    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLongestRetryMs = 30000;

    CHistoryWorker(QString path, QString version, std::atomic<int>& pending);
    ~CHistoryWorker() override;

    void Open(const std::vector<ImportedGame>& imported);
    void Add(const RecordedGame& game);
    // Every kept row, until one fails; true when none is left.
    bool WriteKept();
    void Stop();

  signals:
    void Notice(const QString& message);
    void Written();
    void Reported(const DailyReport& report);

  private:
    DailyReport ReportOf(const GameRow& row, bool written);
    bool EnsureOpen();
    GameRow RowOf(const RecordedGame& game) const;
    void Import(const std::vector<ImportedGame>& imported);
    void Failed();

    QString path_;
    QString version_;
    std::atomic<int>& pending_;
    std::unique_ptr<CHistoryStore> store_;
    std::deque<GameRow> kept_;
    QTimer* retry_;
    bool toldFailure_ = false;
    bool fresh_ = false;
};
