#pragma once
// Pausing when the player leaves the game (another application in front, the
// window minimised, a modal dialog over the board), as the Pause command
// would, when the player has asked for it (the stored PauseWhenInactive).

#include <memory>

class CBoardModel;
class CInactivityWatch;
class QWidget;

class CPauseWhenInactive {
  public:
    CPauseWhenInactive(CBoardModel& model, QWidget* view);
    ~CPauseWhenInactive();

    // The switch, as stored.
    bool On() const { return on_; }
    void Set(bool on) { on_ = on; }

  private:
    void OnLeft();

    CBoardModel& model_;
    bool on_;
    std::unique_ptr<CInactivityWatch> watch_;
};
