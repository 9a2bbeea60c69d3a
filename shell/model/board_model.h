#pragma once
// What the board is doing, and the game on it. The model owns the game, its
// recording and its ticking, and knows the board's mode: a game being played,
// a tutorial page (its input locked where it demonstrates), a replay being
// checked (over whatever was on the board before) or a replay being watched
// (with its pause and speed). Everything the rest of the window asks about
// the board (does input reach the game, does time run, which banners show,
// what the commands see, does the end of a game ask its questions) is
// derived here, from the mode and the game, in one place.
//
// The mode changes only through the transitions below; one the mode does not
// allow is refused (false) and changes nothing. Nothing else replaces the
// game: a replay's script player plays on the model's own slot.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/player_command.h"
#include "script/replay_recorder.h"

class CReplayPlayer;

enum class BoardMode { Playing, TutorialPage, CheckingReplay, WatchingReplay };

// The board as the commands' update rules read it.
struct BoardState {
    BoardMode mode = BoardMode::Playing;
    // The player's commands are shut out: a locked tutorial page, a replay.
    bool locked = false;
    bool watching = false;
    bool tutorial = false;
    // What Pause/Play shows: the playback's pause in a replay, else the game's.
    bool paused = true;
    bool over = false;
    bool gamePaused = true;
    bool hasBombs = false;
    bool quiet = false;
    std::uint32_t difficulty = 0;
    int replaySpeed = 1;
    // A daily game is played: its difficulty stays Medium.
    bool daily = false;
    // The number of the recorded game on the board; 0: none.
    std::uint32_t number = 0;
};

// Which game a new one is: by default the next of the random generator, at
// the difficulty the player set.
struct GameChoice {
    std::optional<std::uint32_t> number;
    std::optional<std::uint32_t> difficulty;
    // The date (YYYY-MM-DD) of a daily game.
    std::string daily;
};

class CBoardModel : public QObject {
    Q_OBJECT

  public:
    static constexpr int kTickMs = 66;

    CBoardModel();
    ~CBoardModel() override;

    CGame& Game() { return *game_; }
    const CGame& Game() const { return *game_; }
    BoardMode Mode() const { return mode_; }

    // Derived from the mode and the game.
    bool InputReachesGame() const;
    bool TimeRuns() const;
    bool TutorialRunning() const { return Underneath() == BoardMode::TutorialPage; }
    bool InputLocked() const;
    bool Watching() const { return mode_ == BoardMode::WatchingReplay; }
    bool Checking() const { return mode_ == BoardMode::CheckingReplay; }
    bool PlaybackPaused() const { return Watching() && playbackPaused_; }
    int PlaybackSpeed() const { return playbackSpeed_; }
    // The "watching" and "paused" banners over the board.
    bool ShowsWatchingBanner() const { return Watching(); }
    bool ShowsPausedBanner() const { return PlaybackPaused(); }
    // The end of this game asks its questions and offers its score: a game
    // recorded from its start (or from a kept game) and played here.
    bool EndAsks() const;
    BoardState State() const;

    // Transitions. Each returns false, changing nothing, where the mode does
    // not allow it.
    // A fresh recorded game that waits for Play; from any mode (it ends a
    // tutorial, a check or a replay being watched).
    bool StartGame(const GameChoice& choice = {});
    // The number of the recorded game on the board (0: none), and its date
    // when it is a daily game.
    std::uint32_t GameNumber() const { return recorded_ ? number_ : 0; }
    const std::string& DailyDate() const { return daily_; }
    // What the replay being watched proved of itself: a daily game's date
    // and the score it reaches.
    void NoteWatched(std::string daily, std::uint32_t score);
    const std::string& WatchedDaily() const { return watchedDaily_; }
    std::uint32_t WatchedScore() const { return watchedScore_; }
    // A game kept when the program ended goes on, its recording with it.
    bool ContinueGame(std::unique_ptr<CGame> game, RecordingSoFar soFar);
    // A tutorial page: `game` (none: the page keeps the game on the board)
    // is not recorded; `locked` shuts out the player's input.
    bool ShowTutorialPage(std::unique_ptr<CGame> game, bool locked);
    // The tutorial ends: a fresh game.
    bool EndTutorial();
    // A replay's file is checked: the board holds still meanwhile.
    bool BeginCheck();
    // The check is over without a replay to watch: the board goes back.
    bool EndCheck();
    // The checked replay plays on the board, in real time.
    bool BeginWatching(std::string stored);
    // The replay stops: a fresh game.
    bool EndWatching();
    bool SetPlaybackPaused(bool paused);
    bool SetPlaybackSpeed(int speed);
    // Moves the replay on by this much of the recorded game's time.
    bool AdvancePlayback(std::int64_t ms);
    // A watched replay has played its last line: its end stays on the board
    // until the player does something (a key, a click, a command), which
    // leaves it for a fresh game.
    bool ReplayAtItsEnd() const;
    bool LeaveReplayEnd();

    // The game under way ends, as New game ends one: its score is offered
    // (when its end asks). True when nothing of a game stands in the way.
    bool EndGameUnderWay();

    // What the player does to the game, recorded as it is played; ignored
    // where input does not reach the game. Pause/Play goes to OnPausePlay.
    void Execute(const PlayerCommand& command);
    // The commands of the menus that act on the board alone.
    void OnPausePlay();
    void OnNewGame();
    // New game, of the game chosen: the daily game, a game by its number.
    void NewGame(const GameChoice& choice);
    void OnDropBomb() { Execute(PlayerInput::DropBomb{}); }
    void OnQuitGame();
    // How a notch of the mouse wheel turns the wheel, as the player set it.
    const WheelFeel& Feel() const { return feel_; }
    void SetFeel(const WheelFeel& feel) { feel_ = feel; }
    // The gems whose explosion was over at game time `shownAt`, the instant
    // of the paint that showed them bare, leave the game.
    void RetireExplosionsShownAt(std::int64_t shownAt) { game_->RetireExplosions(shownAt); }
    // Switches that belong to the game but are no moves of it.
    void SetQuiet(bool quiet);
    bool SetDifficulty(std::uint32_t difficulty);
    // One tick of the game's timer.
    void Tick();

    // The recording of the game on the board, for the kept game's saver.
    CReplayRecorder& Recorder() { return recorder_; }
    // The game is kept to go on with at the next start: it leaves no replay.
    void KeepForNextStart() { recorder_.Drop(); }
    // The game changed (a move, or from outside the commands: options, a
    // kept game's pause): a repaint, the recording follows, and a recorded
    // game that has just ended asks its questions, once.
    void Changed();
    // The replay of the recorded game that finished last.
    const std::string& LastReplay() const { return lastReplay_; }

    // A recorded game has ended and its score waits for the player's answer
    // (the questions at its end, the name entry). Until then it is still a
    // game in progress: the kept-game keeper keeps its replay, so that a
    // program stopped meanwhile offers the score at the next start.
    bool ScoreAwaited() const { return awaited_.has_value(); }
    std::uint32_t AwaitedScore() const { return awaited_.value_or(0); }
    const std::string& AwaitedReplay() const { return awaitedReplay_; }
    // The name entry has closed, or the score earns no place.
    void ScoreAnswered();
    // A game that ended in an earlier run without its score answered: its
    // score is offered again (no question to play again).
    void OfferUnansweredScore(std::uint32_t score, std::string replay);

  signals:
    // Another game is on the board.
    void GameReplaced();
    // The board's picture changed: repaint.
    void BoardChanged();
    // The game or the mode changed: the commands look again.
    void StateChanged();
    void ModeChanged(BoardMode mode);
    // A recorded game has ended: its score may go into the table with its
    // replay; `askAgain` when it ended in play (not ended by a command), and
    // then from the event loop, once the handler that ended it has returned.
    void RecordedGameEnded(std::uint32_t score, const std::string& replay, bool askAgain);
    // A recorded game ended by Quit game, which asks nothing and enters
    // nothing in the table; a daily game's end is told all the same.
    void RecordedGameQuit(std::uint32_t score, const std::string& replay);
    // A recording became a replay: the last game from now on, and a game of
    // the history (its final score with it). `offered` when its score is
    // offered for the table: not for a game quit, nor one left unfinished.
    void RecordingFinished(std::uint32_t score, const std::string& replay, bool offered);

  private:
    BoardMode Underneath() const { return Checking() ? checkedFrom_ : mode_; }
    void SetMode(BoardMode mode);
    void Replace(std::unique_ptr<CGame> game);
    void StopPlayback();
    void FinishRecording();
    // The recording catches up with the game, and the commands look again.
    void Note();
    void OnPlaybackFrame();
    void AwaitScore(std::uint32_t score, const std::string& replay);

    std::unique_ptr<CGame> game_;
    CReplayRecorder recorder_;
    BoardMode mode_ = BoardMode::Playing;
    BoardMode checkedFrom_ = BoardMode::Playing;
    bool tutorialLocked_ = false;
    // The game on the board is recorded: started here or kept from before.
    bool recorded_ = false;
    // The replay of the game finished last, empty when it had none.
    std::string lastReplay_;
    // The end of the game on the board has been announced.
    bool endAnnounced_ = false;
    // The game on the board is being ended by Quit game.
    bool quitting_ = false;
    std::optional<std::uint32_t> awaited_;
    std::string awaitedReplay_;
    std::uint32_t number_ = 0;
    std::string daily_;
    std::string watchedDaily_;
    std::uint32_t watchedScore_ = 0;

    QTimer ticks_;
    std::unique_ptr<CReplayPlayer> player_;
    QTimer playbackFrames_;
    QElapsedTimer playbackClock_;
    bool playbackPaused_ = false;
    WheelFeel feel_;
    int playbackSpeed_ = 1;
    const CGame* sounding_ = nullptr;
};
