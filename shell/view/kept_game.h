#pragma once
// The game on the board, kept to go on with should the program end before
// the game does: the window closed, Game > Exit, the session ending, the
// program told to stop. Its replay so far goes to a file of this copy's own
// every few seconds of play and whenever it pauses, so that a program killed
// outright or a machine losing power loses at most those seconds; and once
// more, paused, when the program ends. At the next start the game comes back
// from it, paused, exactly where it was, and its recording goes on, so that
// its replay covers the whole game. A game that ends (in play, by Quit game
// or New game, for a replay or the tutorial) takes its file with it once its
// score has had its answer: until the name entry has closed, the file holds
// the ended game's replay, and the next start offers its score first. A
// tutorial page's game and a replay being watched are not recorded, and
// never kept.
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
class CReplayCheckJob;
struct KeptGameRecord;
struct ReplayCheck;
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
    // game kept there by a copy that has ended comes back first, from the
    // event loop; what is wrong with it, if anything, is told then.
    void Start(bool restore, const QString& folder = CKeptGameSlot::DefaultFolder());
    bool Restoring() const { return restoring_ != nullptr; }
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
    // the game leaves no replay of its own, and nothing is kept after; then
    // why the game could not be kept, in words for the player, if it could not.
    std::optional<QString> Keep(bool last);

  signals:
    // No game can be kept (the data folder cannot be written): told once, as
    // the first game starts, in a message box and with this.
    void CannotKeep(const QString& message);

  private:
    // The game on the board is one to keep: recorded, started, not over.
    bool Keepable() const;
    void Restore(const QString& path);
    void Restored(const ReplayCheck& check, KeptGameRecord& kept, const QString& path);
    void ContinueKeptGame(KeptGameRecord& kept);
    // Keeps the games from now on, in the slot held or a free one.
    void KeepFromNow();
    void OpenWarning(const QString& text);
    // Whatever changed: a game that has ended loses its file at once.
    void RemoveFileOnceEnded();
    void TellCannotKeep();

    CBoardModel& model_;
    QWidget* parent_;
    std::unique_ptr<CKeptGameSlot> slot_;
    std::unique_ptr<CKeptGameSaver> saver_;
    // The kept game being read and played at start-up, until it is back.
    CReplayCheckJob* restoring_ = nullptr;
    QTimer dueCheck_;
    // The recording the file follows, and how much of it the saver has.
    std::uint64_t recording_ = 0;
    std::size_t sent_ = 0;
    bool written_ = false;
    // The file holds the replay of a game whose score waits for an answer.
    bool awaitedWritten_ = false;
    std::int64_t savedAt_ = 0;
    bool programEnding_ = false;
    // Why no game can be kept, when none can; and whether that was told.
    QString cannotKeep_;
    bool toldCannotKeep_ = false;
};
