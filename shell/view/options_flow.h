#pragma once
// The Options and Accessibility dialogs, as the view applies them: the
// dialogs show the switches in use, and only OK puts their changes into the
// view, the game on the board and the settings.

class CTorvaneView;

class COptionsFlow {
  public:
    explicit COptionsFlow(CTorvaneView& view) : view_(view) {}

    // The commands.
    void OnOtherOptions();
    void OnAccessibility();

  private:
    CTorvaneView& view_;
};
