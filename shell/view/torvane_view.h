#pragma once
// The game view: the one place where the player's input and time reach the
// game, and where the game is painted. It owns the running game and the board
// renderer. Every change of the game repaints the board and then runs the
// end-of-game check.
//
// Only what changed is painted: the renderer keeps the whole board and says
// which of its device pixels changed, and those, through the mapping, are
// what the window repaints. While the game runs with smooth motion, a pacer
// repaints at the screen's rate; the game's own timer stays as it is.
//
// Three kinds of pixels meet here:
// - widget pixels: the view's own coordinates, those of its size and of the
//   pointer in mouse events;
// - board pixels: the game's coordinates, those of the rules, the renderer's
//   layout and the wheel centre, fixed at kBoardWidth x kBoardHeight whatever
//   the window's size;
// - device pixels: the screen's, widget pixels times the screen's ratio; the
//   renderer draws every board pixel as scale x ratio of them.
// Mapping() (a scale and an offset) turns widget points into board pixels and
// back; every pointer handler and the paint go through it, and nothing else
// sees the widget's size.
//
// What happens around the game runs in flows of their own, which the view
// owns and which steer it through its public operations: watching a replay,
// the tutorial, the end of a game with the high-score table, the Options and
// Accessibility dialogs, and pausing when the player leaves.

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "game/game.h"
#include "render/board_mapping.h"
#include "shell/view/game_recording.h"

class CBoardRenderer;
class CFramePacer;
class CGameOverFlow;
class CKeptGame;
class COptionsFlow;
class CPauseWhenInactive;
class CReplayFlow;
class CTutorialFlow;

class CTorvaneView : public QWidget {
    Q_OBJECT

  public:
    explicit CTorvaneView(QWidget* parent = nullptr);
    ~CTorvaneView() override;

    // Commands of the menus, accelerators and toolbar.
    void OnPausePlay();
    void OnDropBomb();
    void OnNewGame();
    void OnQuitGame();
    void OnSoundEffects();
    void OnDifficulty(std::uint32_t difficulty);
    void OnPauseAndHide();
    // The player turns the wheel by an angle (a gamepad's stick), or by one
    // step of the arrow keys, refused where the keyboard's turns are.
    void OnTurnBy(double radians);
    void OnKeyTurn(bool clockwise, bool fine);

    // One tick of the 66 ms timer.
    void OnTimer();

    // Throws the current game away for a fresh one that waits for Play.
    void StartNewGame();

    // Repaint requests: Invalidate paints the board where it changed and
    // leaves the window's part to the event loop, RepaintNow puts the whole
    // board on the screen before it returns (the "Game Over" banner behind
    // the end-of-game dialogs).
    void Invalidate();
    void RepaintNow();
    // The game changed: a repaint, and the command rules look again.
    void Changed();

    // The first paint's set-up: wheel centre and renderer. Normally run by
    // the first paint; exposed for callers that need the renderer before the
    // view was ever painted.
    void EnsureInitialised();
    bool Initialised() const { return renderer_ != nullptr; }
    const CBoardRenderer& Renderer() const { return *renderer_; }
    CBoardRenderer& Renderer() { return *renderer_; }

    // Where the board lies in the view at its present size and screen.
    BoardMapping Mapping() const;

    // The board at its base size, as the window opens.
    QSize sizeHint() const override;

    // The game on the board.
    CGame& Game() { return *game_; }
    const CGame& Game() const { return *game_; }
    // The replay player puts the recorded game's games here.
    std::unique_ptr<CGame>& GameSlot() { return game_; }
    // A game that is not recorded (a tutorial page's) takes the board; the
    // one before goes without any end-of-game question or high score.
    void ShowUnrecordedGame(std::unique_ptr<CGame> game);
    // A game kept when the program ended takes the board, its recording
    // going on from the recording so far.
    void ContinueGame(std::unique_ptr<CGame> game, RecordingSoFar soFar);
    // Ends the recording of the game on the board: it is over or it goes.
    void FinishRecording() { recording_.Finish(*game_); }
    CGameRecording& Recording() { return recording_; }

    // Locked, the player's input leaves the game alone: a replay plays, or a
    // tutorial page demonstrates.
    void LockInput(bool locked) { inputLocked_ = locked; }
    bool InputLocked() const { return inputLocked_; }

    // Falling gems glide between the rules' steps, painted at the screen's
    // rate while anything moves; off, they move only when the rules move
    // them, and the board is painted on the game's timer.
    bool SmoothMotion() const { return smoothMotion_; }
    void SetSmoothMotion(bool on);
    const CFramePacer& Pacer() const { return *pacer_; }

    // The wheel's step per notch of the mouse wheel, and its direction.
    double WheelSpeed() const { return wheelSpeed_; }
    bool WheelClockwise() const { return wheelClockwise_; }
    void SetWheel(double speed, bool clockwise) {
        wheelSpeed_ = speed;
        wheelClockwise_ = clockwise;
    }

    // The flows around the game.
    CReplayFlow& Replays() const { return *replays_; }
    CTutorialFlow& Tutorial() const { return *tutorial_; }
    CGameOverFlow& GameOver() const { return *gameOver_; }
    COptionsFlow& Options() const { return *options_; }
    CPauseWhenInactive& Pausing() const { return *pausing_; }
    CKeptGame& Kept() const { return *kept_; }

  signals:
    // The state the command update rules look at may have changed.
    void StateChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // After the wheel has turned: contacts, a tick, repaint, end-of-game check.
    void AfterWheelTurn();
    // A game from the settings, recorded from the start.
    void MakeGame();
    // The renderer paints the game as it is now, and the widget pixels that
    // its paint changed.
    void PaintBoard();
    QRegion ChangedArea(const BoardMapping& mapping) const;
    // Neither the player nor the clock may move the game: a replay plays it,
    // or one is being checked.
    bool Held() const;

    std::unique_ptr<CGame> game_;
    std::unique_ptr<CBoardRenderer> renderer_;
    CGameRecording recording_;
    bool dragging_ = false;
    double grabOffset_ = 0.0;
    double wheelSpeed_ = 0.0;
    bool wheelClockwise_ = false;
    bool inputLocked_ = false;
    QTimer timer_;
    // Runs from each resize until the size has settled; meanwhile the old
    // renderer's picture, stretched, stands in for a new one.
    QTimer settling_;
    bool smoothMotion_ = true;
    CFramePacer* pacer_;
    // The renderer has not painted the game since it last changed: the window
    // was not shown, or the renderer is new.
    bool boardStale_ = false;
    // Last, so that they go first, while the game is still there.
    std::unique_ptr<CReplayFlow> replays_;
    std::unique_ptr<CTutorialFlow> tutorial_;
    std::unique_ptr<CGameOverFlow> gameOver_;
    std::unique_ptr<COptionsFlow> options_;
    std::unique_ptr<CPauseWhenInactive> pausing_;
    std::unique_ptr<CKeptGame> kept_;
};
