#pragma once
// The game history as the application runs it: the end of every recorded
// game becomes a row, the games played before the first history come in,
// and what the history has to tell the player opens in a message box from
// the event loop. The board model's RecordingFinished connects to GameEnded.

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "history/history_writer.h"

class CReplayShelf;

class CHistoryRecorder : public QObject {
    Q_OBJECT

  public:
    // The database beside the replays' folder of `shelf`.
    explicit CHistoryRecorder(const CReplayShelf& shelf, QObject* parent = nullptr);
    ~CHistoryRecorder() override;

    static QString PathBeside(const CReplayShelf& shelf);
    CHistoryWriter& Writer() { return writer_; }

    // The last try, when the windows have closed; in words for the player,
    // that games are still not written, if they are not (and not told yet).
    std::optional<QString> WriteBeforeQuit();

  public slots:
    // A recorded game has ended just now, with this score and replay.
    void GameEnded(std::uint32_t score, const std::string& replay, bool offered);

  private:
    CHistoryWriter writer_;
    bool told_ = false;
};
