#pragma once
// The game view: the one place where the player's input and time reach the
// game. It owns the running game, the board renderer and, while it runs, the
// tutorial. Every change of the game repaints the board and then runs the
// end-of-game check.
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

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "game/game.h"
#include "render/board_mapping.h"
#include "script/replay_recorder.h"
#include "shell/view/replay_shelf.h"

class CBoardRenderer;
class CTutorial;
class CTutorialWnd;
class CReplayCheckJob;
class CReplayWatch;
struct ReplayCheck;
struct ReplayProgress;
struct ScoreReplays;

// Set at start-up on the program's first start; the first paint reads and
// clears it and offers the tutorial.
extern bool offerTutorial;

// The tutorial state is deleted where its type is known.
struct CTutorialDeleter {
    void operator()(CTutorial* tutorial) const;
};
struct CReplayWatchDeleter {
    void operator()(CReplayWatch* watch) const;
};

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
    void OnHelpContents();
    void OnOtherOptions();
    void OnAccessibility();

    // The player has left the game (another application is in front, or the
    // window is minimised): pauses a running game when the player asked for
    // it (view_accessibility.cpp).
    void OnLeftForeground();

    // One tick of the 66 ms timer.
    void OnTimer();

    // Throws the current game away for a fresh one that waits for Play.
    void StartNewGame();

    // Repaint requests: Invalidate waits for the event loop, RepaintNow paints
    // before it returns (the "Game Over" banner behind the end-of-game dialogs).
    void Invalidate();
    void RepaintNow();

    // The first paint's set-up: client rectangle, wheel centre, renderer.
    // Normally run by the first paint; exposed for callers that need the
    // renderer before the view was ever painted.
    void EnsureInitialised();

    // Where the board lies in the view at its present size and screen.
    BoardMapping Mapping() const;

    // The board at its base size, as the window opens.
    QSize sizeHint() const override;

    // The end of a game and the high-score table (view_scores.cpp).
    void CheckGameOver();
    void OfferHighScore();
    void ShowHighScores();

    // The tutorial (view_tutorial.cpp).
    void StartOrQuitTutorial();
    void ShowTutorialPage();
    int OnTutorialMessage(int code);
    // The first start's offer of the tutorial, run once after the first paint.
    void OfferTutorialOnFirstStart();

    // Replays (view_replay.cpp). Every game played here is recorded; a
    // replay plays in this view with the game's input locked, until it ends
    // or a new game is asked for.
    void OnWatchLastGame();
    void OnWatchReplay();
    // Checks the file on a worker thread, meanwhile holding the game or the
    // playback still, and then plays it, or tells the player why it cannot.
    void WatchReplayFile(const QString& path);
    bool CheckingReplay() const { return check_ != nullptr; }
    bool Watching() const { return watch_ != nullptr; }
    bool WatchPaused() const;
    bool HasLastGame() const { return hasLastGame_; }
    // Moves a replay being watched on by this much of the recorded game's
    // time (the playback timer does it in real time, times the speed).
    void AdvanceWatch(std::int64_t ms);
    CReplayShelf& Shelf() { return shelf_; }

    std::unique_ptr<CGame> game;
    std::unique_ptr<CBoardRenderer> renderer;
    bool dragging = false;
    bool initialised = false;
    ClientRect clientRect{0, 0, 0, 0};
    double grabOffset = 0.0;
    double wheelSpeed = 0.0;
    bool wheelClockwise = false;
    bool gameOverHandled = false;
    bool inputLocked = false;
    std::unique_ptr<CTutorial, CTutorialDeleter> tutorial;
    CTutorialWnd* tutorialWindow = nullptr;
    // The stored PauseWhenInactive switch.
    bool pauseWhenInactive = false;

    // Reads and checks a replay file, on the checking thread; replaceable so
    // that tests can hold a check. Empty: the game's own reader.
    std::function<ReplayCheck(const std::string& path, ReplayProgress& progress)> readReplay;

  signals:
    // The state the command update rules look at may have changed.
    void StateChanged();
    // A tutorial window has just been made; it lives until the tutorial ends.
    void TutorialWindowOpened(QWidget* window);

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
    // Once the game in the view is over or replaced: its recording becomes
    // its replay, kept as the last game (a game never started, or not
    // recorded, such as a tutorial page's, has none).
    void FinishRecording();
    ScoreReplays ReplaysFor(const std::string& replay);
    void StopWatching();
    // Pauses whatever plays, the game or a replay, before a replay's file
    // dialog, its check and its question.
    void HoldForReplay();
    // Ends a game under way, if the player agrees, as New game ends one; true
    // when nothing stands in the replay's way any more.
    bool EndGameForReplay();
    void OnReplayChecked();
    void CancelReplayCheck();
    void ToggleWatchPause();
    void OnWatchTimer();
    bool WatchKey(int key);

    QTimer timer_;
    // Runs from each resize until the size has settled; meanwhile the old
    // renderer's picture, stretched, stands in for a new one.
    QTimer settling_;
    CReplayRecorder recorder_;
    CReplayShelf shelf_;
    std::optional<std::string> replay_;
    bool hasLastGame_ = false;
    std::unique_ptr<CReplayWatch, CReplayWatchDeleter> watch_;
    CReplayCheckJob* check_ = nullptr;
};
