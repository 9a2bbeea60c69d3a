#pragma once
// The game on the board, kept to go on with should the program end before
// the game does: the window closed, Game > Exit, the session ending, the
// program told to stop. Its replay so far goes to a file of this copy's own
// every few seconds of play and whenever it pauses, so that a program killed
// outright or a machine losing power loses at most those seconds; and once
// more, paused, when the program ends. At the next start, before the window
// shows, the game comes back from it, paused, exactly where it was, and its
// recording goes on, so that its replay covers the whole game. A game that
// ends (in play, by Quit game or New game, for a replay or the tutorial)
// takes its file with it; a tutorial page's game and a replay being watched
// are not recorded, and never kept.
//
// The file is written on a thread of its own; the rules stay on this one.
// Nothing is kept until Start: the program starts it at start-up.

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>

#include "shell/view/kept_game_slot.h"

class CBoardModel;
class CKeptGameSaver;
struct KeptGame;
class QWidget;

class CGameKeeper : public QObject {
    Q_OBJECT

  public:
    // Game time between saves while the game runs, and real time between
    // looks at whether one is due: at most this much play is ever lost.
    static constexpr std::int64_t kSaveEveryMs = 3000;
    static constexpr int kDueCheckEveryMs = 500;

    CGameKeeper(CBoardModel& model, QWidget* parent);
    ~CGameKeeper() override;

    // Keeps this copy's games from now on, in `folder`. With `restore`, a
    // game kept there by a copy that has ended comes back first; what is
    // wrong with it, if anything, is told once the event loop runs.
    void Start(bool restore, const QString& folder = CKeptGameSlot::DefaultFolder());
    // The file of this copy's games; empty before Start, or when the folder
    // has no room for one.
    QString Path() const;

    // Saves the game so far when it is due: kSaveEveryMs of game time after
    // the last save, or at once when the game has paused. A game that has
    // ended takes its file with it.
    void SaveIfDue();
    // Until the files asked for have landed; then why the last could not be
    // written, if it could not.
    std::optional<QString> Flush();
    // The program or the session ends: the game is paused and kept, and
    // this returns once its file has landed. With `last` the program ends:
    // the game leaves no replay of its own, and nothing is kept after.
    void Keep(bool last);

  private:
    // The game on the board is one to keep: recorded, started, not over.
    bool Keepable() const;
    void Restore(const QString& path);
    void ContinueKeptGame(KeptGame& kept);
    // Whatever changed: a game that has ended loses its file at once.
    void RemoveFileOnceEnded();

    CBoardModel& model_;
    QWidget* parent_;
    std::unique_ptr<CKeptGameSlot> slot_;
    std::unique_ptr<CKeptGameSaver> saver_;
    QTimer dueCheck_;
    // The recording the file follows, and how much of it the saver has.
    std::uint64_t recording_ = 0;
    std::size_t sent_ = 0;
    bool written_ = false;
    std::int64_t savedAt_ = 0;
    bool programEnding_ = false;
};
