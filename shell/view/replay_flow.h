#pragma once
// Watching a replay: the last game, a file the player picks, or the game of
// a high-score entry. The file is checked on a worker thread while the board
// holds still; then the board model plays it in real time, with the player's
// input locked, until it ends or a new game is asked for. The replay is
// played by the script player, so the window and torvane-sim cannot
// disagree about it.

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class CBoardModel;
class CReplayCheckJob;
class CReplayKeeper;
class QWidget;
struct ReplayCheck;
struct ReplayProgress;

class CReplayFlow : public QObject {
    Q_OBJECT

  public:
    // Reads and checks a replay file, on the checking thread.
    using Reader = std::function<ReplayCheck(const std::string& path, ReplayProgress& progress)>;

    CReplayFlow(CBoardModel& model, CReplayKeeper& replays, QWidget* parent);
    ~CReplayFlow() override;

    // The commands.
    void OnWatchLastGame();
    void OnWatchReplay();
    // Checks the file on a worker thread, meanwhile holding the game or the
    // playback still, and then plays it, or tells the player why it cannot.
    void WatchFile(const QString& path);

    // Replaces the game's own reader (tests hold a check with it).
    void SetReader(Reader reader) { reader_ = std::move(reader); }

  private:
    static QString EndGameQuestion();
    // Pauses whatever plays, the game or a replay, before a replay's file
    // dialog, its check and its question.
    void HoldStill();
    void OnChecked();
    // The board left the check some other way (New game, the tutorial):
    // the check stops.
    void OnModeChanged();

    CBoardModel& model_;
    CReplayKeeper& replays_;
    QWidget* parent_;
    Reader reader_;
    CReplayCheckJob* check_ = nullptr;
};
