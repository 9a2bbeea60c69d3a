#pragma once
// Watching a replay in the view: the last game, a file the player picks, or
// the game of a high-score entry. The file is checked on a worker thread
// while the game or the playback holds still; then the replay plays in the
// view in real time, with the player's input locked, until it ends or a new
// game is asked for. The replay is played by the script player on the view's
// game, so the view and torvane-sim cannot disagree about it.

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "scores/ui/score_flow.h"

class CReplayCheckJob;
class CReplayWatch;
class CTorvaneView;
struct ReplayCheck;
struct ReplayProgress;

class CReplayFlow : public QObject {
    Q_OBJECT

  public:
    // Reads and checks a replay file, on the checking thread.
    using Reader = std::function<ReplayCheck(const std::string& path, ReplayProgress& progress)>;

    explicit CReplayFlow(CTorvaneView& view);
    ~CReplayFlow() override;

    // The commands.
    void OnWatchLastGame();
    void OnWatchReplay();
    // Checks the file on a worker thread, meanwhile holding the game or the
    // playback still, and then plays it, or tells the player why it cannot.
    void WatchFile(const QString& path);

    bool Checking() const { return check_ != nullptr; }
    bool Watching() const { return watch_ != nullptr; }
    bool Paused() const;
    bool HasLastGame() const;
    // Pauses the playback, or lets it go on.
    void TogglePause();
    // Moves the replay being watched on by this much of the recorded game's
    // time (the playback's timer does it in real time, times the speed).
    void Advance(std::int64_t ms);
    // The playback's keys (1, 2, 4: its speed); true when the key was one.
    bool Key(int key);
    // Stops a check and the replay being watched, if any.
    void Stop();

    // What the high-score dialogs may do with the entries' games; `replay`
    // is the game just offered for the table.
    ScoreReplays ForScores(const std::string& replay);

    // Replaces the game's own reader (tests hold a check with it).
    void SetReader(Reader reader) { reader_ = std::move(reader); }

  private:
    // Pauses whatever plays, the game or a replay, before a replay's file
    // dialog, its check and its question.
    void Hold();
    // Ends a game under way, if the player agrees, as New game ends one; true
    // when nothing stands in the replay's way any more.
    bool EndGameFirst();
    void OnChecked();
    void OnFrame();

    CTorvaneView& view_;
    Reader reader_;
    std::unique_ptr<CReplayWatch> watch_;
    CReplayCheckJob* check_ = nullptr;
};
