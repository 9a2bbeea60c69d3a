#pragma once
// The board and everything around it: the board model, the view that shows
// it, and the flows (replays, the tutorial, the end of a game, options,
// pausing when left, the kept game). The flows know the model and the view,
// never each other; what one asks of another goes through here (the table's
// "watch this replay", a switch of the options).

#include <QObject>
#include <cstdint>
#include <memory>

#include "shell/view/replay_keeper.h"

class CBoardModel;
class CGameOverFlow;
class CGameKeeper;
class COptionsFlow;
class CPauseWhenInactive;
class CReplayFlow;
class CTorvaneView;
class CTutorialFlow;
class QWidget;

class CBoardSession : public QObject {
    Q_OBJECT

  public:
    // The view is made as a child of `window`, which shows it.
    explicit CBoardSession(QWidget* window);
    ~CBoardSession() override;

    CBoardModel& Model() const { return *model_; }
    CTorvaneView& View() const { return *view_; }
    CReplayKeeper& Replays() { return replays_; }

    CReplayFlow& Watching() const { return *watching_; }
    CTutorialFlow& Tutorial() const { return *tutorial_; }
    CGameOverFlow& GameOver() const { return *gameOver_; }
    COptionsFlow& Options() const { return *options_; }
    CPauseWhenInactive& Pausing() const { return *pausing_; }
    CGameKeeper& Kept() const { return *kept_; }

    // A replay file from a window beside the board (the statistics'
    // games): watched as the table's entries are.
    void WatchReplayFile(const QString& path);

    // Commands that reach past the board.
    void OnSoundEffects();
    void OnDifficulty(std::uint32_t difficulty);
    void OnPauseAndHide();

  signals:
    // Game > Statistics, or the high-score table's button: the window that
    // shows them lives above the frame, and opens on this.
    void StatisticsRequested();

  private:
    // First, so that it goes last: the model's last recording lands here.
    CReplayKeeper replays_;
    std::unique_ptr<CBoardModel> model_;
    CTorvaneView* view_;
    std::unique_ptr<CReplayFlow> watching_;
    std::unique_ptr<CTutorialFlow> tutorial_;
    std::unique_ptr<CGameOverFlow> gameOver_;
    std::unique_ptr<COptionsFlow> options_;
    std::unique_ptr<CPauseWhenInactive> pausing_;
    std::unique_ptr<CGameKeeper> kept_;
};
