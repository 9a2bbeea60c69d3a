#pragma once
// The Options and Accessibility dialogs: the dialogs show the switches in
// use, and only OK puts their changes into the view, the game on the board
// and the settings.

#include <QObject>

class CBoardModel;
class CTorvaneView;

class COptionsFlow : public QObject {
    Q_OBJECT

  public:
    COptionsFlow(CBoardModel& model, CTorvaneView& view) : model_(model), view_(view) {}

    // The commands.
    void OnOtherOptions();
    void OnAccessibility();

  signals:
    // The player switched pausing when the game is left.
    void PauseWhenInactiveSet(bool on);

  private:
    CBoardModel& model_;
    CTorvaneView& view_;
};
