#pragma once
// What a gamepad can ask of the game: the application answers these with the
// operations that keys and the mouse already go through, so that the pad is
// refused where they are and recorded as they are.

class IPadActions {
  public:
    virtual ~IPadActions() = default;

    // A modal dialog is open: the buttons answer it, not the board.
    virtual bool DialogOpen() const = 0;

    // On the board; `radians` grow clockwise on screen.
    virtual void TurnBy(double radians) = 0;
    virtual void KeyStep(bool clockwise, bool fine) = 0;
    virtual void DropBomb() = 0;
    virtual void PausePlay() = 0;
    virtual void NewGame() = 0;
    virtual void TutorialNext() = 0;
    virtual void TutorialPrevious() = 0;

    // In the dialog: the focus moves (up and left back, down and right on),
    // the focused or default button is pressed, the dialog is cancelled.
    virtual void MoveFocus(bool forward, bool sideways) = 0;
    virtual void PressFocused() = 0;
    virtual void CancelDialog() = 0;
};
