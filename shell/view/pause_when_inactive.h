#pragma once
// Pausing when the player leaves the game (another application in front, the
// window minimised, a modal dialog over the board), as the Pause command
// would, when the player has asked for it (the stored PauseWhenInactive).

#include <memory>

class CInactivityWatch;
class CTorvaneView;

class CPauseWhenInactive {
  public:
    explicit CPauseWhenInactive(CTorvaneView& view);
    ~CPauseWhenInactive();

    // The switch, as stored.
    bool On() const { return on_; }
    void Set(bool on) { on_ = on; }

  private:
    void OnLeft();

    CTorvaneView& view_;
    bool on_;
    std::unique_ptr<CInactivityWatch> watch_;
};
