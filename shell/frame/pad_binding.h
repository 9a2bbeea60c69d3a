#pragma once
// Where the gamepad meets the game: the pad's actions are the board model's
// commands (the same checks, the same recording as keys and the mouse), the
// status bar told of pads coming and going, the pads paced and
// rumbled as the game goes, and the name of a high score offered to a player
// who has only the pad.

#include <QObject>

#include "shell/pad/pad_actions.h"

class CBoardModel;
class CBoardSession;
class CGame;
class CMainFrame;
class CPadReader;

class CPadBinding : public QObject, public IPadActions {
    Q_OBJECT

  public:
    // Made before the board, so that SDL's start does not hold up the
    // board's first ticks; the board is connected once it is there.
    explicit CPadBinding(CMainFrame& frame);
    void ConnectBoard();

    CPadReader& Reader() const { return *reader_; }

    bool DialogOpen() const override;
    void TurnBy(double radians) override;
    void KeyStep(bool clockwise, bool fine) override;
    void DropBomb() override;
    void PausePlay() override;
    void NewGame() override;
    void TutorialNext() override;
    void TutorialPrevious() override;
    void MoveFocus(bool forward, bool sideways) override;
    void PressFocused() override;
    void CancelDialog() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CBoardSession& Session() const;
    CBoardModel& Board() const;
    void OnStateChanged();
    // A board action of the pad: the game on the board is played with it.
    void PadPlays();

    CMainFrame& frame_;
    CPadReader* reader_;
    // The game the pad has played, while it is on the board.
    const CGame* padGame_ = nullptr;
    // What the game on the board was at the last change: for the rumbles.
    const CGame* seenGame_ = nullptr;
    bool seenExploding_ = false;
    bool seenOver_ = false;
};
